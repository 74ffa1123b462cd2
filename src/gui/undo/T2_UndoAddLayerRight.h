// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOADDLAYERRIGHT_H
#define T2_UNDOADDLAYERRIGHT_H

#include "MaterialLayer.h"
#include "T2_UndoTableViewBase.h"

/*! Inserts a new layer after layer \a index (to the right of the selected layer) and selects it;
    undo removes it again and selects layer \a index. */
class T2_UndoAddLayerRight : public T2_UndoTableViewBase {
public:
    T2_UndoAddLayerRight(EditorDocument &document, QTableWidget *table, const QString &description, int index,
                         const MaterialLayer &layer);

    void redo() override;
    void undo() override;

private:
    int m_index;
    MaterialLayer m_layer;
};

#endif // T2_UNDOADDLAYERRIGHT_H
