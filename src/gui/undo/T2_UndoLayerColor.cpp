// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoLayerColor.h"

#include "InputData.h"

T2_UndoLayerColor::T2_UndoLayerColor(EditorDocument &document, QTableWidget *table,
                                     const QString &description, int index, const QColor &color)
    : T2_UndoTableViewBase(document, table, description), m_index(index), m_color(color) {
    setValid(isValid() && color.isValid() && index >= 0 && index < inputData().layerCount() &&
             inputData().layer(index).color != color);
}

void T2_UndoLayerColor::redo() {
    swap();
}

void T2_UndoLayerColor::undo() {
    swap();
}

void T2_UndoLayerColor::swap() {
    if (!hasDocument() || m_index >= inputData().layerCount())
        return;
    const QColor current = inputData().layer(m_index).color;
    inputData().setLayerColor(m_index, m_color);
    m_color = current;
    setModified(Project::ModificationType::Display);
    selectColumn(m_index + 1);
}
