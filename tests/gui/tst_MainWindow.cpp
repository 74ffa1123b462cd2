// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "ConstructionList.h"
#include "CurrentLanguage.h"
#include "ConstructionSketchDock.h"
#include "ConstructionTableWidget.h"
#include "DiagramView.h"
#include "Directories.h"
#include "Document.h"
#include "EditorDocument.h"
#include "ImageExport.h"
#include "MainWindow.h"
#include "ReportPreview.h"
#include "MaterialList.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "T2_ResultsWidget.h"
#include "VaDar_ConstructionView.h"
#include "VaDar_ConstructionViewWidget.h"

using Button = QMessageBox::StandardButton;
using S = const QString &;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

struct Window {
    ScriptedDialogs *dialogs = new ScriptedDialogs;
    EditorDocument document{Project::instance()};
    std::unique_ptr<MainWindow> window{
        new MainWindow(document, {}, {}, std::unique_ptr<UserDialogs>(dialogs))};

    QUndoStack *undoStack() { return document.undoStack(); }

    QAction *action(S name) const { return window->findChild<QAction *>("action" + name); }
    ConstructionTableWidget *table() const { return window->findChild<ConstructionTableWidget *>(); }
    int editorPage() const { return window->findChild<QStackedWidget *>()->currentIndex(); }
    bool visible(const char *n) const { return window->findChild<QWidget *>(n)->isVisibleTo(window.get()); }
    QString title() const { return window->windowTitle(); }
    QStringList recent() const { return Settings::instance().m_recentProjects; }
};

// Puts a new construction of layerCount layers into the project, as an editor would.
void makeProject(int layerCount) {
    const Material m("M", MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50, 0.02,
                     0.2, 0.01, 1);
    Project::instance().newDocument();
    Project::instance().document()->inputData().layers().fill(MaterialLayer(m, 0.1), layerCount);
    Project::instance().setModified(Project::ModificationType::InputData);
}

// Layers M, an air space, M, with the heat flowing upwards.
void makeAirProject() {
    makeProject(3);
    InputData &data = Project::instance().document()->inputData();
    data.setLayer(1, MaterialLayer(MaterialList::airLayerMaterial(), 0.04));
    Project::instance().document()->projectInformation().HeatFlowDirection = HeatFlowDirection::Upwards;
    Project::instance().setModified(Project::ModificationType::InputData);
}

// How many connections a signal of an object has (QObject::receivers() is protected).
struct Receivers : QObject {
    static int of(const QObject *object, const char *signal) {
        int (QObject::*count)(const char *) const = &Receivers::receivers;
        return (object->*count)(signal);
    }
};

// Every action a user reaches: the window's own, and those of its menus and toolbars.
QList<QAction *> reachableActions(MainWindow &window) {
    QList<QAction *> found = window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    QList<QAction *> pending = window.menuBar()->actions();
    // The toolbars of the window can be switched off from its context menu; a toolbar inside a
    // dock only offers its actions.
    for (QToolBar *bar : window.findChildren<QToolBar *>())
        pending << bar->actions();
    for (QToolBar *bar : window.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        pending << bar->toggleViewAction();
    while (!pending.isEmpty()) {
        QAction *a = pending.takeFirst();
        if (a == nullptr || found.contains(a))
            continue;
        found << a;
        if (a->menu())
            pending << a->menu()->actions();
    }
    return found;
}

QString actionId(const QAction *a) {
    return a->objectName().isEmpty() ? a->text() : a->objectName();
}

const QString BrickWall = QStringLiteral(TAVO_EXAMPLES_DIR "/brick-wall-etics.t2p");
const QString AlwaysActions = "Open EditMaterialDatabase Preferences ";
const QString FileActions = AlwaysActions +
                            "Save SaveAs CopyChart CopySketch ExportChart ExportSketch ToggleGlaser "
                            "Print Report AddToConstructionDatabase EditProjectInformation ";
const QString LayerActions = "SelectMaterial AddLeft AddRight AddMaterialToUserDatabase ";
const QString MoveActions = "RemoveLayer MoveLeft MoveRight ";
// Features still to come: always disabled, and their tool tips say so.
const QString UnavailableActions = "";

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid() && QFile::exists(BrickWall)); }
    void init() {
        Settings::instance().resetToDefaults();
        Project::instance().setFileName(QString());
        Project::instance().setUnmodified();
    }
    void cleanup() { Project::instance().closeDocument(); }

    void saveNameRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::newRow("no extension") << "wall" << QString("wall.t2p");
        QTest::newRow("capital extension is not ours") << "wall.T2P" << QString("wall.T2P.t2p");
        QTest::newRow("extension kept") << "wall.t2p" << QString("wall.t2p");
        QTest::newRow("t2p without dot is no extension") << "wallt2p" << QString("wallt2p.t2p");
    }
    void saveNameRules() {
        QFETCH(QString, name);
        QTEST(MainWindow::projectFileName(name), "stored");
    }

    // New, Save as, Save, Open, back through the recent list, a failed save, New again.
    void lifecycle() {
        Settings &settings = Settings::instance();
        settings.m_defaultProjectInformation.ProjectName = "Default name";
        settings.m_recentProjects = QStringList{"/a.t2p", BrickWall};
        Window w;
        w.dialogs->wizardAccepts = false;
        w.action("New")->trigger();
        QCOMPARE(w.title(), QString("Tavo 2")); // wizard cancelled: still no project
        w.dialogs->wizardAccepts = true;
        w.undoStack()->push(new QUndoCommand("edit of no project"));
        w.action("New")->trigger();
        QCOMPARE(w.undoStack()->count(), 0);
        QCOMPARE(Project::instance().document()->projectInformation().ProjectName, QString("Default name"));
        QCOMPARE(w.title(), QString("Tavo 2 - unnamed.t2p*"));
        const QString copy = m_dir.filePath("copy.t2p");
        w.dialogs->fileNames << m_dir.filePath("copy") << BrickWall << m_dir.filePath("no-such-dir/x.t2p");
        w.action("SaveAs")->trigger(); // the name gets its extension
        QCOMPARE(Project::instance().fileName(), copy);
        QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p"));
        QCOMPARE(w.recent(), QStringList({copy, "/a.t2p", BrickWall}));
        Project::instance().setModified(Project::ModificationType::ProjectInformation);
        QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p*"));
        w.action("Save")->trigger();
        QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p"));
        // an undo must never apply the old project's commands to the opened one
        w.undoStack()->push(new QUndoCommand("edit of the copy"));
        w.action("Open")->trigger();
        QCOMPARE(w.undoStack()->count(), 0);
        QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p"));
        QCOMPARE(w.recent(), QStringList({BrickWall, copy, "/a.t2p"}));
        QCOMPARE(w.window->findChild<T2_ResultsWidget *>()->inputData().layers().size(), 6);
        w.action("RecentProjects")->menu()->actions().at(1)->trigger();
        QCOMPARE(Project::instance().fileName(), copy);
        QCOMPARE(w.recent(), QStringList({copy, BrickWall, "/a.t2p"}));
        // a failed save reports it and keeps the project as it was
        Project::instance().setModified(Project::ModificationType::Display);
        w.action("SaveAs")->trigger();
        QCOMPARE(w.dialogs->message, QString("Error #3: Saving failed | Error while saving project file!"));
        QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p*"));
        // the modified project is asked about before New; cancelling keeps it and starts no wizard
        w.action("New")->trigger();
        QCOMPARE(w.dialogs->kinds,
                 QStringList({"wizard", "wizard", "save", "open", "save", "critical", "question"}));
        QCOMPARE(Project::instance().fileName(), copy);
    }

    void askToSaveOnClose_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Button>("answer");
        QTest::addColumn<QString>("saveAs");  // "-": the project has a name; "": Save-as cancelled
        QTest::addColumn<QString>("outcome"); // the dialogs shown, whether closed, whether saved
        const QString named = "-", cancel, chosen = "saved-as.t2p";
        const Button save = QMessageBox::Save;
        QTest::newRow("unmodified: no question") << false << save << named << "closed";
        QTest::newRow("cancel keeps the window") << true << QMessageBox::Cancel << named << "question open";
        QTest::newRow("discard closes unsaved") << true << QMessageBox::Discard << named << "question closed";
        QTest::newRow("save under the file name") << true << save << named << "question closed saved";
        QTest::newRow("Save-as cancelled keeps the window") << true << save << cancel << "question save open";
        QTest::newRow("save through Save-as") << true << save << chosen << "question save closed saved";
    }
    void askToSaveOnClose() {
        QFETCH(bool, modified);
        QFETCH(Button, answer);
        QFETCH(QString, saveAs);
        const QString fileName = m_dir.filePath(saveAs == "-" ? "named.t2p" : "saved-as.t2p");
        QFile::remove(fileName);
        Window w;
        makeProject(2);
        if (saveAs == "-")
            Project::instance().setFileName(fileName);
        else
            w.dialogs->fileNames << (saveAs.isEmpty() ? QString() : fileName);
        if (!modified)
            Project::instance().setUnmodified();
        w.undoStack()->push(new QUndoCommand("edit"));
        w.dialogs->answers << answer;
        w.window->show();
        const bool closed = w.window->close();
        const bool saved = QFile::exists(fileName);
        QTEST((w.dialogs->kinds << (closed ? "closed" : "open")).join(' ') + (saved ? " saved" : ""),
              "outcome");
        QCOMPARE(Project::instance().hasDocument(), !closed);
        QCOMPARE(w.undoStack()->count(), closed ? 0 : 1); // history goes with the project
        QVERIFY(closed || Project::instance().isModified());
        if (saved) // the settings written on the way out know the saved file
            QCOMPARE(QSettings("ZMT", "Tavo 2.4").value("LastProjectFile").toString(), fileName);
    }

    // A project that cannot be opened, from the Open dialog or the recent list.
    void openFails_data() {
        QTest::addColumn<QByteArray>("content"); // null: the file does not exist
        QTest::addColumn<Button>("answer");      // on a recent file: remove it from the list?
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("recentLeft"); // -1: opened through the dialog
        const QString missing =
            "The file '" + m_dir.filePath("failing.t2p") + "' cannot be found or does not exist.";
        const QString remove = "Error #5: File not found | " + missing + "\nRemove this file from list?";
        const Button no = QMessageBox::No;
        QTest::newRow("missing") << QByteArray() << no << "Error #4: File not found | " + missing << -1;
        QTest::newRow("broken") << QByteArray("<X>") << no << "Error loading project file | " << -1;
        QTest::newRow("recent missing, yes removes it") << QByteArray() << QMessageBox::Yes << remove << 1;
    }
    void openFails() {
        QFETCH(QByteArray, content);
        QFETCH(Button, answer);
        QFETCH(QString, message);
        QFETCH(int, recentLeft);
        const QString file = m_dir.filePath("failing.t2p");
        QFile f(file);
        QVERIFY(content.isNull() || (f.open(QIODevice::WriteOnly) && f.write(content) && f.flush()));
        if (recentLeft >= 0)
            Settings::instance().m_recentProjects = QStringList{file, "/b.t2p"};
        Window w;
        makeProject(1);
        Project::instance().setUnmodified();
        w.dialogs->fileNames << file;
        w.dialogs->answers << answer;
        if (recentLeft < 0)
            w.action("Open")->trigger();
        else
            w.action("RecentProjects")->menu()->actions().at(0)->trigger();
        QCOMPARE(w.dialogs->kinds.last(), QString("critical"));
        QVERIFY2(w.dialogs->message.startsWith(message) && !w.dialogs->message.endsWith("| "),
                 qPrintable(w.dialogs->message));
        // a missing file leaves the open project alone; a failed read has closed it
        QCOMPARE(Project::instance().hasDocument(), content.isNull());
        QCOMPARE(w.recent().size(), qMax(recentLeft, 0));
        if (recentLeft > 0)
            QCOMPARE(w.action("RecentProjects")->menu()->actions().size(), recentLeft);
        f.remove();
    }

    // Preferences change settings only; the project information editor is one step of the history.
    void preferencesAndProjectInformation() {
        Window w;
        QVERIFY(w.window->loadProject(BrickWall));
        const auto pressOk = [](QDialog &d) {
            QTest::mouseClick(d.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        };
        w.dialogs->dialogScript = [&](QDialog &d) {
            d.findChild<QComboBox *>("comboBoxWidthUnit")->setCurrentIndex(2);
            pressOk(d);
        };
        w.action("Preferences")->trigger();
        QCOMPARE(Settings::instance().m_defaultLayerWidthUnit, 10);
        QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p"));
        QCOMPARE(w.undoStack()->count(), 0);

        const ProjectInformation before = Project::instance().document()->projectInformation();
        w.dialogs->dialogScript = [&](QDialog &d) {
            QLineEdit *name = d.findChild<QLineEdit *>("lineEditProjectName");
            QCOMPARE(name->text(), before.ProjectName);
            name->clear();
            QTest::keyClicks(name, "Renamed");
            pressOk(d);
        };
        w.action("EditProjectInformation")->trigger();
        QCOMPARE(Project::instance().document()->projectInformation().ProjectName, QString("Renamed"));
        QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p*"));
        QCOMPARE(w.undoStack()->count(), 1);
        QVERIFY(w.undoStack()->undoText().contains("Undo change of project informations."));
        w.undoStack()->undo();
        QVERIFY(Project::instance().document()->projectInformation() == before);
        QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p"));

        w.dialogs->dialogScript = pressOk; // nothing changed: no step
        w.action("EditProjectInformation")->trigger();
        QCOMPARE(w.undoStack()->index(), 0);
        QCOMPARE(w.dialogs->kinds, QStringList({"configDialog", "projectInformationEditDialog",
                                                "projectInformationEditDialog"}));
    }

    void actionStates_data() {
        QTest::addColumn<int>("layers"); // -1: no project
        QTest::addColumn<int>("column"); // -1: as the refresh leaves it
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("editorPage");
        const QString layer = FileActions + LayerActions;
        QTest::newRow("no project") << -1 << -1 << AlwaysActions << -1;
        QTest::newRow("project without layers") << 0 << -1 << AlwaysActions << -1;
        QTest::newRow("1 layer: nothing to remove or move") << 1 << 1 << layer << 0;
        QTest::newRow("first of 3") << 3 << 1 << layer + "RemoveLayer MoveRight" << 0;
        QTest::newRow("middle of 3") << 3 << 2 << layer + MoveActions << 0;
        QTest::newRow("last of 3") << 3 << 3 << layer + "RemoveLayer MoveLeft" << 0;
        QTest::newRow("2 layers, warm side") << 2 << 0 << FileActions << 1;
        QTest::newRow("2 layers, cold side") << 2 << 3 << FileActions << 1;
    }
    void actionStates() {
        QFETCH(int, layers);
        QFETCH(int, column);
        QFETCH(QString, enabled);
        QFETCH(int, editorPage);
        Window w;
        if (layers >= 0)
            makeProject(layers);
        if (column >= 0)
            w.table()->setCurrentCell(0, column);
        const QStringList expected = enabled.split(' ', Qt::SkipEmptyParts);
        for (const QString &name :
             (FileActions + LayerActions + MoveActions + UnavailableActions).split(' ', Qt::SkipEmptyParts))
            QVERIFY2(w.action(name)->isEnabled() == expected.contains(name), qPrintable(name));
        for (const QString &name : UnavailableActions.split(' ', Qt::SkipEmptyParts))
            QVERIFY2(w.action(name)->toolTip().endsWith("(not available in this version yet)"),
                     qPrintable(name));
        QVERIFY(!w.action("UseHashes")->isVisible());
        QVERIFY(!w.visible("toolBarHeatFlowDirection")); // only for air layers
        QCOMPARE(w.visible("tableWidgetConstruction"), layers > 0);
        QCOMPARE(w.visible("widgetResults"), layers > 0);
        QVERIFY(editorPage < 0 || w.editorPage() == editorPage);
    }

    // "Report" opens the preview of the open project; it follows the project's changes and closes
    // with it. "Print" prints through the preview; a cancelled print dialog writes nothing.
    void reportPreview() {
        Window w;
        QVERIFY(w.window->loadProject(BrickWall));
        QVERIFY(w.window->findChild<ReportPreview *>() == nullptr);
        w.action("Report")->trigger();
        auto *preview = w.window->findChild<ReportPreview *>();
        QVERIFY(preview != nullptr);
        QVERIFY(preview->isVisible());
        QVERIFY(preview->pageCount() > 0);
        QVERIFY(preview->errorText().isEmpty());

        const int paints = preview->paintCount();
        w.table()->setCurrentCell(0, 1);
        w.action("MoveRight")->trigger();
        QVERIFY(preview->paintCount() > paints);

        w.dialogs->fileNames << m_dir.filePath("printed.pdf");
        w.action("Print")->trigger();
        w.action("Print")->trigger(); // cancelled
        QCOMPARE(w.dialogs->kinds, (QStringList{"print", "print"}));
        QCOMPARE(QDir(m_dir.path()).entryList({"*.pdf"}), QStringList{"printed.pdf"});
        QFile printed(m_dir.filePath("printed.pdf"));
        QVERIFY(printed.open(QIODevice::ReadOnly) && printed.readAll().startsWith("%PDF-"));

        // "New", the changes discarded, the wizard cancelled: no project is left to report on
        w.dialogs->answers << QMessageBox::Discard;
        w.dialogs->wizardAccepts = false;
        w.action("New")->trigger();
        QVERIFY(!preview->isVisible());
        QVERIFY(!w.action("Report")->isEnabled());
    }

    // A new project's report starts from the user's default frames, page numbers and logo.
    void newProjectReportSettings() {
        Settings &settings = Settings::instance();
        settings.m_reportSettings.setActivated(9, false);
        settings.m_reportSettings.m_pageNumbersVisible = false;
        settings.m_projectDefaultFrames = QVector<bool>(14, true);
        settings.m_projectDefaultFrames[10] = false;
        settings.m_pageNumbersVisible = true;
        settings.m_defaultUserLogo.m_position = ReportSettings::LogoInPageHeader;
        Window w;
        w.dialogs->wizardAccepts = false; // cancelled: the settings stay
        w.action("New")->trigger();
        QVERIFY(!settings.m_reportSettings.m_pageNumbersVisible);
        w.dialogs->wizardAccepts = true;
        w.action("New")->trigger();
        QCOMPARE(ReportSettings::framesToText(settings.m_reportSettings.m_activatedFrames),
                 QString("1 1 1 1 1 1 1 1 1 1 0 1 1 1 "));
        QVERIFY(settings.m_reportSettings.m_printDisclaimer);
        QVERIFY(settings.m_reportSettings.m_pageNumbersVisible);
        QCOMPARE(settings.m_reportSettings.m_userLogo.m_position, int(ReportSettings::LogoInPageHeader));
    }

    // Links of the results select a layer; the selection stays inside the table when layers go.
    void layerSelection() {
        Window w;
        makeProject(3);
        w.window->resultsLinkClicked("layer-3");
        QCOMPARE(w.table()->currentColumn(), 3);
        w.window->resultsLinkClicked("layer-9");
        QCOMPARE(w.table()->currentColumn(), 3);
        Project::instance().document()->inputData().layers().resize(1);
        Project::instance().setModified(Project::ModificationType::InputData);
        QCOMPARE(w.table()->columnCount(), 3);
        QCOMPARE(w.table()->currentColumn(), 1); // the last layer now
        QCOMPARE(w.editorPage(), 0);
    }

    // The construction drawn to scale selects with the table both ways and edits through the same
    // commands as the window's layer actions.
    void constructionSketch() {
        Window w;
        makeProject(3);
        auto *sketch = w.window->findChild<ConstructionSketchDock *>();
        QVERIFY(sketch && sketch->isVisibleTo(w.window.get()));
        VaDar::ConstructionViewWidget *view = sketch->viewWidget();
        QCOMPARE(view->view()->layers().size(), 3);
        w.table()->setCurrentCell(0, 2);
        QCOMPARE(view->selectedLayer(), 1);
        w.table()->setCurrentCell(0, 0); // a climate side has no layer
        QCOMPARE(view->selectedLayer(), -1);
        view->selectLayer(2);
        QCOMPARE(w.table()->currentColumn(), 3);
        w.dialogs->materials << "EPS board WLS 040";
        view->layerActions().at(1)->trigger(); // insert left of the third layer
        QCOMPARE(w.undoStack()->undoText(), QString(": Add layer left to no. 3"));
        QCOMPARE(view->view()->layers().size(), 4);
        QCOMPARE(w.table()->currentColumn(), 3); // the new layer
        QCOMPARE(view->selectedLayer(), 2);
        view->layerActions().at(5)->trigger(); // remove it again
        QCOMPARE(w.undoStack()->undoText(), QString(": Remove layer no. 3"));
        w.undoStack()->undo();
        QCOMPARE(view->view()->layers().size(), 4); // undo redraws the sketch too
    }

    // In a small window the editors leave the results panel too little room: it scrolls, it never
    // loses its last lines (the verdicts).
    void resultsScrollInASmallWindow() {
        Window w;
        makeProject(3);
        w.window->resize(800, 600);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto *results = w.window->findChild<T2_ResultsWidget *>();
        auto *area = w.window->findChild<QScrollArea *>("scrollAreaResults");
        QTRY_VERIFY(results->height() >= results->minimumSizeHint().height());
        QVERIFY(area->viewport()->height() < results->height());
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }

    void startProject_data() {
        QTest::addColumn<int>("restartMode");
        QTest::addColumn<QString>("initialFile");
        QTest::addColumn<QString>("outcome"); // the dialogs shown and the window title
        QTest::newRow("mode 1 opens the file") << 1 << BrickWall << "Tavo 2 - brick-wall-etics.t2p";
        QTest::newRow("mode 1, missing file reported") << 1 << QString("/no/such.t2p") << "critical Tavo 2";
    }
    void startProject() {
        QFETCH(int, restartMode);
        QFETCH(QString, initialFile);
        Settings::instance().m_defaultRestartMode = restartMode;
        Settings::instance().m_initialProjectFile = initialFile;
        Window w;
        QTEST((w.dialogs->kinds << w.title()).join(' '), "outcome");
    }

    void damagedUserMaterialFileIsReported() {
        // The file is kept, not written back; the user is told once the window is up.
        const QString dir = m_dir.filePath("user-materials");
        QDir().mkpath(dir);
        QFile file(dir + "/UserData.tmat");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray::fromHex("fffffffc00000003")) == 8);
        file.close();
        Settings::instance().m_userMaterialsDirectory = dir;
        MaterialList::destroyInstance(); // read anew from that directory
        MaterialList::instance();
        Window w;
        QTRY_VERIFY(w.dialogs->kinds.contains("warning"));
        QVERIFY2(w.dialogs->message.startsWith("User material database | ") &&
                     w.dialogs->message.contains(".corrupt"),
                 qPrintable(w.dialogs->message));
        MaterialList::destroyInstance();
    }

    // An enabled action that does nothing is a fault: every action a user can reach is
    // connected (or opens a menu), and triggering it on a fresh window changes something that
    // can be seen: a dialog, the project, the history, the clipboard, the diagram, a toolbar,
    // the status bar, the settings or the window itself.
    void everyEnabledActionHasAnEffect_data() {
        QTest::addColumn<int>("layers"); // -1: no project; 3: with an air space
        QTest::addColumn<int>("column");
        QTest::newRow("no project") << -1 << -1;
        QTest::newRow("middle layer") << 3 << 2;
        QTest::newRow("first layer") << 3 << 1;
        QTest::newRow("warm side") << 3 << 0;
    }
    void everyEnabledActionHasAnEffect() {
        QFETCH(int, layers);
        QFETCH(int, column);
        Settings::instance().m_recentProjects = QStringList{BrickWall, "/no/such.t2p"};
        const auto prepare = [&](Window &w) {
            if (layers >= 0)
                makeAirProject();
            if (column >= 0)
                w.table()->setCurrentCell(0, column);
        };
        QStringList ids;
        {
            Window w;
            prepare(w);
            for (QAction *a : reachableActions(*w.window)) {
                if (!a->isEnabled() || !a->isVisible() || a->isSeparator())
                    continue;
                QVERIFY2(a->menu() || Receivers::of(a, SIGNAL(triggered(bool))) +
                                              Receivers::of(a, SIGNAL(toggled(bool))) >
                                          0,
                         qPrintable(actionId(a)));
                // choosing the direction already chosen is no change
                if (a->menu() || (a->actionGroup() && a->isChecked()))
                    continue;
                ids << actionId(a);
            }
        }
        QVERIFY(ids.size() > 15);
        for (const QString &id : qAsConst(ids)) {
            Window w;
            prepare(w);
            QAction *action = nullptr;
            for (QAction *a : reachableActions(*w.window))
                if (actionId(a) == id)
                    action = a;
            QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(id));
            QClipboard *clipboard = QGuiApplication::clipboard();
            clipboard->clear();
            const auto state = [&]() {
                const Document *d = Project::instance().document();
                QStringList s{w.dialogs->kinds.join(' '),
                              QString::number(w.dialogs->urls.size()),
                              QString::number(w.undoStack()->count()),
                              QString::number(w.undoStack()->index()),
                              QString::number(int(w.window->findChild<DiagramView *>()->diagramType())),
                              w.window->statusBar()->currentMessage(),
                              Settings::instance().m_languageId,
                              QString::number(clipboard->pixmap().cacheKey()),
                              Project::instance().fileName(),
                              QString::number(w.window->isVisible()),
                              QString::number(d != nullptr)};
                for (QDialog *dialog : w.window->findChildren<QDialog *>())
                    s << QString::number(dialog->isVisible());
                for (QToolBar *bar : w.window->findChildren<QToolBar *>())
                    s << QString::number(bar->isHidden());
                for (QDockWidget *dock : w.window->findChildren<QDockWidget *>())
                    s << QString::number(dock->isHidden());
                if (d != nullptr)
                    s << QString::number(d->inputData().layerCount())
                      << QString::number(int(d->projectInformation().HeatFlowDirection));
                return s;
            };
            w.window->show();
            const QStringList before = state();
            action->trigger();
            QVERIFY2(state() != before, qPrintable(id + " did nothing"));
        }
    }

    // The undo texts of the layer operations and the heat flow direction.
    void layerOperationTexts_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("material"); // the picker's choice; empty: cancelled
        QTest::addColumn<QString>("text");     // empty: nothing recorded
        const QString eps = "EPS board WLS 040";
        QTest::newRow("add left") << "AddLeft" << eps << ": Add layer left to no. 3";
        QTest::newRow("add left, picker cancelled") << "AddLeft"
                                                    << ""
                                                    << "";
        QTest::newRow("add right") << "AddRight" << eps << ": Add layer right to no. 3";
        QTest::newRow("remove") << "RemoveLayer"
                                << ""
                                << ": Remove layer no. 3";
        QTest::newRow("move left") << "MoveLeft"
                                   << ""
                                   << ": Move layer no. 3 to left";
        QTest::newRow("move right") << "MoveRight"
                                    << ""
                                    << ": Move layer no. 3 to right";
        QTest::newRow("select material") << "SelectMaterial" << eps << ": Change material on layer no. 3";
        QTest::newRow("horizontal heat flow") << "HorizontalHeatFlow"
                                              << ""
                                              << ": Change heat flow direction to 2";
        QTest::newRow("heat flow down") << "HeatFlowDown"
                                        << ""
                                        << ": Change heat flow direction to 1";
    }
    void layerOperationTexts() {
        QFETCH(QString, action);
        QFETCH(QString, material);
        QFETCH(QString, text);
        Window w;
        makeAirProject();
        InputData &data = Project::instance().document()->inputData();
        data.insertLayer(0, data.layer(0)); // M M air M: layer 3 has neighbours on both sides
        Project::instance().setModified(Project::ModificationType::InputData);
        QVERIFY(w.visible("toolBarHeatFlowDirection"));
        QVERIFY(w.action("HeatFlowUp")->isChecked());
        w.table()->setCurrentCell(0, 3);
        if (!material.isEmpty())
            w.dialogs->materials << material;
        w.action(action)->trigger();
        QCOMPARE(w.undoStack()->count(), text.isEmpty() ? 0 : 1);
        QCOMPARE(w.undoStack()->undoText(), text);
        if (!text.isEmpty())
            QCOMPARE(w.window->findChild<QAction *>("actionUndo")->text(), "Undo " + text);
    }

    // Undo and redo back to the saved state make the project unmodified again; a project never
    // saved, or changed past the history, has no such state.
    void undoToTheSavedState() {
        Window w;
        const auto addLayer = [&w]() {
            w.dialogs->materials << "EPS board WLS 040";
            w.table()->setCurrentCell(0, 1);
            w.action("AddRight")->trigger();
        };
        const auto step = [&w](bool undo, const QString &title) {
            undo ? w.undoStack()->undo() : w.undoStack()->redo();
            QCOMPARE(w.title(), title);
            QCOMPARE(Project::instance().isModified(), title.endsWith('*'));
        };
        w.dialogs->fileNames << BrickWall;
        w.action("Open")->trigger();
        addLayer();
        QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p*"));
        step(true, "Tavo 2 - brick-wall-etics.t2p");
        step(false, "Tavo 2 - brick-wall-etics.t2p*");
        w.dialogs->fileNames << m_dir.filePath("saved.t2p");
        w.action("SaveAs")->trigger();
        QCOMPARE(w.title(), QString("Tavo 2 - saved.t2p"));
        step(true, "Tavo 2 - saved.t2p*");
        step(false, "Tavo 2 - saved.t2p");
        Project::instance().setModified(Project::ModificationType::ProjectInformation);
        step(true, "Tavo 2 - saved.t2p*");
        step(false, "Tavo 2 - saved.t2p*");

        w.dialogs->answers << QMessageBox::Discard;
        w.action("New")->trigger();
        QCOMPARE(w.undoStack()->count(), 0); // no command of the old project may be replayed
        addLayer();
        step(true, "Tavo 2 - unnamed.t2p*");
    }

    void exports_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter"); // index in the export dialog's filters
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("chart image.jpeg as PNG") << "Chart"
                                                 << "image.jpeg" << 0 << "image.png" << QByteArray("\x89PNG");
        QTest::newRow("chart as SVG") << "Chart"
                                      << "chart.svg" << 2 << "chart.svg" << QByteArray("<?xml");
        QTest::newRow("chart as PDF") << "Chart"
                                      << "chart" << 1 << "chart.pdf" << QByteArray("%PDF");
        QTest::newRow("sketch as JPG") << "Sketch"
                                       << "wall.v2.png" << 3 << "wall.v2.jpg" << QByteArray("\xFF\xD8");
        QTest::newRow("sketch as PDF") << "Sketch"
                                       << "wall.png" << 1 << "wall.pdf" << QByteArray("%PDF");
        QTest::newRow("sketch as SVG") << "Sketch"
                                       << "wall" << 2 << "wall.svg" << QByteArray("<?xml");
    }
    void exports() {
        QFETCH(QString, what);
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        QTemporaryDir dir;
        Window w;
        makeProject(2);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QStringList filters = ImageExport::nameFilters();
        w.dialogs->exports << qMakePair(dir.filePath(chosen), filters.at(filter));
        w.action("Export" + what)->trigger();
        QFile file(dir.filePath(written));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(w.dialogs->message));
        QVERIFY(file.size() > 100 && file.read(start.size()) == start);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(Settings::instance().m_lastExportFile, dir.filePath(written));
        if (filter == 2)
            QVERIFY(file.readAll().contains(what == "Chart" ? "<title>Water content diagram</title>"
                                                            : "<title>Construction Sketch</title>"));
        // the dialog proposes the extension of the type chosen in it; PDF leaves it as it was
        const QString suffix = w.window->findChild<QFileDialog *>("exportFileDialog")->defaultSuffix();
        QCOMPARE(suffix, filter == 1 ? QString("png") : written.section('.', -1));
    }

    // The type's extension may name another file than the one the dialog asked about: ask before
    // replacing it. A file that cannot be written is reported and nothing is left behind.
    void exportAsksAndFails() {
        QTemporaryDir dir;
        Window w;
        makeProject(2);
        QFile old(dir.filePath("wall.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        const QString pdf = ImageExport::nameFilters().at(1);
        w.dialogs->exports << qMakePair(dir.filePath("wall.png"), pdf)
                           << qMakePair(dir.filePath("wall.png"), pdf)
                           << qMakePair(dir.filePath("no-dir/wall.png"), ImageExport::nameFilters().at(0));
        w.dialogs->answers << QMessageBox::No << QMessageBox::Yes;
        w.action("ExportChart")->trigger();
        QCOMPARE(w.dialogs->kinds, QStringList({"export", "question"}));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
        old.close();
        w.action("ExportChart")->trigger();
        QVERIFY(old.open(QIODevice::ReadOnly) && old.read(4) == "%PDF");
        w.action("ExportChart")->trigger();
        QCOMPARE(w.dialogs->kinds.last(), QString("critical"));
        QVERIFY2(w.dialogs->message.startsWith("Export failed | The file '" +
                                               dir.filePath("no-dir/wall.png") + "' could not be written."),
                 qPrintable(w.dialogs->message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"wall.pdf"});
    }

    // A construction stored from one project, the program restarted (the database read anew from
    // its file), and added into another project left of its only layer: the same layers, in
    // order; undo takes them out again.
    void storedConstructionIntoAnotherProject() {
        Settings::instance().m_userMaterialsDirectory = m_dir.filePath("constructions");
        ConstructionList::destroyInstance();
        QVector<MaterialLayer> stored;
        {
            Window w;
            makeProject(0);
            InputData &data = Project::instance().document()->inputData();
            data.insertLayer(0, MaterialLayer(*MaterialList::instance().material(493), 0.24));
            data.insertLayer(1, MaterialLayer(*MaterialList::instance().material(282), 0.12));
            Project::instance().setModified(Project::ModificationType::InputData);
            stored = data.layers();
            w.dialogs->constructionNames << "Stored wall";
            w.action("AddToConstructionDatabase")->trigger();
            QCOMPARE(w.window->statusBar()->currentMessage(),
                     QString("The construction 'Stored wall' was added to the construction database."));
        }
        ConstructionList::destroyInstance(); // as at the end of the program
        {
            Window w;
            makeProject(1);
            const InputData before = Project::instance().document()->inputData();
            w.table()->setCurrentCell(0, 1);
            w.dialogs->constructions << "Stored wall";
            w.action("AddLeft")->trigger();
            QCOMPARE(w.undoStack()->undoText(), QString(": Add construction left to no. 1"));
            const QVector<MaterialLayer> layers = Project::instance().document()->inputData().layers();
            QCOMPARE(layers.mid(0, 2), stored);
            QCOMPARE(layers.at(2), before.layer(0));
            QCOMPARE(w.table()->currentColumn(), 1);
            w.undoStack()->undo();
            QVERIFY(Project::instance().document()->inputData() == before);

            w.dialogs->constructions << "Stored wall";
            w.action("AddRight")->trigger();
            QCOMPARE(w.undoStack()->undoText(), QString(": Add construction right to no. 1"));
            QCOMPARE(Project::instance().document()->inputData().layers().mid(1), stored);
            // Select Material and the double click take only a material.
            w.dialogs->constructions << "Stored wall";
            w.action("SelectMaterial")->trigger();
            QCOMPARE(w.undoStack()->count(), 1);
            QCOMPARE(w.dialogs->kinds.count("database"), 3);
        }
        ConstructionList::destroyInstance();
    }

    // The construction database is read when the database dialog first opens; a damaged file is
    // kept and the user told before the dialog shows what could be read.
    void damagedConstructionFileIsReported() {
        const QString dir = m_dir.filePath("damaged-constructions");
        QDir().mkpath(dir);
        QFile file(dir + "/ConstructionData.constr");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray::fromHex("0000000100000002")) == 8);
        file.close();
        Settings::instance().m_userMaterialsDirectory = dir;
        ConstructionList::destroyInstance();
        {
            Window w;
            w.action("EditMaterialDatabase")->trigger();
            QCOMPARE(w.dialogs->kinds, (QStringList{"warning", "database"}));
            QVERIFY2(w.dialogs->message.startsWith("Construction database | ") &&
                         w.dialogs->message.contains(".corrupt"),
                     qPrintable(w.dialogs->message));
        }
        ConstructionList::destroyInstance();
    }

    void editMaterialDatabase() {
        Window w;
        w.action("EditMaterialDatabase")->trigger();
        QCOMPARE(w.dialogs->kinds, QStringList{"database"});
        auto *dialog = w.window->findChild<MaterialDatabaseDialog *>();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->mode(), MaterialDatabaseDialog::EditMode);
        QCOMPARE(dialog->choice(), MaterialDatabaseDialog::NothingChosen);
    }

    void addMaterialToUserDatabase() {
        Window w;
        makeProject(2);
        MaterialList &list = MaterialList::instance();
        const int count = list.userCount();
        w.table()->setCurrentCell(0, 2);
        w.action("AddMaterialToUserDatabase")->trigger();
        QCOMPARE(list.userCount(), count + 1);
        QCOMPARE(w.window->statusBar()->currentMessage(),
                 QString("The material 'M' was added to the user database."));
        w.action("AddMaterialToUserDatabase")->trigger();
        QCOMPARE(list.userCount(), count + 1);
        QCOMPARE(w.window->statusBar()->currentMessage(),
                 QString("The material 'M' is already in the user database."));
        list.removeUserMaterial(list.userMaterials().last().materialId);
        // an invalid material is refused with a reason
        Project::instance().document()->inputData().setLayerParameter(1, MaterialLayer::ThermalConductivity,
                                                                      0);
        w.action("AddMaterialToUserDatabase")->trigger();
        QCOMPARE(list.userCount(), count);
        QCOMPARE(w.dialogs->kinds.last(), QString("warning"));
    }

    void helpMenu() {
        Window w;
        w.action("Show_Logfile")->trigger();
        w.action("About")->trigger();
        w.action("AboutQt")->trigger();
        w.action("WebPage")->trigger();
        // the build makes the manual of every language: F1 in the about dialog opens it
        QCOMPARE(w.dialogs->kinds, QStringList({"log " + logFilePath(), "about", "aboutQt"}));
        QCOMPARE(w.dialogs->urls.size(), 2);
        QVERIFY(w.dialogs->urls.at(0).toString().endsWith("/DB_help/Tavo2_Documentation_en.pdf"));
        QVERIFY(QFileInfo(w.dialogs->urls.at(0).toLocalFile()).isFile());
        QCOMPARE(w.dialogs->urls.at(1).scheme(), QString("https"));
        // a language without a manual: the message says where the program looked
        CurrentLanguage::instance().setId("xx");
        w.action("Help")->trigger();
        CurrentLanguage::instance().setId("en");
        QCOMPARE(w.dialogs->kinds.last(), QString("warning"));
        QVERIFY(w.dialogs->message.endsWith("/DB_help/Tavo2_Documentation_xx.pdf"));
        w.dialogs->urlsOpen = false;
        w.action("WebPage")->trigger();
        QCOMPARE(w.dialogs->kinds.last(), QString("warning"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
