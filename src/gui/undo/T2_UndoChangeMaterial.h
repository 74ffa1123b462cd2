// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOCHANGEMATERIAL_H
#define T2_UNDOCHANGEMATERIAL_H

#include "Material.h"
#include "MaterialLayer.h"
#include "T2_UndoTableViewBase.h"

/*! Gives layer \a index another material and keeps its width (a material with an sd-value sets
    the width itself); undo restores the layer as it was. Selects the layer both ways. Invalid
    when the layer would not change. */
class T2_UndoChangeMaterial : public T2_UndoTableViewBase {
public:
    T2_UndoChangeMaterial(EditorDocument &document, QTableWidget *table, const QString &description,
                          int index, const Material &material);

    void redo() override;
    void undo() override;

private:
    int m_index;
    Material m_material;
    MaterialLayer m_oldLayer; ///< owned copy of the layer before the change
};

#endif // T2_UNDOCHANGEMATERIAL_H
