// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALDATABASEWIDGET_H
#define MATERIALDATABASEWIDGET_H

#include <QString>
#include <QWidget>

#include "Material.h"

class MaterialList;
class QAction;
class UserDialogs;

namespace VaDar {
class MaterialDatabaseSelectionWidget;
}

/*! The "Materials" tab of the database dialog: the material table with its filters, and the
    maintenance of the user materials (add, copy, edit, remove, import). Built-in materials are
    read-only; any material can be copied into the user materials and edited there.

    Materials are addressed by their index in the database. The widget changes the database it
    is handed; it never writes the user file (isChanged() tells the owner to). Materials are
    edited in the material dialog of the UserDialogs it is handed. */
class MaterialDatabaseWidget : public QWidget {
    Q_OBJECT
public:
    MaterialDatabaseWidget(MaterialList &materials, UserDialogs &dialogs, QWidget *parent = nullptr);

    /*! Where the import dialog starts. */
    void setImportDirectory(const QString &directory) { m_importDirectory = directory; }

    /*! Shows the database anew (it may have been changed elsewhere); the selected material stays
        selected when it still exists. */
    void reload();
    /*! The database index of the selected material, or -1. */
    int selectedMaterial() const;
    /*! Selects the material with database \a index, clearing the filters when they hide it. */
    void showMaterial(int index);
    /*! True when the user materials were changed since setChanged(false). */
    bool isChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    VaDar::MaterialDatabaseSelectionWidget *selectionWidget() const { return m_selection; }
    QAction *addMaterialAction() const { return m_actionAdd; }
    QAction *removeMaterialAction() const { return m_actionRemove; }
    QAction *copyMaterialAction() const { return m_actionCopy; }
    QAction *editMaterialAction() const { return m_actionEdit; }
    QAction *importMaterialsAction() const { return m_actionImport; }

signals:
    void materialSelected(int index);
    void doubleClicked(int index);
    void selectionChanged();
    void userMaterialsChanged();

public slots:
    void onMaterialSelected(int index);
    void on_actionAddMaterial_triggered();
    void on_actionRemoveMaterial_triggered();
    void on_actionEditMaterial_triggered();
    void on_actionCopyMaterial_triggered();
    void on_actionImportMaterials_triggered();

private:
    QAction *createAction(const char *objectName, const QString &text, const QString &toolTip);
    /*! Shows the database anew and selects visible row \a row (the last row past the end). */
    void reloadAndSelectRow(int row);
    void markChanged();

    MaterialList &m_materials;
    UserDialogs &m_dialogs;
    QString m_importDirectory;
    VaDar::MaterialDatabaseSelectionWidget *m_selection;
    QAction *m_actionAdd;
    QAction *m_actionRemove;
    QAction *m_actionCopy;
    QAction *m_actionEdit;
    QAction *m_actionImport;
    bool m_changed = false;
};

#endif // MATERIALDATABASEWIDGET_H
