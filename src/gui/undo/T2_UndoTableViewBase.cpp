// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoTableViewBase.h"

#include <QTableWidget>

#include "Document.h"

T2_UndoTableViewBase::T2_UndoTableViewBase(EditorDocument &document, QTableWidget *table,
                                           const QString &description)
    : T2_UndoCommandBase(document, description), m_table(table) {}

void T2_UndoTableViewBase::selectColumn(int column) {
    if (m_table && m_table->rowCount() > 0 && column >= 0 && column < m_table->columnCount())
        m_table->setCurrentCell(0, column);
}

int T2_UndoTableViewBase::sideColumn(bool warmSide) {
    return warmSide ? 0 : inputData().layerCount() + 1;
}
