// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewProjectWizardMaterialPage.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ConstructionDatabaseWidget.h"
#include "Directories.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"

NewProjectWizardMaterialPage::NewProjectWizardMaterialPage(MaterialList &materials,
                                                           ConstructionList &constructions,
                                                           UserDialogs &dialogs, QWidget *parent)
    : QWizardPage(parent), m_materials(materials) {
    setObjectName(QStringLiteral("NewProjectWizardMaterialPage"));
    setTitle(tr("Select material for first layer"));

    m_templates = new QComboBox(this);
    m_templates->setObjectName(QStringLiteral("comboBoxTemplate"));
    auto *templateHint = new QLabel(
        tr("You can add your own projects as templates by copying the project files into the Templates "
           "subdirectory."),
        this);
    templateHint->setWordWrap(true);
    auto *hint =
        new QLabel(tr("Please select a material below. This material will be the first material layer "
                      "of your construction. You can choose any material now and add/move/delete "
                      "layers later as required."),
                   this);
    hint->setWordWrap(true);
    m_tabs = new MaterialConstructionTabWidget(materials, constructions, dialogs, this);
    m_tabs->setObjectName(QStringLiteral("materialConstructionTabWidget"));

    auto *templateRow = new QFormLayout;
    templateRow->addRow(tr("Project template:"), m_templates);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(templateRow);
    layout->addWidget(templateHint);
    layout->addSpacing(6);
    layout->addWidget(hint);
    layout->addWidget(m_tabs, 1);

    connect(m_templates, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &NewProjectWizardMaterialPage::templateChanged);
    connect(m_tabs, &QTabWidget::currentChanged, this, &QWizardPage::completeChanged);
    MaterialDatabaseWidget *materialsWidget = m_tabs->materialsWidget();
    ConstructionDatabaseWidget *constructionsWidget = m_tabs->constructionsWidget();
    connect(materialsWidget, &MaterialDatabaseWidget::selectionChanged, this, &QWizardPage::completeChanged);
    connect(constructionsWidget, &ConstructionDatabaseWidget::selectionChanged, this,
            &QWizardPage::completeChanged);
    connect(materialsWidget, &MaterialDatabaseWidget::doubleClicked, this,
            &NewProjectWizardMaterialPage::chosenByDoubleClick);
    connect(constructionsWidget, &ConstructionDatabaseWidget::doubleClicked, this,
            &NewProjectWizardMaterialPage::chosenByDoubleClick);

    setTemplateDirectories(defaultTemplateDirectories());
}

QStringList NewProjectWizardMaterialPage::defaultTemplateDirectories() {
    return {userDataDir() + QStringLiteral("/Templates"), resourcesDir() + QStringLiteral("/Templates")};
}

QStringList NewProjectWizardMaterialPage::templateFiles(const QStringList &directories) {
    QStringList files;
    for (const QString &directory : directories) {
        const QFileInfoList entries = QDir(directory).entryInfoList(
            {QStringLiteral("*.t2p")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &entry : entries)
            files << entry.absoluteFilePath();
    }
    return files;
}

void NewProjectWizardMaterialPage::setTemplateDirectories(const QStringList &directories) {
    m_templates->clear();
    m_templates->addItem(tr("New Project"));
    for (const QString &file : templateFiles(directories)) {
        m_templates->addItem(QFileInfo(file).completeBaseName(), file);
        m_templates->setItemData(m_templates->count() - 1, QDir::toNativeSeparators(file), Qt::ToolTipRole);
    }
    m_templates->setCurrentIndex(0);
}

QString NewProjectWizardMaterialPage::templateFile() const {
    return m_templates->currentData().toString();
}

void NewProjectWizardMaterialPage::templateChanged() {
    // A template brings its whole construction: nothing to choose below.
    m_tabs->setEnabled(m_templates->currentIndex() <= 0);
    emit completeChanged();
}

bool NewProjectWizardMaterialPage::isComplete() const {
    if (!templateFile().isEmpty())
        return true;
    if (m_tabs->currentIndex() == MaterialConstructionTabWidget::ConstructionsTab)
        return !m_tabs->constructionsWidget()->selectedConstruction().layers.isEmpty();
    const Material *material = m_materials.materialAt(m_tabs->materialsWidget()->selectedMaterial());
    // Without these two values the layer could not be calculated.
    return material != nullptr && material->lambda > 0 && material->mu > 0;
}
