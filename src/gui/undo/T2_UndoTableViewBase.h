// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOTABLEVIEWBASE_H
#define T2_UNDOTABLEVIEWBASE_H

#include <QPointer>

#include "T2_UndoCommandBase.h"

class QTableWidget;

/*! A command that selects a column of the construction table after its change: the layer it
    changed, or the climate side (column 0 the warm side, the last column the cold side; layer i
    is column i + 1). The table may be null (no selection). */
class T2_UndoTableViewBase : public T2_UndoCommandBase {
public:
    T2_UndoTableViewBase(EditorDocument &document, QTableWidget *table, const QString &description);

protected:
    /*! Makes \a column the current column of the table, if the table has it. */
    void selectColumn(int column);
    /*! The column of the warm side (true) or the cold side of the current construction. */
    int sideColumn(bool warmSide);

private:
    QPointer<QTableWidget> m_table;
};

#endif // T2_UNDOTABLEVIEWBASE_H
