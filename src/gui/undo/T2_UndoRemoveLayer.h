// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOREMOVELAYER_H
#define T2_UNDOREMOVELAYER_H

#include "MaterialLayer.h"
#include "T2_UndoTableViewBase.h"

/*! Removes layer \a index and selects the column left of it; undo puts the copy taken at
    construction back and selects it. The last layer of a construction is never removed. */
class T2_UndoRemoveLayer : public T2_UndoTableViewBase {
public:
    T2_UndoRemoveLayer(EditorDocument &document, QTableWidget *table, const QString &description, int index);

    void redo() override;
    void undo() override;

private:
    int m_index;
    MaterialLayer m_layer; ///< owned copy of the removed layer
};

#endif // T2_UNDOREMOVELAYER_H
