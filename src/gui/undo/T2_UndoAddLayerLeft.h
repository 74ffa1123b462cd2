// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOADDLAYERLEFT_H
#define T2_UNDOADDLAYERLEFT_H

#include "MaterialLayer.h"
#include "T2_UndoTableViewBase.h"

/*! Inserts a new layer before layer \a index (to the left of the selected layer) and selects it;
    undo removes it again and selects the column left of it. */
class T2_UndoAddLayerLeft : public T2_UndoTableViewBase {
public:
    T2_UndoAddLayerLeft(EditorDocument &document, QTableWidget *table, const QString &description, int index,
                        const MaterialLayer &layer);

    void redo() override;
    void undo() override;

private:
    int m_index;
    MaterialLayer m_layer;
};

#endif // T2_UNDOADDLAYERLEFT_H
