// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoMoveLayerLeft.h"

#include "InputData.h"

T2_UndoMoveLayerLeft::T2_UndoMoveLayerLeft(EditorDocument &document, QTableWidget *table,
                                           const QString &description, int index)
    : T2_UndoTableViewBase(document, table, description), m_index(index) {
    setValid(isValid() && index >= 1 && index < inputData().layerCount());
}

void T2_UndoMoveLayerLeft::redo() {
    if (!hasDocument() || !inputData().swapLayers(m_index - 1, m_index))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index);
}

void T2_UndoMoveLayerLeft::undo() {
    if (!hasDocument() || !inputData().swapLayers(m_index - 1, m_index))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}
