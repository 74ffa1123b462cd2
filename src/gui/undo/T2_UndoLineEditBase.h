// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOLINEEDITBASE_H
#define T2_UNDOLINEEDITBASE_H

#include <QPointer>

#include "T2_UndoTableViewBase.h"

class QLineEdit;

/*! A command made from a text field of an editor. It keeps the field (which may be null), to
    write the changed text back into it or to give it the focus back when its value is refused,
    and selects its layer in the construction table like the table commands. */
class T2_UndoLineEditBase : public T2_UndoTableViewBase {
public:
    T2_UndoLineEditBase(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                        const QString &description);

protected:
    /*! The field, or null when there is none (any more). */
    QLineEdit *lineEdit() const { return m_lineEdit.data(); }

private:
    QPointer<QLineEdit> m_lineEdit;
};

#endif // T2_UNDOLINEEDITBASE_H
