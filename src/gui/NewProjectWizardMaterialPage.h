// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NEWPROJECTWIZARDMATERIALPAGE_H
#define NEWPROJECTWIZARDMATERIALPAGE_H

#include <QStringList>
#include <QWizardPage>

class ConstructionList;
class MaterialConstructionTabWidget;
class MaterialList;
class QComboBox;
class QLabel;
class UserDialogs;

/*! The second page of the new-project wizard: a project template, or the material of the first
    layer, or a stored construction to start from. */
class NewProjectWizardMaterialPage : public QWizardPage {
    Q_OBJECT
public:
    NewProjectWizardMaterialPage(MaterialList &materials, ConstructionList &constructions,
                                 UserDialogs &dialogs, QWidget *parent = nullptr);

    /*! The folders searched for project templates: "Templates" in the user data directory and in
        the resources. */
    static QStringList defaultTemplateDirectories();
    /*! The project files ("*.t2p") in \a directories, each folder sorted by name. */
    static QStringList templateFiles(const QStringList &directories);
    /*! Lists the templates of \a directories after the entry "New Project". */
    void setTemplateDirectories(const QStringList &directories);

    /*! The file of the chosen template; empty for "New Project". */
    QString templateFile() const;
    /*! Complete with a template, a usable material on the Materials tab (thermal conductivity
        and vapour diffusion resistance above 0) or a construction with layers on the
        Constructions tab. */
    bool isComplete() const override;

    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }
    QComboBox *templateComboBox() const { return m_templates; }

signals:
    /*! A double click on a material or a construction. */
    void chosenByDoubleClick();

private slots:
    void templateChanged();

private:
    MaterialList &m_materials;
    QComboBox *m_templates;
    MaterialConstructionTabWidget *m_tabs;
};

#endif // NEWPROJECTWIZARDMATERIALPAGE_H
