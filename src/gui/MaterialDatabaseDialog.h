// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALDATABASEDIALOG_H
#define MATERIALDATABASEDIALOG_H

#include <QDialog>
#include <QVector>

#include "Construction.h"
#include "Material.h"

class ConstructionList;
class MaterialConstructionTabWidget;
class MaterialList;
class QDialogButtonBox;
class QPushButton;
class UserDialogs;

/*! "Material/Construction Database": browses the material and the construction database,
    picks a material or a stored construction for the project (select mode) and maintains the
    user materials and the stored constructions (both modes).

    The choice is handed back as a copy, never as a pointer into a database. When the dialog
    closes, the databases changed in it are written to their files. */
class MaterialDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    enum Mode {
        SelectMode, ///< OK and Cancel; a double click in either list accepts
        EditMode    ///< only Close: maintenance
    };
    /*! What the user chose (the numbers are the dialog results of the database browser). */
    enum Choice { MaterialChosen = 0, ConstructionChosen = 1, NothingChosen = 2 };

    MaterialDatabaseDialog(MaterialList &materials, ConstructionList &constructions, UserDialogs &dialogs,
                           QWidget *parent = nullptr);

    /*! Sets the dialog up for its next run and shows the databases anew (they may have been
        changed elsewhere). Select mode: OK needs a usable choice; with \a constructionsAllowed
        false only a material can be chosen, and the Materials tab is shown (the Constructions tab
        can still be browsed and maintained). */
    void setMode(Mode mode, bool constructionsAllowed = true);
    Mode mode() const { return m_mode; }
    /*! The layers of the open project ("Add construction" stores them, offering \a name);
        empty without one. */
    void setCurrentConstruction(const QVector<MaterialLayer> &layers, const QString &name = QString());
    /*! Where the import dialogs start. */
    void setImportDirectory(const QString &directory);

    /*! What the dialog's current state offers: a selected material with a thermal conductivity
        and a vapour diffusion resistance above 0 on the Materials tab, a selected construction
        with layers on the Constructions tab (when allowed); NothingChosen otherwise. */
    Choice currentChoice() const;
    /*! After the dialog closed: currentChoice() when it was accepted, NothingChosen otherwise. */
    Choice choice() const { return m_choice; }
    /*! Copies of what was chosen (a default material or an empty construction otherwise). */
    const Material &selectedMaterial() const { return m_selectedMaterial; }
    const Construction &selectedConstruction() const { return m_selectedConstruction; }

    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }

signals:
    /*! The help on material properties is asked for. */
    void helpRequested(int topic);

public slots:
    void done(int result) override;

private slots:
    void updateButtons();
    void onMaterialDoubleClicked(int index);
    void onConstructionDoubleClicked(int row);

private:
    /*! Accepts in select mode when the dialog offers a choice. */
    void acceptChoice();
    /*! Writes the databases changed since the last write; tells the user when one cannot be saved. */
    void saveDatabases();
    void saveLayout() const;
    void restoreLayout();

    MaterialList &m_materials;
    ConstructionList &m_constructions;
    UserDialogs &m_dialogs;
    MaterialConstructionTabWidget *m_tabs;
    QDialogButtonBox *m_buttons;
    QPushButton *m_helpButton;
    Mode m_mode = EditMode;
    bool m_constructionsAllowed = true;
    Choice m_choice = NothingChosen;
    Material m_selectedMaterial;
    Construction m_selectedConstruction;
};

#endif // MATERIALDATABASEDIALOG_H
