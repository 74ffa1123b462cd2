// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoAddLayerLeft.h"

#include "InputData.h"

T2_UndoAddLayerLeft::T2_UndoAddLayerLeft(EditorDocument &document, QTableWidget *table,
                                         const QString &description, int index, const MaterialLayer &layer)
    : T2_UndoTableViewBase(document, table, description), m_index(index), m_layer(layer) {
    setValid(isValid() && index >= 0 && index <= inputData().layerCount());
}

void T2_UndoAddLayerLeft::redo() {
    if (!hasDocument() || !inputData().insertLayer(m_index, m_layer))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}

void T2_UndoAddLayerLeft::undo() {
    if (!hasDocument() || !inputData().removeLayers(m_index, 1))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(qMin(inputData().layerCount(), m_index));
}
