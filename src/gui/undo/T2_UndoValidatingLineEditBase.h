// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOVALIDATINGLINEEDITBASE_H
#define T2_UNDOVALIDATINGLINEEDITBASE_H

#include <QPointer>
#include <QString>

#include "T2_UndoTableViewBase.h"

class QLineEdit;

/*! A command made from a number field of an editor: it reads the entered number from the field
    in its constructor and gives the field the focus back when it refuses the number. Numbers
    are read with the locale's decimal separator (the locale the program sets at start, without
    group separators). */
class T2_UndoValidatingLineEditBase : public T2_UndoTableViewBase {
public:
    T2_UndoValidatingLineEditBase(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                                  const QString &description);

protected:
    /*! The number in the field; false when there is no field or its text is not a finite number. */
    bool enteredValue(double &value) const;
    /*! Marks the command invalid and gives the field the focus back. */
    void refuse();

private:
    QPointer<QLineEdit> m_lineEdit;
};

#endif // T2_UNDOVALIDATINGLINEEDITBASE_H
