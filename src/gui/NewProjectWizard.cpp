// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewProjectWizard.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "ConstructionDatabaseWidget.h"
#include "ConstructionList.h"
#include "Document.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "NewProjectWizardMaterialPage.h"
#include "ProjectInformationEditWidget.h"
#include "UserDialogs.h"

namespace {

const int NewProjectHelpTopic = 1;
// Width of the first layer made from a material, m.
const double FirstLayerWidth = 0.1;

} // namespace

NewProjectWizard::NewProjectWizard(Document &document, MaterialList &materials,
                                   ConstructionList &constructions, UserDialogs &dialogs, QWidget *parent)
    : QWizard(parent), m_document(document), m_materials(materials), m_constructions(constructions),
      m_dialogs(dialogs) {
    setObjectName(QStringLiteral("newProjectWizard"));
    setWindowTitle(tr("New Project Wizard"));

    auto *informationPage = new QWizardPage(this);
    informationPage->setObjectName(QStringLiteral("NewProjectWizardInformationPage"));
    informationPage->setTitle(tr("Project Information"));
    auto *text =
        new QLabel(tr("Please enter the information for this new project. You can change the default "
                      "project information in the preferences dialog."),
                   informationPage);
    text->setWordWrap(true);
    m_information = new ProjectInformationEditWidget(informationPage);
    m_information->setProjectInformation(document.projectInformation());
    auto *informationLayout = new QVBoxLayout(informationPage);
    informationLayout->addWidget(text);
    informationLayout->addWidget(m_information, 1);
    informationPage->resize(600, 400);
    setPage(InformationPage, informationPage);

    m_materialPage = new NewProjectWizardMaterialPage(materials, constructions, dialogs, this);
    setPage(MaterialPage, m_materialPage);
    connect(m_materialPage, &NewProjectWizardMaterialPage::chosenByDoubleClick, this, [this]() {
        if (m_materialPage->isComplete())
            accept();
    });

    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this]() { emit helpRequested(NewProjectHelpTopic); });

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect size = screen->geometry();
        resize(size.width() - 100, size.height() - 100);
        move(50, 50);
    }
}

bool NewProjectWizard::applyTemplate(const QString &fileName) {
    Document templ;
    QString errorMessage;
    if (!templ.readFile(fileName, errorMessage)) {
        m_dialogs.critical(this, tr("Project template"),
                           tr("The project template '%1' cannot be read.\n%2").arg(fileName, errorMessage));
        return false;
    }
    m_document.inputData() = templ.inputData();
    // The heat flow direction belongs to the construction: its air layers are calculated with it.
    m_document.projectInformation().HeatFlowDirection = templ.projectInformation().HeatFlowDirection;
    return true;
}

void NewProjectWizard::accept() {
    const ProjectInformation information = m_information->projectInformation();
    const QString templateFile = m_materialPage->templateFile();
    if (!templateFile.isEmpty()) {
        if (!applyTemplate(templateFile))
            return;
    } else {
        MaterialConstructionTabWidget *tabs = m_materialPage->tabWidget();
        QVector<MaterialLayer> &layers = m_document.inputData().layers();
        if (tabs->currentIndex() == MaterialConstructionTabWidget::ConstructionsTab) {
            const Construction construction = tabs->constructionsWidget()->selectedConstruction();
            if (construction.layers.isEmpty())
                return;
            layers = construction.layers;
        } else {
            const Material *material = m_materials.materialAt(tabs->materialsWidget()->selectedMaterial());
            if (material == nullptr || !m_materialPage->isComplete())
                return;
            layers.clear();
            layers.append(MaterialLayer(*material, FirstLayerWidth));
        }
    }
    const ::HeatFlowDirection direction = m_document.projectInformation().HeatFlowDirection;
    m_document.setProjectInformation(information);
    m_document.projectInformation().HeatFlowDirection = direction;
    QWizard::accept();
}

void NewProjectWizard::done(int result) {
    // Materials and constructions maintained on the way are kept like in the database dialog; a
    // failed write is logged and tried again when the program closes.
    MaterialConstructionTabWidget *tabs = m_materialPage->tabWidget();
    if (tabs->materialsWidget()->isChanged() && m_materials.writeUserData())
        tabs->materialsWidget()->setChanged(false);
    if (tabs->constructionsWidget()->isChanged() && m_constructions.write())
        tabs->constructionsWidget()->setChanged(false);
    QWizard::done(result);
}
