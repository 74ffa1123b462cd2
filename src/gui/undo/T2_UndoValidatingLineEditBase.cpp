// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoValidatingLineEditBase.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

T2_UndoValidatingLineEditBase::T2_UndoValidatingLineEditBase(EditorDocument &document, QTableWidget *table,
                                                             QLineEdit *lineEdit, const QString &description)
    : T2_UndoTableViewBase(document, table, description), m_lineEdit(lineEdit) {}

bool T2_UndoValidatingLineEditBase::enteredValue(double &value) const {
    if (!m_lineEdit)
        return false;
    bool ok = false;
    const double v = QLocale().toDouble(m_lineEdit->text().trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

void T2_UndoValidatingLineEditBase::refuse() {
    setValid(false);
    if (m_lineEdit)
        m_lineEdit->setFocus();
}
