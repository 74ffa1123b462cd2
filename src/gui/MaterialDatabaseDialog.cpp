// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialDatabaseDialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include "ConstructionDatabaseWidget.h"
#include "ConstructionList.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "UserDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"

namespace {

const int MaterialPropertiesHelpTopic = 2;

} // namespace

MaterialDatabaseDialog::MaterialDatabaseDialog(MaterialList &materials, ConstructionList &constructions,
                                               UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_materials(materials), m_constructions(constructions), m_dialogs(dialogs) {
    setWindowTitle(tr("Material/Construction Database"));
    m_tabs = new MaterialConstructionTabWidget(materials, constructions, dialogs, this);
    m_tabs->setObjectName(QStringLiteral("materialConstructionTabWidget"));
    m_buttons = new QDialogButtonBox(this);
    m_helpButton = new QPushButton(tr("Information about material properties"), this);
    m_helpButton->setObjectName(QStringLiteral("pushButtonHelp"));
    m_helpButton->setAutoDefault(false);
    connect(m_helpButton, &QPushButton::clicked, this,
            [this]() { emit helpRequested(MaterialPropertiesHelpTopic); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_helpButton);
    bottom->addStretch(1);
    bottom->addWidget(m_buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);

    MaterialDatabaseWidget *materialsWidget = m_tabs->materialsWidget();
    ConstructionDatabaseWidget *constructionsWidget = m_tabs->constructionsWidget();
    connect(m_tabs, &QTabWidget::currentChanged, this, &MaterialDatabaseDialog::updateButtons);
    connect(materialsWidget, &MaterialDatabaseWidget::selectionChanged, this,
            &MaterialDatabaseDialog::updateButtons);
    connect(constructionsWidget, &ConstructionDatabaseWidget::selectionChanged, this,
            &MaterialDatabaseDialog::updateButtons);
    connect(materialsWidget, &MaterialDatabaseWidget::doubleClicked, this,
            &MaterialDatabaseDialog::onMaterialDoubleClicked);
    connect(constructionsWidget, &ConstructionDatabaseWidget::doubleClicked, this,
            &MaterialDatabaseDialog::onConstructionDoubleClicked);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(qMax(900, available.width() * 2 / 3), qMax(600, available.height() * 2 / 3));
    }
    restoreLayout();
    setMode(EditMode);
}

void MaterialDatabaseDialog::setMode(Mode mode, bool constructionsAllowed) {
    m_mode = mode;
    m_constructionsAllowed = constructionsAllowed;
    m_buttons->clear();
    if (mode == SelectMode)
        m_buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    else
        m_buttons->setStandardButtons(QDialogButtonBox::Close);
    if (mode == SelectMode && !constructionsAllowed)
        m_tabs->setCurrentIndex(MaterialConstructionTabWidget::MaterialsTab);
    m_tabs->materialsWidget()->reload();
    m_tabs->constructionsWidget()->reload();
    updateButtons();
}

void MaterialDatabaseDialog::setCurrentConstruction(const QVector<MaterialLayer> &layers,
                                                    const QString &name) {
    m_tabs->constructionsWidget()->setCurrentConstruction(layers, name);
}

void MaterialDatabaseDialog::setImportDirectory(const QString &directory) {
    m_tabs->materialsWidget()->setImportDirectory(directory);
    m_tabs->constructionsWidget()->setImportDirectory(directory);
}

MaterialDatabaseDialog::Choice MaterialDatabaseDialog::currentChoice() const {
    if (m_tabs->currentIndex() == MaterialConstructionTabWidget::ConstructionsTab) {
        if (!m_constructionsAllowed)
            return NothingChosen;
        return m_tabs->constructionsWidget()->selectedConstruction().layers.isEmpty() ? NothingChosen
                                                                                      : ConstructionChosen;
    }
    const Material *material = m_materials.materialAt(m_tabs->materialsWidget()->selectedMaterial());
    // Without these two values the layer could not be calculated.
    if (material == nullptr || !(material->lambda > 0) || !(material->mu > 0))
        return NothingChosen;
    return MaterialChosen;
}

void MaterialDatabaseDialog::updateButtons() {
    if (QPushButton *ok = m_buttons->button(QDialogButtonBox::Ok))
        ok->setEnabled(currentChoice() != NothingChosen);
}

void MaterialDatabaseDialog::acceptChoice() {
    if (m_mode == SelectMode && currentChoice() != NothingChosen)
        accept();
}

void MaterialDatabaseDialog::onMaterialDoubleClicked(int index) {
    if (m_mode == SelectMode) {
        acceptChoice();
    } else if (m_materials.canEditAt(index)) {
        m_tabs->materialsWidget()->on_actionEditMaterial_triggered();
    }
}

void MaterialDatabaseDialog::onConstructionDoubleClicked(int row) {
    Q_UNUSED(row)
    if (m_mode == SelectMode)
        acceptChoice();
    else
        m_tabs->constructionsWidget()->on_actionEditConstruction_triggered();
}

void MaterialDatabaseDialog::done(int result) {
    m_choice = NothingChosen;
    m_selectedMaterial = Material();
    m_selectedConstruction = Construction();
    if (m_mode == SelectMode && result == Accepted) {
        m_choice = currentChoice();
        if (m_choice == MaterialChosen)
            m_selectedMaterial = *m_materials.materialAt(m_tabs->materialsWidget()->selectedMaterial());
        else if (m_choice == ConstructionChosen)
            m_selectedConstruction = m_tabs->constructionsWidget()->selectedConstruction();
    }
    saveDatabases();
    saveLayout();
    QDialog::done(result);
}

void MaterialDatabaseDialog::saveDatabases() {
    MaterialDatabaseWidget *materialsWidget = m_tabs->materialsWidget();
    if (materialsWidget->isChanged()) {
        if (m_materials.writeUserData())
            materialsWidget->setChanged(false);
        else
            m_dialogs.warning(this, tr("User material database"),
                              tr("The user materials could not be saved in '%1'. They are kept while the "
                                 "program runs and saved again when it closes.")
                                  .arg(m_materials.userFilePath()));
    }
    ConstructionDatabaseWidget *constructionsWidget = m_tabs->constructionsWidget();
    if (constructionsWidget->isChanged()) {
        if (m_constructions.write())
            constructionsWidget->setChanged(false);
        else
            m_dialogs.warning(this, tr("Construction database"),
                              tr("The constructions could not be saved in '%1'. They are kept while the "
                                 "program runs and saved again when it closes.")
                                  .arg(m_constructions.filePath()));
    }
}

void MaterialDatabaseDialog::saveLayout() const {
    QSettings settings(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    settings.beginGroup(QStringLiteral("MaterialDatabase"));
    m_tabs->materialsWidget()->selectionWidget()->saveColumnLayout(settings);
    settings.endGroup();
}

void MaterialDatabaseDialog::restoreLayout() {
    QSettings settings(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    settings.beginGroup(QStringLiteral("MaterialDatabase"));
    m_tabs->materialsWidget()->selectionWidget()->restoreColumnLayout(settings);
    settings.endGroup();
}
