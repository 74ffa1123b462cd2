// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoRemoveLayer.h"

#include "InputData.h"

T2_UndoRemoveLayer::T2_UndoRemoveLayer(EditorDocument &document, QTableWidget *table,
                                       const QString &description, int index)
    : T2_UndoTableViewBase(document, table, description), m_index(index) {
    setValid(isValid() && index >= 0 && index < inputData().layerCount() && inputData().layerCount() > 1);
    if (isValid())
        m_layer = inputData().layer(index);
}

void T2_UndoRemoveLayer::redo() {
    if (!hasDocument() || !inputData().removeLayers(m_index, 1))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(qMin(inputData().layerCount(), m_index));
}

void T2_UndoRemoveLayer::undo() {
    if (!hasDocument() || !inputData().insertLayer(m_index, m_layer))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}
