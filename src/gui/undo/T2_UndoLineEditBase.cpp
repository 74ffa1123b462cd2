// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoLineEditBase.h"

#include <QLineEdit>

T2_UndoLineEditBase::T2_UndoLineEditBase(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                                         const QString &description)
    : T2_UndoTableViewBase(document, table, description), m_lineEdit(lineEdit) {}
