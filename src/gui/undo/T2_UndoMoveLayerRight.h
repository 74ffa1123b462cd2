// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOMOVELAYERRIGHT_H
#define T2_UNDOMOVELAYERRIGHT_H

#include "T2_UndoTableViewBase.h"

/*! Exchanges layer \a index with its right neighbour; the selection follows the moved layer. */
class T2_UndoMoveLayerRight : public T2_UndoTableViewBase {
public:
    T2_UndoMoveLayerRight(EditorDocument &document, QTableWidget *table, const QString &description,
                          int index);

    void redo() override;
    void undo() override;

private:
    int m_index;
};

#endif // T2_UNDOMOVELAYERRIGHT_H
