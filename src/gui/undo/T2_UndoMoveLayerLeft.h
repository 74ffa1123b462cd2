// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOMOVELAYERLEFT_H
#define T2_UNDOMOVELAYERLEFT_H

#include "T2_UndoTableViewBase.h"

/*! Exchanges layer \a index with its left neighbour; the selection follows the moved layer. */
class T2_UndoMoveLayerLeft : public T2_UndoTableViewBase {
public:
    T2_UndoMoveLayerLeft(EditorDocument &document, QTableWidget *table, const QString &description,
                         int index);

    void redo() override;
    void undo() override;

private:
    int m_index;
};

#endif // T2_UNDOMOVELAYERLEFT_H
