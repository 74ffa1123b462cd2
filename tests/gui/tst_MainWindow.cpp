#include <QtTest>

#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QUndoStack>

#include "ConstructionTableWidget.h"
#include "DiagramView.h"
#include "MainWindow.h"
#include "Project.h"
#include "Settings.h"
#include "StandardUserDialogs.h"
#include "T2_ResultsWidget.h"

namespace {

// Answers every dialog from a script and records what was asked.
class ScriptedDialogs : public UserDialogs {
public:
    struct Call {
        QString kind;
        QString title;
        QString text;
    };
    QList<Call> calls;
    QList<QMessageBox::StandardButton> answers; // question and critical, in order
    QStringList fileNames;                      // open and save dialogs, in order; "" = cancel
    bool wizardAccepts = true;
    int wizardCalls = 0;

    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons) override {
        calls.append({"question", title, text});
        return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
    }
    QMessageBox::StandardButton critical(QWidget *, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons) override {
        calls.append({"critical", title, text});
        if (buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
    }
    void information(QWidget *, const QString &title, const QString &text) override {
        calls.append({"information", title, text});
    }
    void warning(QWidget *, const QString &title, const QString &text) override {
        calls.append({"warning", title, text});
    }
    QString openFileName(QWidget *, const QString &caption, const QString &, const QString &) override {
        calls.append({"open", caption, QString()});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &) override {
        calls.append({"save", caption, QString()});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    bool newProjectWizard(QWidget *parent, Document &document) override {
        ++wizardCalls;
        calls.append({"wizard", QString(), QString()});
        return wizardAccepts && StandardUserDialogs().newProjectWizard(parent, document);
    }
    QStringList kinds() const {
        QStringList k;
        for (const Call &c : calls)
            k << c.kind;
        return k;
    }
};

struct Window {
    ScriptedDialogs *dialogs;
    std::unique_ptr<MainWindow> window;

    Window() {
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        window = std::make_unique<MainWindow>(nullptr, nullptr, std::move(d));
    }
    QAction *action(const char *name) const {
        QAction *a = window->findChild<QAction *>(QString::fromLatin1(name));
        if (a == nullptr)
            qFatal("no action %s", name);
        return a;
    }
    ConstructionTableWidget *table() const {
        return window->findChild<ConstructionTableWidget *>("tableWidgetConstruction");
    }
    QStackedWidget *editors() const {
        return window->findChild<QStackedWidget *>("stackedWidgetClimateMaterial");
    }
    QString title() const { return window->windowTitle(); }
};

Material testMaterial(const QString &name, bool air = false) {
    Material m(name, MaterialCategory(MaterialCategory::Concrete), QString(), QString(), QString(), QString(),
               2000, 1.5, 50, 0.02, 0.2, 0.01, 1);
    m.color = Qt::gray;
    if (air)
        m.setFlag(MF_Air);
    return m;
}

/*! Opens a project of \a layerCount layers directly in the project, as an editor would. */
void makeProject(int layerCount, bool withAir = false) {
    Project &project = Project::instance();
    project.newDocument();
    QVector<MaterialLayer> &layers = project.document()->inputData().layers();
    for (int i = 0; i < layerCount; ++i)
        layers.append(MaterialLayer(testMaterial(QString("Layer %1").arg(i + 1), withAir && i == 0), 0.1));
    project.setModified(Project::InputDataModified);
}

QString brickWall() {
    return QStringLiteral(TAVO_EXAMPLES_DIR "/brick-wall-etics.t2p");
}

} // namespace

using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QList<Button>)

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveNameRules_data();
    void saveNameRules();
    void newProjectFlow();
    void newProjectCancelledLeavesNoProject();
    void askToSaveOnClose_data();
    void askToSaveOnClose();
    void newProjectCancelledAtSaveQuestion();
    void openFlowAndRecentDeduplication();
    void openMissingFile();
    void openBrokenFile();
    void openClearsUndoHistory();
    void recentMissingFile_data();
    void recentMissingFile();
    void recentMenuEmptyIsDisabled();
    void saveFailureKeepsProject();
    void titleShowsModification();
    void actionStates_data();
    void actionStates();
    void currentColumnClampedWhenLayersGo();
    void heatFlowToolbar_data();
    void heatFlowToolbar();
    void resultsLinks_data();
    void resultsLinks();
    void startProject_data();
    void startProject();
    void closeWritesLastProjectFile();
    void invalidInputSwitchesResultsToErrors();

private:
    QTemporaryDir m_dir;
};

void tst_MainWindow::initTestCase() {
    QVERIFY(m_dir.isValid());
    Settings &settings = Settings::instance();
    settings.setUndoStack(new QUndoStack(&settings));
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
    QVERIFY(QFile::exists(brickWall()));
}

void tst_MainWindow::init() {
    Settings::instance().resetToDefaults();
    Settings::instance().undoStack()->clear();
    Project &project = Project::instance();
    project.closeDocument();
    project.setFileName(QString());
    project.setUnmodified();
}

void tst_MainWindow::cleanup() {
    Project::instance().closeDocument();
}

void tst_MainWindow::saveNameRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("no extension") << "wall"
                                  << "wall.t2p";
    QTest::newRow("capital extension is not ours") << "wall.T2P"
                                                   << "wall.T2P.t2p";
    QTest::newRow("extension kept") << "wall.t2p"
                                    << "wall.t2p";
    QTest::newRow("t2p without dot is no extension") << "wallt2p"
                                                     << "wallt2p.t2p";
    QTest::newRow("t2p inside the name") << "t2p-wall.t2p"
                                         << "t2p-wall.t2p";
}

void tst_MainWindow::saveNameRules() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QCOMPARE(MainWindow::projectFileName(name), stored);

    Window w;
    w.dialogs->fileNames << m_dir.filePath(name);
    w.action("actionNew")->trigger();
    w.action("actionSaveAs")->trigger();
    const QString expected = m_dir.filePath(stored);
    QVERIFY2(QFile::exists(expected), qPrintable(expected));
    QCOMPARE(Project::instance().fileName(), expected);
    QVERIFY(!Project::instance().isModified());
    QCOMPARE(Settings::instance().m_recentProjects.value(0), expected);
    QCOMPARE(Settings::instance().m_lastProjectFile, expected);
    QCOMPARE(w.title(), "Tavo 2 - " + stored);
    QFile::remove(expected);
}

void tst_MainWindow::newProjectFlow() {
    Settings::instance().m_defaultProjectInformation.ProjectName = "Default name";
    Settings::instance().m_defaultProjectInformation.HeatFlowDirection = 0;
    Settings::instance().m_lastProjectFile = "/old/last.t2p";
    Window w;
    QCOMPARE(w.title(), QString("Tavo 2"));
    QVERIFY(!w.table()->isVisibleTo(w.window.get()));
    Settings::instance().undoStack()->push(new QUndoCommand("old edit"));

    w.action("actionNew")->trigger();
    Project &project = Project::instance();
    QVERIFY(project.hasDocument());
    QCOMPARE(project.document()->inputData().layers().size(), 1);
    QCOMPARE(project.document()->inputData().layers().at(0).width(), 0.1);
    QCOMPARE(project.document()->projectInformation().ProjectName, QString("Default name"));
    QCOMPARE(project.document()->projectInformation().HeatFlowDirection, 0);
    QVERIFY(project.fileName().isEmpty());
    QCOMPARE(w.title(), QString("Tavo 2 - unnamed.t2p*"));
    QCOMPARE(Settings::instance().undoStack()->count(), 0);
    QVERIFY(Settings::instance().m_lastProjectFile.isEmpty());
    for (const char *name :
         {"tableWidgetConstruction", "diagramView", "stackedWidgetClimateMaterial", "widgetResults"})
        QVERIFY2(w.window->findChild<QWidget *>(name)->isVisibleTo(w.window.get()), name);
    // the construction table: warm side, one layer, cold side; the layer is current
    QCOMPARE(w.table()->columnCount(), 3);
    QCOMPARE(w.table()->currentColumn(), 1);
    QCOMPARE(w.editors()->currentIndex(), 0);
    QVERIFY(w.window->findChild<QLabel *>("materialEditor")->text().contains("Vollziegel"));
    // an unmodified empty window asks nothing
    QCOMPARE(w.dialogs->kinds(), QStringList{"wizard"});
    // the diagram starts with the moisture content profile; the toggle switches it
    DiagramView *diagram = w.window->findChild<DiagramView *>("diagramView");
    QVERIFY(w.action("actionToggleGlaser")->isChecked());
    QCOMPARE(diagram->diagramType(), 3);
    w.action("actionToggleGlaser")->trigger();
    QCOMPARE(diagram->diagramType(), 2);
    Project::instance().setModified(Project::InputDataModified);
    QVERIFY(!w.action("actionToggleGlaser")->isChecked());
}

void tst_MainWindow::newProjectCancelledLeavesNoProject() {
    Window w;
    w.dialogs->wizardAccepts = false;
    w.action("actionNew")->trigger();
    QVERIFY(!Project::instance().hasDocument());
    QCOMPARE(w.title(), QString("Tavo 2"));
    QVERIFY(!w.action("actionSave")->isEnabled());
}

void tst_MainWindow::askToSaveOnClose_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<QString>("saveAsName"); // "" cancels the Save-as dialog
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("fileWritten");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("unmodified: no question")
        << false << true << QList<Button>{} << "" << true << false << QStringList{};
    QTest::newRow("cancel keeps the window") << true << true << QList<Button>{QMessageBox::Cancel} << ""
                                             << false << false << QStringList{"question"};
    QTest::newRow("discard closes without saving") << true << true << QList<Button>{QMessageBox::Discard}
                                                   << "" << true << false << QStringList{"question"};
    QTest::newRow("save under the file name")
        << true << true << QList<Button>{QMessageBox::Save} << "" << true << true << QStringList{"question"};
    QTest::newRow("save, Save-as cancelled keeps the window")
        << true << false << QList<Button>{QMessageBox::Save} << "" << false << false
        << QStringList{"question", "save"};
    QTest::newRow("save through Save-as") << true << false << QList<Button>{QMessageBox::Save} << "saved-as"
                                          << true << true << QStringList{"question", "save"};
}

void tst_MainWindow::askToSaveOnClose() {
    QFETCH(bool, modified);
    QFETCH(bool, named);
    QFETCH(QList<Button>, answers);
    QFETCH(QString, saveAsName);
    QFETCH(bool, closed);
    QFETCH(bool, fileWritten);
    QFETCH(QStringList, asked);

    const QString fileName = named ? m_dir.filePath("named.t2p") : m_dir.filePath("saved-as.t2p");
    QFile::remove(fileName);
    Window w;
    makeProject(2);
    Project &project = Project::instance();
    if (named)
        project.setFileName(fileName);
    if (!modified)
        project.setUnmodified();
    QUndoStack *stack = Settings::instance().undoStack();
    stack->push(new QUndoCommand("edit"));
    w.dialogs->answers = answers;
    if (!saveAsName.isEmpty())
        w.dialogs->fileNames << m_dir.filePath(saveAsName);

    w.window->show();
    QCOMPARE(w.window->close(), closed);
    QCOMPARE(w.dialogs->kinds(), asked);
    QCOMPARE(QFile::exists(fileName), fileWritten);
    QCOMPARE(project.hasDocument(), !closed);
    // the history goes with the project, and only then
    QCOMPARE(stack->count(), closed ? 0 : 1);
    if (!closed) {
        QCOMPARE(project.isModified(), modified);
        QCOMPARE(project.document()->inputData().layers().size(), 2);
    }
    if (fileWritten) {
        // the settings written on the way out know the saved file
        QSettings store(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
        QCOMPARE(store.value("LastProjectFile").toString(), fileName);
    }
}

void tst_MainWindow::newProjectCancelledAtSaveQuestion() {
    Window w;
    makeProject(3);
    w.dialogs->answers << QMessageBox::Cancel;
    w.action("actionNew")->trigger();
    QCOMPARE(w.dialogs->wizardCalls, 0);
    QCOMPARE(Project::instance().document()->inputData().layers().size(), 3);
    QCOMPARE(w.title(), QString("Tavo 2 - unnamed.t2p*"));
}

void tst_MainWindow::openFlowAndRecentDeduplication() {
    Settings::instance().m_recentProjects = QStringList{"/a.t2p", brickWall(), "/b.t2p"};
    Window w;
    for (int i = 0; i < 2; ++i) {
        w.dialogs->fileNames << brickWall();
        w.action("actionOpen")->trigger();
    }
    Project &project = Project::instance();
    QVERIFY(project.hasDocument());
    QCOMPARE(project.fileName(), brickWall());
    QVERIFY(!project.isModified());
    QCOMPARE(project.document()->inputData().layers().size(), 6);
    QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p"));
    QCOMPARE(Settings::instance().m_recentProjects, (QStringList{brickWall(), "/a.t2p", "/b.t2p"}));
    QCOMPARE(Settings::instance().m_lastProjectFile, brickWall());
    // the menu follows the list
    QMenu *menu = w.action("actionRecentProjects")->menu();
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), 3);
    QCOMPARE(menu->actions().at(0)->data().toString(), brickWall());
    QVERIFY(!w.dialogs->kinds().contains("critical"));
    // the results show the opened construction
    QCOMPARE(w.window->findChild<T2_ResultsWidget *>("widgetResults")->inputData().layers().size(), 6);
    QCOMPARE(w.table()->columnCount(), 8);
}

void tst_MainWindow::openMissingFile() {
    Window w;
    makeProject(1);
    const QString missing = m_dir.filePath("missing.t2p");
    w.dialogs->fileNames << missing;
    w.action("actionOpen")->trigger();
    QCOMPARE(w.dialogs->kinds(), (QStringList{"open", "critical"}));
    QCOMPARE(w.dialogs->calls.at(1).title, QString("Error #4: File not found"));
    QCOMPARE(w.dialogs->calls.at(1).text,
             QString("The file '%1' cannot be found or does not exist.").arg(missing));
    QVERIFY(Project::instance().hasDocument());
}

void tst_MainWindow::openBrokenFile() {
    const QString broken = m_dir.filePath("broken.t2p");
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<TavoProject><InputData>");
    f.close();
    Window w;
    w.dialogs->fileNames << broken;
    w.action("actionOpen")->trigger();
    QCOMPARE(w.dialogs->kinds(), (QStringList{"open", "critical"}));
    QCOMPARE(w.dialogs->calls.at(1).title, QString("Error loading project file"));
    QVERIFY(!w.dialogs->calls.at(1).text.isEmpty());
    QVERIFY(!Project::instance().hasDocument());
    QCOMPARE(w.title(), QString("Tavo 2"));
    QVERIFY(!w.table()->isVisibleTo(w.window.get()));
    QVERIFY(!Settings::instance().m_recentProjects.contains(broken));
}

void tst_MainWindow::openClearsUndoHistory() {
    Window w;
    makeProject(2);
    Project::instance().setUnmodified();
    QUndoStack *stack = Settings::instance().undoStack();
    stack->push(new QUndoCommand("edit of the old project"));
    w.dialogs->fileNames << brickWall();
    w.action("actionOpen")->trigger();
    QCOMPARE(stack->count(), 0);
    QVERIFY(!stack->canUndo());
}

void tst_MainWindow::recentMissingFile_data() {
    QTest::addColumn<Button>("answer");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("yes removes it") << QMessageBox::Yes << QStringList{"/b.t2p"};
    QTest::newRow("no keeps it") << QMessageBox::No << QStringList{"/gone.t2p", "/b.t2p"};
}

void tst_MainWindow::recentMissingFile() {
    QFETCH(Button, answer);
    QFETCH(QStringList, remaining);
    Settings::instance().m_recentProjects = QStringList{"/gone.t2p", "/b.t2p"};
    Window w;
    w.dialogs->answers << answer;
    w.action("actionRecentProjects")->menu()->actions().at(0)->trigger();
    QCOMPARE(w.dialogs->kinds(), QStringList{"critical"});
    QCOMPARE(w.dialogs->calls.at(0).title, QString("Error #5: File not found"));
    QCOMPARE(w.dialogs->calls.at(0).text,
             QString("The file '/gone.t2p' cannot be found or does not exist.\nRemove this file from list?"));
    QCOMPARE(Settings::instance().m_recentProjects, remaining);
    QCOMPARE(w.action("actionRecentProjects")->menu()->actions().size(), remaining.size());
}

void tst_MainWindow::recentMenuEmptyIsDisabled() {
    Window w;
    QVERIFY(!w.action("actionRecentProjects")->isEnabled());
    QVERIFY(w.action("actionRecentProjects")->menu() == nullptr);
    // a recent file that exists is opened
    Settings::instance().m_recentProjects = QStringList{brickWall()};
    Window w2;
    QVERIFY(w2.action("actionRecentProjects")->isEnabled());
    w2.action("actionRecentProjects")->menu()->actions().at(0)->trigger();
    QCOMPARE(Project::instance().fileName(), brickWall());
}

void tst_MainWindow::saveFailureKeepsProject() {
    Window w;
    makeProject(2);
    const QString oldName = m_dir.filePath("old.t2p");
    Project::instance().setFileName(oldName);
    Project::instance().setModified(Project::DisplayModified);
    w.dialogs->fileNames << m_dir.filePath("no-such-dir/new.t2p");
    w.action("actionSaveAs")->trigger();
    QCOMPARE(w.dialogs->kinds(), (QStringList{"save", "critical"}));
    QCOMPARE(w.dialogs->calls.at(1).title, QString("Error #3: Saving failed"));
    QCOMPARE(w.dialogs->calls.at(1).text, QString("Error while saving project file!"));
    QVERIFY(Project::instance().isModified());
    QCOMPARE(Project::instance().fileName(), oldName);
    QVERIFY(Settings::instance().m_recentProjects.isEmpty());
    QCOMPARE(w.title(), QString("Tavo 2 - old.t2p*"));
}

void tst_MainWindow::titleShowsModification() {
    Window w;
    w.dialogs->fileNames << brickWall();
    w.action("actionOpen")->trigger();
    QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p"));
    Project::instance().setModified(Project::DisplayModified);
    QCOMPARE(w.title(), QString("Tavo 2 - brick-wall-etics.t2p*"));
    const QString copy = m_dir.filePath("copy.t2p");
    w.dialogs->fileNames << copy;
    w.action("actionSaveAs")->trigger();
    QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p"));
    Project::instance().setModified(Project::ProjectInformationModified);
    QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p*"));
    w.action("actionSave")->trigger();
    QCOMPARE(w.title(), QString("Tavo 2 - copy.t2p"));
    QCOMPARE(w.dialogs->kinds(), (QStringList{"open", "save"}));
}

void tst_MainWindow::actionStates_data() {
    QTest::addColumn<int>("layers"); // -1: no project
    QTest::addColumn<int>("column"); // -1: as the refresh leaves it
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("editorPage");
    const QString always = "Open ";
    const QString project = "Save SaveAs Print ExportChart ExportSketch CopyChart CopySketch "
                            "EditProjectInformation AddToConstructionDatabase Report ToggleGlaser ";
    QTest::newRow("no project") << -1 << -1 << always << -1;
    QTest::newRow("project without layers") << 0 << -1 << always << -1;
    QTest::newRow("1 layer: only adding")
        << 1 << 1 << always + project + "SelectMaterial AddLeft AddRight AddMaterialToUserDatabase" << 0;
    QTest::newRow("2 layers, first")
        << 2 << 1
        << always + project +
               "SelectMaterial AddLeft AddRight AddMaterialToUserDatabase RemoveLayer MoveRight"
        << 0;
    QTest::newRow("2 layers, second")
        << 2 << 2
        << always + project + "SelectMaterial AddLeft AddRight AddMaterialToUserDatabase RemoveLayer MoveLeft"
        << 0;
    QTest::newRow("2 layers, warm side") << 2 << 0 << always + project << 1;
    QTest::newRow("2 layers, cold side") << 2 << 3 << always + project << 1;
}

void tst_MainWindow::actionStates() {
    QFETCH(int, layers);
    QFETCH(int, column);
    QFETCH(QString, enabled);
    QFETCH(int, editorPage);
    Window w;
    if (layers >= 0)
        makeProject(layers);
    if (column >= 0)
        w.table()->setCurrentCell(0, column);
    const QStringList all{"Open",
                          "Save",
                          "SaveAs",
                          "Print",
                          "ExportChart",
                          "ExportSketch",
                          "CopyChart",
                          "CopySketch",
                          "EditProjectInformation",
                          "AddToConstructionDatabase",
                          "Report",
                          "ToggleGlaser",
                          "SelectMaterial",
                          "AddLeft",
                          "AddRight",
                          "AddMaterialToUserDatabase",
                          "RemoveLayer",
                          "MoveLeft",
                          "MoveRight"};
    const QStringList expected = enabled.split(' ', Qt::SkipEmptyParts);
    for (const QString &name : all) {
        const bool on = w.action(qPrintable("action" + name))->isEnabled();
        QVERIFY2(on == expected.contains(name), qPrintable(QString("%1 enabled: %2").arg(name).arg(on)));
    }
    QVERIFY(!w.action("actionUseHashes")->isVisible());
    const bool views = layers > 0;
    QCOMPARE(w.table()->isVisibleTo(w.window.get()), views);
    QCOMPARE(w.window->findChild<QWidget *>("widgetResults")->isVisibleTo(w.window.get()), views);
    if (!views)
        QCOMPARE(w.title(), QString("Tavo 2"));
    if (editorPage >= 0)
        QCOMPARE(w.editors()->currentIndex(), editorPage);
}

void tst_MainWindow::currentColumnClampedWhenLayersGo() {
    Window w;
    makeProject(4);
    w.table()->setCurrentCell(0, 4);
    QCOMPARE(w.action("actionMoveRight")->isEnabled(), false);
    Project &project = Project::instance();
    project.document()->inputData().layers().resize(2);
    project.setModified(Project::InputDataModified);
    QCOMPARE(w.table()->columnCount(), 4);
    QCOMPARE(w.table()->currentColumn(), 2);
    QVERIFY(w.action("actionMoveLeft")->isEnabled());
    QVERIFY(!w.action("actionMoveRight")->isEnabled());
    // down to one layer: column 2 is now the cold side, still inside the table
    project.document()->inputData().layers().resize(1);
    project.setModified(Project::InputDataModified);
    QCOMPARE(w.table()->currentColumn(), 2);
    QCOMPARE(w.editors()->currentIndex(), 1);
    w.table()->setCurrentCell(0, 1);
    QVERIFY(!w.action("actionRemoveLayer")->isEnabled());
    QVERIFY(w.action("actionAddLeft")->isEnabled());
}

void tst_MainWindow::heatFlowToolbar_data() {
    QTest::addColumn<bool>("air");
    QTest::addColumn<int>("direction");
    QTest::newRow("no air layer: hidden") << false << 2;
    QTest::newRow("air, upwards") << true << 0;
    QTest::newRow("air, downwards") << true << 1;
    QTest::newRow("air, horizontal") << true << 2;
}

void tst_MainWindow::heatFlowToolbar() {
    QFETCH(bool, air);
    QFETCH(int, direction);
    Window w;
    makeProject(0);
    Project::instance().document()->projectInformation().HeatFlowDirection = direction;
    Project::instance().document()->inputData().layers().append(MaterialLayer(testMaterial("A", air), 0.02));
    Project::instance().setModified(Project::InputDataModified);
    QToolBar *toolbar = w.window->findChild<QToolBar *>("toolBarHeatFlowDirection");
    QCOMPARE(toolbar->isVisibleTo(w.window.get()), air);
    if (!air)
        return;
    const std::map<int, const char *> actions{
        {0, "actionHeatFlowUp"}, {1, "actionHeatFlowDown"}, {2, "actionHorizontalHeatFlow"}};
    for (const auto &a : actions) {
        QCOMPARE(w.action(a.second)->data().toInt(), a.first);
        QCOMPARE(w.action(a.second)->isChecked(), a.first == direction);
    }
}

void tst_MainWindow::resultsLinks_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("column");
    QTest::newRow("layer-2 selects column 2") << "layer-2" << 2;
    QTest::newRow("layer-3 selects column 3") << "layer-3" << 3;
    QTest::newRow("not a number") << "layer-x" << 1;
    QTest::newRow("other prefix") << "zone-2" << 1;
    QTest::newRow("beyond the table") << "layer-9" << 1;
}

void tst_MainWindow::resultsLinks() {
    QFETCH(QString, link);
    QFETCH(int, column);
    Window w;
    makeProject(3);
    QCOMPARE(w.table()->currentColumn(), 1);
    w.window->resultsLinkClicked(link);
    QCOMPARE(w.table()->currentColumn(), column);
}

void tst_MainWindow::startProject_data() {
    QTest::addColumn<int>("restartMode");
    QTest::addColumn<QString>("initialFile");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("asked");
    QTest::newRow("mode 1 opens the file") << 1 << brickWall() << true << "";
    QTest::newRow("mode 0 starts without project") << 0 << brickWall() << false << "";
    QTest::newRow("mode 1 without file") << 1 << "" << false << "";
    QTest::newRow("mode 1, missing file reported") << 1 << "/no/such/file.t2p" << false << "critical";
}

void tst_MainWindow::startProject() {
    QFETCH(int, restartMode);
    QFETCH(QString, initialFile);
    QFETCH(bool, opened);
    QFETCH(QString, asked);
    Settings::instance().m_defaultRestartMode = restartMode;
    Settings::instance().m_initialProjectFile = initialFile;
    Window w;
    QCOMPARE(Project::instance().hasDocument(), opened);
    QCOMPARE(w.dialogs->kinds().join(' '), asked);
    QCOMPARE(w.title(), opened ? QString("Tavo 2 - brick-wall-etics.t2p") : QString("Tavo 2"));
}

void tst_MainWindow::closeWritesLastProjectFile() {
    Window w;
    w.dialogs->fileNames << brickWall();
    w.action("actionOpen")->trigger();
    w.window->show();
    QVERIFY(w.window->close());
    QSettings store(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    QCOMPARE(store.value("LastProjectFile").toString(), brickWall());
    QCOMPARE(store.value("ProjectDefaults/RecentProjects").toStringList(), QStringList{brickWall()});
}

void tst_MainWindow::invalidInputSwitchesResultsToErrors() {
    Window w;
    w.dialogs->fileNames << QStringLiteral(TAVO_TEST_DATA_DIR "/mainwindow/zero-width-layer.t2p");
    w.action("actionOpen")->trigger();
    QVERIFY(w.dialogs->kinds() == QStringList{"open"});
    auto *results = w.window->findChild<T2_ResultsWidget *>("widgetResults");
    QVERIFY(results->isVisibleTo(w.window.get()));
    QVERIFY(results->showsInputErrors());
    QVERIFY(results->inputErrorText().startsWith(
        QStringLiteral("<font color=\"#FF0000\">Invalid input!</font>")));
    // a valid project afterwards shows the table again
    w.dialogs->fileNames << brickWall();
    w.action("actionOpen")->trigger();
    QVERIFY(!results->showsInputErrors());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
