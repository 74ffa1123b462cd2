// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoMoveLayerRight.h"

#include "InputData.h"

T2_UndoMoveLayerRight::T2_UndoMoveLayerRight(EditorDocument &document, QTableWidget *table,
                                             const QString &description, int index)
    : T2_UndoTableViewBase(document, table, description), m_index(index) {
    setValid(isValid() && index >= 0 && index + 1 < inputData().layerCount());
}

void T2_UndoMoveLayerRight::redo() {
    if (!hasDocument() || !inputData().swapLayers(m_index, m_index + 1))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 2);
}

void T2_UndoMoveLayerRight::undo() {
    if (!hasDocument() || !inputData().swapLayers(m_index, m_index + 1))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}
