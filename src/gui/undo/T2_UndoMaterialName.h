// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOMATERIALNAME_H
#define T2_UNDOMATERIALNAME_H

#include <QString>

#include "T2_UndoLineEditBase.h"

/*! Gives the material of layer \a index another name; redo and undo exchange the stored name
    with the layer's and write the layer's new name into the name field. A display-only change:
    no recalculation. Invalid when the name is unchanged. */
class T2_UndoMaterialName : public T2_UndoLineEditBase {
public:
    T2_UndoMaterialName(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                        const QString &description, int index, const QString &name);

    void redo() override;
    void undo() override;

private:
    void swap();

    int m_index;
    QString m_name;
};

#endif // T2_UNDOMATERIALNAME_H
