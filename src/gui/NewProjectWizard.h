// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NEWPROJECTWIZARD_H
#define NEWPROJECTWIZARD_H

#include <QWizard>

class ConstructionList;
class Document;
class MaterialList;
class NewProjectWizardMaterialPage;
class ProjectInformationEditWidget;
class UserDialogs;

/*! "New Project Wizard": the project information of a new project, then its first layer, a
    stored construction or a project template. Finishing fills the document it was handed; the
    caller makes it the open project. */
class NewProjectWizard : public QWizard {
    Q_OBJECT
public:
    enum Page { InformationPage = 0, MaterialPage = 1 };

    /*! \a document holds the new project as prepared from the settings (its project information
        is shown on the first page); it must outlive the wizard. */
    NewProjectWizard(Document &document, MaterialList &materials, ConstructionList &constructions,
                     UserDialogs &dialogs, QWidget *parent = nullptr);

    ProjectInformationEditWidget *informationWidget() const { return m_information; }
    NewProjectWizardMaterialPage *materialPage() const { return m_materialPage; }

signals:
    /*! F1: the help on new projects is asked for. */
    void helpRequested(int topic);

public slots:
    /*! Fills the document from the pages and closes the wizard; stays open when the template
        cannot be read. */
    void accept() override;
    void done(int result) override;

private:
    /*! The construction and climate of the template file into the document. */
    bool applyTemplate(const QString &fileName);

    Document &m_document;
    MaterialList &m_materials;
    ConstructionList &m_constructions;
    UserDialogs &m_dialogs;
    ProjectInformationEditWidget *m_information;
    NewProjectWizardMaterialPage *m_materialPage;
};

#endif // NEWPROJECTWIZARD_H
