// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QSplashScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

#include "AssessmentClimateWidget.h"
#include "ConfigDialog.h"
#include "ConstructionList.h"
#include "ConstructionSketchDock.h"
#include "ConstructionTableWidget.h"
#include "CurrentLanguage.h"
#include "DiagramView.h"
#include "Directories.h"
#include "Document.h"
#include "EditorDocument.h"
#include "MaterialEditWidget.h"
#include "MaterialList.h"
#include "NewProjectWizard.h"
#include "ProgramInfo.h"
#include "ProjectInformationEditDialog.h"
#include "Report.h"
#include "ReportPreview.h"
#include "Settings.h"
#include "StandardUserDialogs.h"
#include "T2_ResultsWidget.h"
#include "T2_UndoAddConstructionLeft.h"
#include "T2_UndoAddConstructionRight.h"
#include "T2_UndoAddLayerLeft.h"
#include "T2_UndoAddLayerRight.h"
#include "T2_UndoChangeMaterial.h"
#include "T2_UndoHeatFlowDirection.h"
#include "T2_UndoMoveLayerLeft.h"
#include "T2_UndoMoveLayerRight.h"
#include "T2_UndoRemoveLayer.h"
#include "VaDar_TextFrame.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_MessageStream.h"

namespace {

const char *const ProgramName = ProgramInfo::Name;
const char *const ProjectExtension = "t2p";

const int MaterialEditorPage = 0;
const int ClimateEditorPage = 1;

// Width of a new layer, m.
const double NewLayerWidth = 0.1;
// How long a note stays in the status bar, ms.
const int StatusMessageTimeout = 5000;

} // namespace

MainWindow::MainWindow(EditorDocument &document, QSplashScreen *splashScreen, QWidget *parent,
                       std::unique_ptr<UserDialogs> dialogs)
    : QMainWindow(parent), m_ui(new Ui::MainWindow), m_document(document), m_settings(Settings::instance()),
      m_dialogs(std::move(dialogs)), m_splashScreen(splashScreen) {
    if (!m_dialogs)
        m_dialogs = std::make_unique<StandardUserDialogs>();
    m_ui->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramName));

    paintSplashTagline();

    setupEditorPages();
    setupActions();
    setupConstructionSketch();

    connect(&m_document, &EditorDocument::modified, this, &MainWindow::updateUi);
    connect(&m_document, &EditorDocument::savedStateReached, this, &MainWindow::updateTitleAndActions);
    connect(m_ui->tableWidgetConstruction, &QTableWidget::currentCellChanged, this,
            &MainWindow::constructionTableColumnChanged);
    connect(m_ui->tableWidgetConstruction, &QTableWidget::doubleClicked, this,
            &MainWindow::tableViewDoubleClicked);
    connect(m_ui->tableWidgetConstruction, &QWidget::customContextMenuRequested, this,
            &MainWindow::customContextMenu);
    connect(m_ui->widgetResults, &T2_ResultsWidget::linkActivated, this, &MainWindow::resultsLinkClicked);

    updateRecentProjectsMenu();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        resize(available.width() / 3 * 2, available.height() / 3 * 2);
        move(available.center() - rect().center());
    }

    startProject();
    reportUnreadableUserMaterials();

    // The splash stays on top for about five and a half seconds after start.
    QTimer::singleShot(500, this,
                       [this]() { QTimer::singleShot(10, this, &MainWindow::updateSplashScreen); });
}

void MainWindow::reportUnreadableUserMaterials() {
    // The damaged file is kept and never written back; the user learns it once the window is up.
    if (!MaterialList::hasInstance())
        return;
    const QString problem = MaterialList::instance().readProblem();
    if (!problem.isEmpty())
        QTimer::singleShot(
            0, this, [this, problem]() { m_dialogs->warning(this, tr("User material database"), problem); });
}

MainWindow::~MainWindow() {
    delete m_splashScreen.data();
    delete m_ui;
}

// --- construction of the window ---------------------------------------------------------

void MainWindow::paintSplashTagline() {
    if (!m_splashScreen)
        return;
    QPixmap pixmap = m_splashScreen->pixmap();
    if (pixmap.isNull())
        return;
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        VaDar::TextFrame tagline;
        tagline.setText(
            tr("A software for hygrothermal evaluation of building envelope systems").toHtmlEscaped());
        tagline.setTextColor(QColor(191, 191, 207));
        tagline.drawFrame(&painter, QPointF(35, 85), 300);
    }
    m_splashScreen->setPixmap(pixmap);
    QApplication::processEvents();
}

void MainWindow::setupEditorPages() {
    // The form's placeholder page goes; page 0 edits a layer, page 1 a climate side.
    QStackedWidget *stack = m_ui->stackedWidgetClimateMaterial;
    QWidget *placeholder = m_ui->page;
    stack->removeWidget(placeholder);
    delete placeholder;
    m_ui->page = nullptr;
    m_materialEditor = new MaterialEditWidget(m_document, stack);
    m_materialEditor->setObjectName(QStringLiteral("materialEditor"));
    m_climateEditor = new AssessmentClimateWidget(m_document, stack);
    m_climateEditor->setObjectName(QStringLiteral("climateEditor"));
    stack->insertWidget(MaterialEditorPage, m_materialEditor);
    stack->insertWidget(ClimateEditorPage, m_climateEditor);
    // Why a typed value was refused is told beside the field and in the status bar.
    const auto showStatus = [this](const QString &message) {
        statusBar()->showMessage(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                                 StatusMessageTimeout);
    };
    connect(m_materialEditor, &MaterialEditWidget::statusMessage, this, showStatus);
    connect(m_climateEditor, &AssessmentClimateWidget::statusMessage, this, showStatus);
}

void MainWindow::setupActions() {
    // Icons that are not (yet) part of the program's resources are left out, so the tool
    // buttons show their icon texts instead of empty squares.
    const auto setIcon = [](QAction *action, const QString &path) {
        if (QFile::exists(path))
            action->setIcon(QIcon(path));
    };
    QStyle *style = this->style();
    m_ui->actionNew->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    m_ui->actionOpen->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    m_ui->actionSave->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    setIcon(m_ui->actionNew, QStringLiteral(":/icons/new.png"));
    setIcon(m_ui->actionOpen, QStringLiteral(":/icons/open.png"));
    setIcon(m_ui->actionSave, QStringLiteral(":/icons/save.png"));
    setIcon(m_ui->actionPrint, QStringLiteral(":/icons/print.png"));
    setIcon(m_ui->actionPreferences, QStringLiteral(":/icons/16-advanced-settings_24x24.png"));
    setIcon(m_ui->actionToggleGlaser, QStringLiteral(":/icons/14_Feuchtefeld-anz_verst_32x32.png"));
    setIcon(m_ui->actionUseHashes, QStringLiteral(":/icons/12_Schraffur-anz_verst_32x32.png"));
    setIcon(m_ui->actionSelectMaterial, QStringLiteral(":/icons/02_Material-zuweisen_32x32.png"));
    setIcon(m_ui->actionEditMaterialDatabase, QStringLiteral(":/icons/03_MaterialList_enabled.png"));
    setIcon(m_ui->actionAddLeft, QStringLiteral(":/icons/03_Schicht-links-einfuegen_32x32.png"));
    setIcon(m_ui->actionAddRight, QStringLiteral(":/icons/04_Schicht-rechts-einfuegen_32x32.png"));
    setIcon(m_ui->actionRemoveLayer, QStringLiteral(":/icons/07_Schicht-entfernen_32x32.png"));
    setIcon(m_ui->actionMoveLeft, QStringLiteral(":/icons/05_Schicht-nach-links-verschieben_32x32.png"));
    setIcon(m_ui->actionMoveRight, QStringLiteral(":/icons/06_Schicht-nach-rechts-verschieben_32x32.png"));
    setIcon(m_ui->actionReport, QStringLiteral(":/icons/01_Druck-Vorschau_32x32.png"));
    setIcon(m_ui->actionEditProjectInformation, QStringLiteral(":/icons/09_Projektinf-bearbeiten_32x32.png"));
    setIcon(m_ui->actionCopySketch, QStringLiteral(":/icons/19_Copy_32x32.png"));
    setIcon(m_ui->actionExportSketch, QStringLiteral(":/icons/20_Export_32x32.png"));
    setIcon(m_ui->actionHeatFlowUp, QStringLiteral(":/icons/20_WarmCeiling_32x32.png"));
    setIcon(m_ui->actionHorizontalHeatFlow, QStringLiteral(":/icons/19_WarmWall_32x32.png"));
    setIcon(m_ui->actionHeatFlowDown, QStringLiteral(":/icons/21_WarmFloor_32x32.png"));
    setIcon(m_ui->actionHelpHeatFlowDirections, QStringLiteral(":/icons/09_Projektinf-bearbeiten_24x24.png"));
    setIcon(m_ui->actionAddMaterialToUserDatabase, QStringLiteral(":/icons/03_AddMaterial_enabled.png"));

    m_ui->actionAbout->setText(tr("About %1 ...").arg(QString::fromLatin1(ProgramName)));
    m_ui->actionUseHashes->setVisible(false);
    m_ui->actionQtConfig->setVisible(false);

    // Undo and redo of the one undo history of the process.
    QUndoStack *stack = m_document.undoStack();
    QAction *undo = stack->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    setIcon(undo, QStringLiteral(":/icons/editundo.png"));
    QAction *redo = stack->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    setIcon(redo, QStringLiteral(":/icons/editredo.png"));
    m_ui->menuEdit->insertActions(m_ui->actionEditProjectInformation, {undo, redo});
    m_ui->menuEdit->insertSeparator(m_ui->actionEditProjectInformation);
    m_ui->toolBarMain->insertActions(m_ui->actionSelectMaterial, {undo, redo});
    m_ui->toolBarMain->insertSeparator(m_ui->actionSelectMaterial);

    QAction *toggleMain = m_ui->toolBarMain->toggleViewAction();
    toggleMain->setText(tr("Show/hide main toolbar"));
    toggleMain->setToolTip(tr("Shows/hides the main toolbar"));
    QAction *toggleDiagram = m_ui->toolBarDiagram->toggleViewAction();
    toggleDiagram->setText(tr("Show/hide diagram toolbar"));
    toggleDiagram->setToolTip(tr("Shows/hides the diagram toolbar"));
    m_ui->menuView->insertActions(m_ui->actionToggleGlaser, {toggleMain, toggleDiagram});

    m_heatFlowActionGroup = new QActionGroup(this);
    m_heatFlowActionGroup->setExclusive(true);
    m_ui->actionHeatFlowDown->setData(int(HeatFlowDirection::Downwards));
    m_ui->actionHorizontalHeatFlow->setData(int(HeatFlowDirection::Horizontal));
    m_ui->actionHeatFlowUp->setData(int(HeatFlowDirection::Upwards));
    m_heatFlowActionGroup->addAction(m_ui->actionHeatFlowDown);
    m_heatFlowActionGroup->addAction(m_ui->actionHorizontalHeatFlow);
    m_heatFlowActionGroup->addAction(m_ui->actionHeatFlowUp);
    connect(m_heatFlowActionGroup, &QActionGroup::triggered, this, &MainWindow::onHeatFlowDirectionTriggerd);

    setupUnavailableActions();

    m_recentProjectsMenu = new QMenu(this);
    m_recentProjectsMenu->setObjectName(QStringLiteral("menuRecentProjects"));

    addLanguageAction(QStringLiteral("en"), QStringLiteral("English"));
    addLanguageAction(QStringLiteral("de"), QStringLiteral("Deutsch"));
    addLanguageAction(QStringLiteral("pl"), QStringLiteral("Polski"));
}

void MainWindow::setupConstructionSketch() {
    m_sketchDock = new ConstructionSketchDock(this);
    m_sketchDock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::BottomDockWidgetArea, m_sketchDock);
    m_ui->menuView->insertAction(m_ui->actionToggleGlaser, m_sketchDock->toggleViewAction());
    m_ui->menuView->insertSeparator(m_ui->actionToggleGlaser);
    // The drawing and the table show the same selection.
    connect(m_sketchDock, &ConstructionSketchDock::layerSelected, this, [this](int index) {
        if (index >= 0 && index + 1 < m_ui->tableWidgetConstruction->columnCount() - 1)
            m_ui->tableWidgetConstruction->setCurrentCell(0, index + 1);
    });
    connect(m_sketchDock, &ConstructionSketchDock::assignMaterial, this, &MainWindow::changeMaterial);
    connect(m_sketchDock, &ConstructionSketchDock::insertLayer, this, &MainWindow::addLayer);
    connect(m_sketchDock, &ConstructionSketchDock::moveLayer, this, &MainWindow::moveLayer);
    connect(m_sketchDock, &ConstructionSketchDock::removeLayer, this, &MainWindow::removeLayer);
}

void MainWindow::setupUnavailableActions() {
    // Every action of the window works at present; features still to come are listed here.
    m_unavailableActions = {};
    for (QAction *action : qAsConst(m_unavailableActions))
        action->setToolTip(tr("%1 (not available in this version yet)").arg(action->toolTip()));
    disableUnavailableActions();
}

void MainWindow::disableUnavailableActions() {
    for (QAction *action : qAsConst(m_unavailableActions))
        action->setEnabled(false);
}

void MainWindow::addLanguageAction(const QString &languageId, const QString &languageName) {
    const QString catalogue =
        QStringLiteral("%1/%2_%3.qm").arg(translationsDir(), QStringLiteral("Tavo2"), languageId);
    if (languageId != QLatin1String("en") && !QFile::exists(catalogue)) {
        ZMT::MessageStream log(ZMT::MSG_WARNING, "MainWindow::addLanguageAction", -1);
        log << "Language file '" << catalogue.toStdString() << "' missing." << ZMT::endl;
        return;
    }
    QAction *action = new QAction(languageName, this);
    action->setData(languageId);
    connect(action, &QAction::triggered, this, &MainWindow::actionLanguange_triggered);
    m_ui->menuApplicationLanguage->addAction(action);
}

void MainWindow::startProject() {
    if (!m_settings.m_initialProjectFile.isEmpty() && m_settings.m_defaultRestartMode == 1) {
        resetForNewProject();
        loadProject(m_settings.m_initialProjectFile);
    } else {
        updateTitleAndActions();
    }
}

// --- lifecycle ----------------------------------------------------------------------------

QString MainWindow::projectFileName(const QString &name) {
    const QString extension = QLatin1Char('.') + QLatin1String(ProjectExtension);
    if (name.endsWith(extension))
        return name;
    return name + extension;
}

void MainWindow::closeProject() {
    m_document.closeDocument();
    updateTitleAndActions();
}

bool MainWindow::askSaveBeforeClose() {
    if (m_document.hasDocument() && m_document.isModified()) {
        const QMessageBox::StandardButton answer =
            m_dialogs->question(this, tr("Save project before closing"),
                                tr("Would you like to save the project before closing it?"),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Save) {
            if (!m_document.fileName().isEmpty()) {
                if (!saveProject(m_document.fileName()))
                    return false;
            } else if (saveProjectAs() != SaveSucceeded) {
                return false;
            }
        } else if (answer != QMessageBox::Discard) {
            return false;
        }
    }
    closeProject();
    return true;
}

void MainWindow::resetForNewProject() {
    m_document.newDocument();
    m_settings.m_lastProjectFile.clear();
}

bool MainWindow::loadProject(const QString &fileName) {
    QString errorMessage;
    if (!m_document.read(fileName, errorMessage)) {
        closeProject();
        m_dialogs->critical(this, tr("Error loading project file"), errorMessage);
        return false;
    }
    addToRecentProjects(fileName);
    updateTitleAndActions();
    return true;
}

void MainWindow::addToRecentProjects(const QString &fileName) {
    m_settings.m_recentProjects.removeOne(fileName);
    m_settings.m_recentProjects.prepend(fileName);
    m_settings.m_lastProjectFile = fileName;
    updateRecentProjectsMenu();
}

bool MainWindow::saveProject(const QString &fileName) {
    const QString name = projectFileName(fileName);
    if (!m_document.save(name)) {
        m_dialogs->critical(this, tr("Error #3: Saving failed"), tr("Error while saving project file!"));
        return false;
    }
    addToRecentProjects(name);
    updateTitleAndActions();
    m_settings.m_lastProjectFile = name;
    return true;
}

MainWindow::SaveResult MainWindow::saveProjectAs() {
    const QString fileName = m_dialogs->saveFileName(
        this, tr("Specify %1 project file").arg(QString::fromLatin1(ProgramName)), projectDialogDirectory(),
        tr("%2 project (*.%1)").arg(QString::fromLatin1(ProjectExtension), QString::fromLatin1(ProgramName)));
    if (fileName.isEmpty())
        return SaveCancelled;
    return saveProject(fileName) ? SaveSucceeded : SaveFailed;
}

QString MainWindow::projectDialogDirectory() const {
    const QString &last = m_settings.m_lastProjectFile;
    if (last.isEmpty())
        return QDir::toNativeSeparators(QDir::homePath());
    return QDir().filePath(last);
}

void MainWindow::on_actionNew_triggered() {
    if (!askSaveBeforeClose())
        return;
    updateTitleAndActions();
    Document document;
    document.setProjectInformation(m_settings.m_defaultProjectInformation);
    NewProjectWizard wizard(document, MaterialList::instance(), ConstructionList::instance(), *m_dialogs,
                            this);
    connect(&wizard, &NewProjectWizard::helpRequested, this, &MainWindow::showHelp);
    if (m_dialogs->runDialog(wizard) != QDialog::Accepted)
        return;
    resetReportSettingsForNewProject();
    resetForNewProject();
    m_document.setDocument(document);
}

void MainWindow::on_actionPreferences_triggered() {
    ConfigDialog dialog(m_settings, *m_dialogs, this);
    connect(&dialog, &ConfigDialog::helpRequested, this, &MainWindow::showHelp);
    if (m_dialogs->runDialog(dialog) == QDialog::Accepted && m_document.hasDocument())
        updateUi(Project::ModificationType::Display);
}

void MainWindow::on_actionEditProjectInformation_triggered() {
    if (!m_document.hasDocument())
        return;
    ProjectInformationEditDialog dialog(m_document, this);
    m_dialogs->runDialog(dialog);
}

void MainWindow::on_actionOpen_triggered() {
    const QString program = QString::fromLatin1(ProgramName);
    const QString filter =
        tr("%1 Projects (*.%2)").arg(program, QString::fromLatin1(ProjectExtension)) +
        tr(";;%1 Projects (*.%2);;All files (*.*)").arg(QStringLiteral("TAVO 1"), QStringLiteral("tpj"));
    const QString fileName = m_dialogs->openFileName(this, tr("Select %1 project file").arg(program),
                                                     projectDialogDirectory(), filter);
    if (fileName.isEmpty())
        return;
    if (!QFileInfo::exists(fileName)) {
        m_dialogs->critical(this, tr("Error #4: File not found"),
                            tr("The file '%1' cannot be found or does not exist.").arg(fileName));
        return;
    }
    if (!askSaveBeforeClose())
        return;
    resetForNewProject();
    loadProject(fileName);
}

void MainWindow::on_actionSave_triggered() {
    const QString &fileName = m_document.fileName();
    if (fileName.isEmpty())
        saveProjectAs();
    else
        saveProject(fileName);
}

void MainWindow::on_actionSaveAs_triggered() {
    saveProjectAs();
}

void MainWindow::on_actionQuit_triggered() {
    close();
}

void MainWindow::actionOpenRecentFile() {
    const QAction *action = qobject_cast<const QAction *>(sender());
    if (action == nullptr)
        return;
    const QString fileName = action->data().toString();
    if (QFileInfo::exists(fileName)) {
        if (!askSaveBeforeClose())
            return;
        resetForNewProject();
        loadProject(fileName);
        return;
    }
    const QMessageBox::StandardButton answer =
        m_dialogs->critical(this, tr("Error #5: File not found"),
                            tr("The file '%1' cannot be found or does not exist.\n%2")
                                .arg(fileName, tr("Remove this file from list?")),
                            QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_settings.m_recentProjects.removeOne(fileName);
    updateRecentProjectsMenu();
}

void MainWindow::updateRecentProjectsMenu() {
    qDeleteAll(m_recentFileActions);
    m_recentFileActions.clear();
    const QStringList &recent = m_settings.m_recentProjects;
    QAction *recentAction = m_ui->actionRecentProjects;
    if (recent.isEmpty()) {
        recentAction->setEnabled(false);
        recentAction->setMenu(nullptr);
        return;
    }
    recentAction->setEnabled(true);
    recentAction->setMenu(m_recentProjectsMenu);
    for (const QString &fileName : recent) {
        QAction *action = new QAction(fileName, this);
        action->setData(fileName);
        connect(action, &QAction::triggered, this, &MainWindow::actionOpenRecentFile);
        m_recentProjectsMenu->addAction(action);
        m_recentFileActions.append(action);
    }
}

void MainWindow::closeEvent(QCloseEvent *event) {
    m_settings.m_lastProjectFile = m_document.hasDocument() ? m_document.fileName() : QString();
    m_settings.write();
    if (!askSaveBeforeClose()) {
        event->ignore();
        return;
    }
    // Saving on the way out may have changed the recent list and the last project file.
    m_settings.write();
    // The user's own materials and constructions are kept in their files, like the preferences.
    if (MaterialList::hasInstance())
        MaterialList::instance().writeUserData();
    if (ConstructionList::hasInstance())
        ConstructionList::instance().write();
    event->accept();
}

// --- refresh ------------------------------------------------------------------------------

void MainWindow::updateUi(Project::ModificationType modType) {
    const Document *document = m_document.document();
    if (document != nullptr &&
        (modType == Project::ModificationType::InputData || modType == Project::ModificationType::Display))
        m_ui->diagramView->setData(document->inputData(), document->results(), 1.0);
    rebuildConstructionTable();
    if (document != nullptr) {
        m_ui->widgetResults->setAssessmentSettings(m_settings.m_reportSettings.m_assessment);
        m_ui->widgetResults->setResults(document->inputData(), document->results());
    }
    updateTitleAndActions();
    refreshReportPreview();
    m_ui->tableWidgetConstruction->viewport()->update();
}

void MainWindow::rebuildConstructionTable() {
    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    const Document *document = m_document.document();
    const int layerCount = document != nullptr ? document->inputData().layers().size() : 0;
    const int columns = qMax(3, layerCount + 2);
    int current = table->currentColumn();
    if (current < 0)
        current = 1;
    else if (current >= columns)
        current = columns - 2;

    disconnect(table, &QTableWidget::currentCellChanged, this, &MainWindow::constructionTableColumnChanged);
    table->setRowCount(1);
    table->setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        QTableWidgetItem *item = table->item(0, c);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            table->setItem(0, c, item);
        }
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    if (document != nullptr) {
        table->setConstruction(document->inputData().layers());
        m_sketchDock->setConstruction(document->inputData().layers());
    } else {
        table->clearConstruction();
        m_sketchDock->clearConstruction();
    }
    table->setCurrentCell(0, current);
    constructionTableColumnChanged(0, current, -1, -1);
    connect(table, &QTableWidget::currentCellChanged, this, &MainWindow::constructionTableColumnChanged);
    table->viewport()->update();
}

void MainWindow::updateTitleAndActions() {
    const bool hasLayers = m_document.hasLayers();
    Ui::MainWindow &ui = *m_ui;

    for (QAction *action :
         {ui.actionSave, ui.actionSaveAs, ui.actionPrint, ui.actionExportChart, ui.actionExportSketch,
          ui.actionCopyChart, ui.actionCopySketch, ui.actionEditProjectInformation,
          ui.actionAddToConstructionDatabase, ui.actionReport, ui.actionToggleGlaser})
        action->setEnabled(hasLayers);
    ui.actionOpen->setEnabled(true);
    ui.actionUseHashes->setVisible(false);
    ui.actionToggleGlaser->setChecked(ui.diagramView->diagramType() == DiagramKind::WaterContent);

    ui.tableWidgetConstruction->setVisible(hasLayers);
    ui.diagramView->setVisible(hasLayers);
    ui.stackedWidgetClimateMaterial->setVisible(hasLayers);
    ui.scrollAreaResults->setVisible(hasLayers);

    const QString program = QString::fromLatin1(ProgramName);
    if (hasLayers) {
        QString name = m_document.fileName().isEmpty()
                           ? QStringLiteral("unnamed.%1").arg(QString::fromLatin1(ProjectExtension))
                           : QFileInfo(m_document.fileName()).fileName();
        if (m_document.isModified())
            name += QLatin1Char('*');
        setWindowTitle(QStringLiteral("%1 - %2").arg(program, name));
        const Document &document = *m_document.document();
        const bool hasAir = document.inputData().hasAirLayer();
        ui.toolBarHeatFlowDirection->setVisible(hasAir);
        if (hasAir) {
            const int direction = int(document.projectInformation().HeatFlowDirection);
            for (QAction *action : m_heatFlowActionGroup->actions())
                action->setChecked(action->data().toInt() == direction);
        }
    } else {
        for (QAction *action : {ui.actionSelectMaterial, ui.actionAddLeft, ui.actionAddRight,
                                ui.actionMoveLeft, ui.actionMoveRight, ui.actionRemoveLayer,
                                ui.actionAddMaterialToUserDatabase, ui.actionToggleGlaser})
            action->setEnabled(false);
        setWindowTitle(program);
        closeReportPreview();
        ui.toolBarHeatFlowDirection->setVisible(false);
    }
    disableUnavailableActions();
}

void MainWindow::constructionTableColumnChanged(int currentRow, int currentColumn, int previousRow,
                                                int previousColumn) {
    Q_UNUSED(currentRow)
    Q_UNUSED(previousRow)
    Q_UNUSED(previousColumn)
    Ui::MainWindow &ui = *m_ui;
    const int columns = ui.tableWidgetConstruction->columnCount();
    const bool layerColumn = currentColumn > 0 && currentColumn < columns - 1;
    m_sketchDock->selectLayer(layerColumn ? currentColumn - 1 : -1);
    if (layerColumn) {
        ui.stackedWidgetClimateMaterial->setCurrentIndex(MaterialEditorPage);
        const int layerIndex = currentColumn - 1;
        const Document *document = m_document.document();
        const bool isLayer = document != nullptr && layerIndex < document->inputData().layerCount();
        m_materialEditor->setLayer(ui.tableWidgetConstruction, isLayer ? layerIndex : -1);
        for (QAction *action : {ui.actionSelectMaterial, ui.actionAddLeft, ui.actionAddRight,
                                ui.actionAddMaterialToUserDatabase})
            action->setEnabled(true);
        ui.actionRemoveLayer->setEnabled(columns >= 4);
        ui.actionMoveLeft->setEnabled(currentColumn >= 2);
        ui.actionMoveRight->setEnabled(currentColumn < columns - 2);
    } else {
        ui.stackedWidgetClimateMaterial->setCurrentIndex(ClimateEditorPage);
        m_climateEditor->setSide(ui.tableWidgetConstruction, currentColumn == 0);
        for (QAction *action :
             {ui.actionSelectMaterial, ui.actionAddLeft, ui.actionAddRight, ui.actionRemoveLayer,
              ui.actionMoveLeft, ui.actionMoveRight, ui.actionAddMaterialToUserDatabase})
            action->setEnabled(false);
    }
    disableUnavailableActions();
}

void MainWindow::tableViewDoubleClicked(const QModelIndex &index) {
    const int columns = m_ui->tableWidgetConstruction->columnCount();
    if (!m_document.hasLayers() || !index.isValid() || index.column() <= 0 || index.column() >= columns - 1)
        return;
    changeMaterial(index.column() - 1);
}

void MainWindow::customContextMenu(const QPoint &pos) {
    Ui::MainWindow &ui = *m_ui;
    const QList<QAction *> actions{ui.actionAddRight,
                                   ui.actionAddLeft,
                                   ui.actionRemoveLayer,
                                   ui.actionSelectMaterial,
                                   ui.actionMoveRight,
                                   ui.actionMoveLeft,
                                   ui.actionAddMaterialToUserDatabase};
    const bool anyEnabled =
        std::any_of(actions.begin(), actions.end(), [](QAction *a) { return a->isEnabled(); });
    if (!anyEnabled)
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(ui.tableWidgetConstruction->mapToGlobal(pos));
}

void MainWindow::resultsLinkClicked(const QString &link) {
    const int dash = link.indexOf(QLatin1Char('-'));
    if (dash < 0 || link.left(dash) != QLatin1String("layer"))
        return;
    bool ok = false;
    const int column = link.mid(dash + 1).toInt(&ok);
    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    if (!ok || column < 0 || column >= table->columnCount())
        return;
    table->setCurrentCell(0, column);
    table->setFocus();
}

void MainWindow::setProgress(int value) {
    Q_UNUSED(value)
}

void MainWindow::updateSplashScreen() {
    if (m_splashScreen)
        QTimer::singleShot(5000, m_splashScreen.data(), &QWidget::close);
}

// --- other actions ------------------------------------------------------------------------

void MainWindow::on_actionAbout_triggered() {
    m_dialogs->about(this, [this]() { showHelp(0); });
}

void MainWindow::on_actionAboutQt_triggered() {
    m_dialogs->aboutQt(this);
}

void MainWindow::on_actionHelp_triggered() {
    showHelp(0);
}

void MainWindow::on_actionHelpHeatFlowDirections_triggered() {
    showHelp(7);
}

void MainWindow::showHelp(int topic) {
    // One document per language holds every topic.
    Q_UNUSED(topic)
    const QString path =
        QStringLiteral("%1/DB_help/%2_%3.pdf")
            .arg(resourcesDir(), QStringLiteral("Tavo2_Documentation"), CurrentLanguage::instance().id());
    // The desktop's handler reports success as soon as it starts, even for a missing file.
    if (!QFileInfo::exists(path) || !m_dialogs->openUrl(QUrl(QStringLiteral("file:///%1").arg(path))))
        m_dialogs->warning(this, tr("Help file error"),
                           tr("The help file cannot be found on location:\n%1").arg(path));
}

void MainWindow::on_actionToggleGlaser_toggled(bool checked) {
    m_ui->diagramView->setDiagramType(checked ? DiagramKind::WaterContent : DiagramKind::VapourPressure);
}

void MainWindow::on_actionCopyChart_triggered() {
    QPixmap pixmap;
    m_ui->diagramView->exportPixmap(pixmap);
    QApplication::clipboard()->setPixmap(pixmap);
}

void MainWindow::on_actionCopySketch_triggered() {
    QApplication::clipboard()->setPixmap(m_ui->tableWidgetConstruction->sketchPixmap());
}

void MainWindow::actionLanguange_triggered() {
    const QAction *action = qobject_cast<const QAction *>(sender());
    if (action == nullptr)
        return;
    m_settings.m_languageId = action->data().toString();
    m_dialogs->information(this, tr("Languange changed"),
                           tr("Please restart the software to activate the new language!"));
}

void MainWindow::on_actionWebPage_triggered() {
    const QUrl url(QString::fromLatin1(ProgramInfo::WebSite));
    if (!m_dialogs->openUrl(url))
        m_dialogs->warning(this, tr("Web site"),
                           tr("The web site %1 could not be opened.").arg(url.toString()));
}

void MainWindow::on_actionShow_Logfile_triggered() {
    m_dialogs->showLogFile(this, logFilePath());
}

// --- layer operations ---------------------------------------------------------------------

int MainWindow::currentLayerIndex() const {
    const ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    const int column = table->currentColumn();
    if (!m_document.hasLayers() || column <= 0 || column >= table->columnCount() - 1 ||
        column > m_document.document()->inputData().layerCount())
        return -1;
    return column - 1;
}

void MainWindow::changeMaterial(int index) {
    if (index < 0 || chooseFromDatabase(false) != MaterialDatabaseDialog::MaterialChosen)
        return;
    m_document.push(new T2_UndoChangeMaterial(m_document, m_ui->tableWidgetConstruction,
                                              tr("Change material on layer no. %L1").arg(index + 1), index,
                                              m_databaseDialog->selectedMaterial()));
}

void MainWindow::on_actionSelectMaterial_triggered() {
    const int index = currentLayerIndex();
    if (index >= 0)
        changeMaterial(index);
}

void MainWindow::addLayer(int index, bool left) {
    if (index < 0)
        return;
    QTableWidget *table = m_ui->tableWidgetConstruction;
    switch (chooseFromDatabase(true)) {
    case MaterialDatabaseDialog::MaterialChosen: {
        const MaterialLayer layer(m_databaseDialog->selectedMaterial(), NewLayerWidth);
        if (left)
            m_document.push(new T2_UndoAddLayerLeft(
                m_document, table, tr("Add layer left to no. %L1").arg(index + 1), index, layer));
        else
            m_document.push(new T2_UndoAddLayerRight(
                m_document, table, tr("Add layer right to no. %L1").arg(index + 1), index, layer));
        break;
    }
    case MaterialDatabaseDialog::ConstructionChosen: {
        const Construction &construction = m_databaseDialog->selectedConstruction();
        if (left)
            m_document.push(new T2_UndoAddConstructionLeft(
                m_document, table, tr("Add construction left to no. %L1").arg(index + 1), index,
                construction.layers, construction.name));
        else
            m_document.push(new T2_UndoAddConstructionRight(
                m_document, table, tr("Add construction right to no. %L1").arg(index + 1), index,
                construction.layers, construction.name));
        break;
    }
    case MaterialDatabaseDialog::NothingChosen:
        break;
    }
}

void MainWindow::removeLayer(int index) {
    if (index >= 0)
        m_document.push(new T2_UndoRemoveLayer(m_document, m_ui->tableWidgetConstruction,
                                               tr("Remove layer no. %L1").arg(index + 1), index));
}

void MainWindow::moveLayer(int index, bool left) {
    if (index < 0)
        return;
    if (left)
        m_document.push(new T2_UndoMoveLayerLeft(m_document, m_ui->tableWidgetConstruction,
                                                 tr("Move layer no. %L1 to left").arg(index + 1), index));
    else
        m_document.push(new T2_UndoMoveLayerRight(m_document, m_ui->tableWidgetConstruction,
                                                  tr("Move layer no. %L1 to right").arg(index + 1), index));
}

void MainWindow::on_actionAddLeft_triggered() {
    addLayer(currentLayerIndex(), true);
}

void MainWindow::on_actionAddRight_triggered() {
    addLayer(currentLayerIndex(), false);
}

void MainWindow::on_actionRemoveLayer_triggered() {
    removeLayer(currentLayerIndex());
}

void MainWindow::on_actionMoveLeft_triggered() {
    moveLayer(currentLayerIndex(), true);
}

void MainWindow::on_actionMoveRight_triggered() {
    moveLayer(currentLayerIndex(), false);
}

void MainWindow::onHeatFlowDirectionTriggerd(QAction *action) {
    if (action == nullptr || !m_document.hasDocument())
        return;
    const int direction = action->data().toInt();
    m_document.push(new T2_UndoHeatFlowDirection(
        m_document, m_heatFlowActionGroup, tr("Change heat flow direction to %1").arg(direction), direction));
}

void MainWindow::on_actionAddMaterialToUserDatabase_triggered() {
    const int index = currentLayerIndex();
    if (index < 0)
        return;
    const Material material = m_document.document()->inputData().layer(index).material();
    if (!material.isValid()) {
        m_dialogs->warning(
            this, tr("Add Material to User Database"),
            tr("The material '%1' of layer no. %L2 is not valid and cannot be added to the user "
               "database.")
                .arg(material.name)
                .arg(index + 1));
        return;
    }
    MaterialList &materials = MaterialList::instance();
    const QList<Material> &user = materials.userMaterials();
    if (std::find(user.begin(), user.end(), material) != user.end()) {
        statusBar()->showMessage(tr("The material '%1' is already in the user database.").arg(material.name),
                                 StatusMessageTimeout);
        return;
    }
    materials.addUserMaterial(material);
    statusBar()->showMessage(tr("The material '%1' was added to the user database.").arg(material.name),
                             StatusMessageTimeout);
}

// --- the material and construction databases ---------------------------------------------

MaterialDatabaseDialog &MainWindow::databaseDialog(MaterialDatabaseDialog::Mode mode,
                                                   bool constructionsAllowed) {
    if (m_databaseDialog == nullptr) {
        m_databaseDialog = new MaterialDatabaseDialog(MaterialList::instance(), ConstructionList::instance(),
                                                      *m_dialogs, this);
        m_databaseDialog->setObjectName(QStringLiteral("materialDatabaseDialog"));
        connect(m_databaseDialog, &MaterialDatabaseDialog::helpRequested, this, &MainWindow::showHelp);
        // The construction database is read on first use: a damaged file is kept, and the user
        // learns it before working with what could be read.
        const QString problem = ConstructionList::instance().readProblem();
        if (!problem.isEmpty())
            m_dialogs->warning(this, tr("Construction database"), problem);
    }
    const Document *document = m_document.document();
    if (document != nullptr)
        m_databaseDialog->setCurrentConstruction(document->inputData().layers(),
                                                 document->projectInformation().ProjectName);
    else
        m_databaseDialog->setCurrentConstruction({});
    m_databaseDialog->setImportDirectory(projectDialogDirectory());
    m_databaseDialog->setMode(mode, constructionsAllowed);
    return *m_databaseDialog;
}

MaterialDatabaseDialog::Choice MainWindow::chooseFromDatabase(bool constructionsAllowed) {
    MaterialDatabaseDialog &dialog = databaseDialog(MaterialDatabaseDialog::SelectMode, constructionsAllowed);
    m_dialogs->runDatabaseDialog(dialog);
    return dialog.choice();
}

void MainWindow::on_actionEditMaterialDatabase_triggered() {
    m_dialogs->runDatabaseDialog(databaseDialog(MaterialDatabaseDialog::EditMode));
}

void MainWindow::on_actionAddToConstructionDatabase_triggered() {
    const Document *document = m_document.document();
    if (document == nullptr || document->inputData().layers().isEmpty())
        return;
    QString name = document->projectInformation().ProjectName;
    QString notes;
    if (!m_dialogs->constructionName(this, tr("Add to Construction Database"), name, notes) || name.isEmpty())
        return;
    ConstructionList &constructions = ConstructionList::instance();
    constructions.appendConstruction(Construction(name, document->inputData().layers(), notes));
    // Stored at once, like every change made in the database dialog.
    if (!constructions.write()) {
        m_dialogs->warning(this, tr("Construction database"),
                           tr("The construction '%1' was added, but the construction database could not be "
                              "saved in '%2'. It is saved again when the program closes.")
                               .arg(name, QDir::toNativeSeparators(constructions.filePath())));
        return;
    }
    statusBar()->showMessage(tr("The construction '%1' was added to the construction database.").arg(name),
                             StatusMessageTimeout);
}

// --- exports of the sketch and the diagram ------------------------------------------------

void MainWindow::on_actionExportSketch_triggered() {
    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    exportImage({[table]() { return table->sketchPixmap(); }, [table](QIODevice *d) { table->exportSvg(d); },
                 [table](QPrinter *p) { table->printSketch(p); }});
}

void MainWindow::on_actionExportChart_triggered() {
    const DiagramView *diagram = m_ui->diagramView;
    exportImage({[diagram]() {
                     QPixmap pixmap;
                     diagram->exportPixmap(pixmap);
                     return pixmap;
                 },
                 [diagram](QIODevice *d) { diagram->exportSvg(d); },
                 [diagram](QPrinter *p) { diagram->printDiagram(p); }});
}

QFileDialog &MainWindow::exportFileDialog() {
    if (m_exportFileDialog == nullptr) {
        const QString &last = m_settings.m_lastExportFile;
        const QString directory = last.isEmpty() ? QDir::currentPath() : QFileInfo(last).absolutePath();
        m_exportFileDialog = new QFileDialog(this, tr("Export file"), directory);
        m_exportFileDialog->setObjectName(QStringLiteral("exportFileDialog"));
        m_exportFileDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_exportFileDialog->setNameFilters(ImageExport::nameFilters());
        m_exportFileDialog->setDefaultSuffix(ImageExport::suffix(ImageExport::Png));
        connect(m_exportFileDialog, &QFileDialog::filterSelected, this,
                &MainWindow::fileDialogFilterSelected);
    }
    return *m_exportFileDialog;
}

void MainWindow::fileDialogFilterSelected(const QString &filter) {
    // Choosing PDF leaves the suffix as it is: the file gets the extension of the chosen type
    // after the dialog anyway.
    const ImageExport::Format format = ImageExport::formatOfFilter(filter);
    if (format != ImageExport::Pdf)
        exportFileDialog().setDefaultSuffix(ImageExport::suffix(format));
}

void MainWindow::exportImage(const ImageExport::Source &source) {
    QString chosen;
    QString filter;
    if (!m_dialogs->exportFileName(exportFileDialog(), chosen, filter) || chosen.isEmpty())
        return;
    const ImageExport::Format format = ImageExport::formatOfFilter(filter);
    const QString fileName = ImageExport::fileNameFor(chosen, format);
    // The dialog asked about the name the user typed, not about the one the type gave it.
    if (fileName != chosen && QFileInfo::exists(fileName) &&
        m_dialogs->question(this, tr("Export file"),
                            tr("The file '%1' already exists.\nDo you want to replace it?")
                                .arg(QDir::toNativeSeparators(fileName)),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QString errorMessage;
    if (!ImageExport::write(fileName, format, source, errorMessage)) {
        m_dialogs->critical(this, tr("Export failed"),
                            tr("The file '%1' could not be written.\n%2")
                                .arg(QDir::toNativeSeparators(fileName), errorMessage));
        return;
    }
    m_settings.m_lastExportFile = fileName;
    statusBar()->showMessage(tr("Exported to '%1'.").arg(QDir::toNativeSeparators(fileName)),
                             StatusMessageTimeout);
}

// --- report -------------------------------------------------------------------------------

ReportPreview &MainWindow::reportPreview() {
    if (m_reportPreview == nullptr) {
        m_reportPreview = new ReportPreview(m_document, m_settings, *m_dialogs, this);
        connect(m_reportPreview, &ReportPreview::progress, this, &MainWindow::setProgress);
    }
    return *m_reportPreview;
}

void MainWindow::refreshReportPreview() {
    if (m_reportPreview != nullptr && m_reportPreview->isVisible())
        m_reportPreview->regenerate();
}

void MainWindow::closeReportPreview() {
    if (m_reportPreview != nullptr && m_reportPreview->isVisible())
        m_reportPreview->close();
}

void MainWindow::resetReportSettingsForNewProject() {
    // A new project's report starts from the user's defaults: frames, page numbers and logo.
    ReportSettings &report = m_settings.m_reportSettings;
    for (int frame = 0; frame < ReportSettings::FrameCount; ++frame)
        report.setActivated(frame, frame < m_settings.m_projectDefaultFrames.size() &&
                                       m_settings.m_projectDefaultFrames.at(frame));
    report.m_printDisclaimer = report.isActivated(Report::DisclaimerFrameIndex);
    report.m_pageNumbersVisible = m_settings.m_pageNumbersVisible;
    report.m_userLogo = m_settings.m_defaultUserLogo;
}

void MainWindow::on_actionReport_triggered() {
    if (m_document.document() == nullptr)
        return;
    ReportPreview &preview = reportPreview();
    preview.regenerate();
    preview.show();
    preview.raise();
    preview.activateWindow();
}

void MainWindow::on_actionPrint_triggered() {
    if (m_document.document() == nullptr)
        return;
    ReportPreview &preview = reportPreview();
    // A hidden preview may show an older state of the project.
    if (!preview.isVisible())
        preview.regenerate();
    preview.printWithDialog();
}
