// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoChangeMaterial.h"

#include "InputData.h"

T2_UndoChangeMaterial::T2_UndoChangeMaterial(EditorDocument &document, QTableWidget *table,
                                             const QString &description, int index, const Material &material)
    : T2_UndoTableViewBase(document, table, description), m_index(index), m_material(material) {
    if (!isValid() || index < 0 || index >= inputData().layerCount()) {
        setValid(false);
        return;
    }
    m_oldLayer = inputData().layer(index);
    MaterialLayer changed = m_oldLayer;
    changed.setMaterial(material);
    // Material equality leaves out the identity and the sd-value; either still makes a change.
    setValid(changed != m_oldLayer || changed.materialId != m_oldLayer.materialId ||
             changed.sd_value != m_oldLayer.sd_value);
}

void T2_UndoChangeMaterial::redo() {
    if (!hasDocument() || !inputData().setLayerMaterial(m_index, m_material))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}

void T2_UndoChangeMaterial::undo() {
    if (!hasDocument() || !inputData().setLayer(m_index, m_oldLayer))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}
