// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialDatabaseWidget.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "MaterialList.h"
#include "UserDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"

MaterialDatabaseWidget::MaterialDatabaseWidget(MaterialList &materials, UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_materials(materials), m_dialogs(dialogs), m_importDirectory(QDir::homePath()) {
    m_selection = new VaDar::MaterialDatabaseSelectionWidget(this);
    m_selection->setObjectName(QStringLiteral("materialDatabaseSelectionWidget"));

    m_actionAdd = createAction("actionAddMaterial", tr("Add"), tr("Add a new user defined material"));
    m_actionRemove = createAction("actionRemoveMaterial", tr("Remove"), tr("Removes user defined material"));
    m_actionCopy = createAction("actionCopyMaterial", tr("Copy"),
                                tr("Copy the selected material into the user materials"));
    m_actionEdit = createAction("actionEditMaterial", tr("Edit"), tr("Edit user defined material"));
    m_actionImport = createAction("actionImportMaterials", tr("Import"),
                                  tr("Add the materials of a material file to the user materials"));

    auto *buttons = new QHBoxLayout;
    for (QAction *action : {m_actionAdd, m_actionRemove, m_actionCopy, m_actionEdit, m_actionImport}) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String("toolButton") + action->objectName().mid(6));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setMinimumWidth(80);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_selection, 1);
    layout->addLayout(buttons);

    connect(m_selection, &VaDar::MaterialDatabaseSelectionWidget::materialSelected, this,
            &MaterialDatabaseWidget::onMaterialSelected);
    connect(m_selection, &VaDar::MaterialDatabaseSelectionWidget::doubleClickMaterials, this,
            &MaterialDatabaseWidget::doubleClicked);
    QMetaObject::connectSlotsByName(this);

    reload();
}

QAction *MaterialDatabaseWidget::createAction(const char *objectName, const QString &text,
                                              const QString &toolTip) {
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(toolTip);
    return action;
}

void MaterialDatabaseWidget::reload() {
    const int selected = selectedMaterial();
    m_selection->setMaterials(m_materials.builtInMaterials(), m_materials.userMaterials());
    m_selection->selectMaterial(selected);
    onMaterialSelected(m_selection->selectedMaterial());
}

void MaterialDatabaseWidget::reloadAndSelectRow(int row) {
    m_selection->setMaterials(m_materials.builtInMaterials(), m_materials.userMaterials());
    m_selection->selectRow(row);
    onMaterialSelected(m_selection->selectedMaterial());
}

int MaterialDatabaseWidget::selectedMaterial() const {
    return m_selection->selectedMaterial();
}

void MaterialDatabaseWidget::showMaterial(int index) {
    if (!m_selection->selectMaterial(index)) {
        m_selection->clearFilters();
        m_selection->selectMaterial(index);
    }
}

void MaterialDatabaseWidget::onMaterialSelected(int index) {
    m_actionRemove->setEnabled(m_materials.canRemoveAt(index));
    m_actionEdit->setEnabled(m_materials.canEditAt(index));
    m_actionCopy->setEnabled(m_materials.canCopyAt(index));
    emit materialSelected(index);
    emit selectionChanged();
}

void MaterialDatabaseWidget::markChanged() {
    m_changed = true;
    emit userMaterialsChanged();
}

void MaterialDatabaseWidget::on_actionAddMaterial_triggered() {
    Material material;
    material.color = Material::randomColor();
    if (!m_dialogs.editMaterial(this, tr("Add a new user defined material"), material) || !material.isValid())
        return;
    m_materials.addUserMaterial(material);
    reload();
    showMaterial(m_materials.count() - 1);
    markChanged();
}

void MaterialDatabaseWidget::on_actionCopyMaterial_triggered() {
    const int index = selectedMaterial();
    if (!m_materials.canCopyAt(index))
        return;
    Material material = m_materials.copyForUser(index);
    if (!m_dialogs.editMaterial(this, tr("Copy material"), material) || !material.isValid())
        return;
    m_materials.addUserMaterial(material);
    reload();
    showMaterial(m_materials.count() - 1);
    markChanged();
}

void MaterialDatabaseWidget::on_actionEditMaterial_triggered() {
    const int index = selectedMaterial();
    if (!m_materials.canEditAt(index))
        return;
    Material material = *m_materials.materialAt(index);
    if (!m_dialogs.editMaterial(this, tr("Edit user defined material"), material) || !material.isValid())
        return;
    m_materials.replaceUserMaterialAt(index, material);
    reload();
    showMaterial(index);
    markChanged();
}

void MaterialDatabaseWidget::on_actionRemoveMaterial_triggered() {
    const int index = selectedMaterial();
    if (!m_materials.canRemoveAt(index))
        return;
    // The row, not the material, stays selected: the next one moves up into it, and after the
    // last row the new last row is selected.
    const int row = m_selection->selectedRow();
    m_materials.removeUserMaterialAt(index);
    reloadAndSelectRow(row);
    markChanged();
}

void MaterialDatabaseWidget::on_actionImportMaterials_triggered() {
    const QString path =
        m_dialogs.openFileName(this, tr("Select file with user material database."), m_importDirectory,
                               tr("Database for Tavo 1.9 (*.txt)") + tr(";;Database for Tavo 2.0 (*.tmat)"));
    if (path.isEmpty())
        return;
    const MaterialList::ImportResult result = m_materials.importUserMaterials(path);
    if (result.added > 0) {
        reload();
        markChanged();
        m_dialogs.information(this, tr("Materials added."), result.message);
    } else {
        m_dialogs.warning(this, tr("Material read error."), result.message);
    }
}
