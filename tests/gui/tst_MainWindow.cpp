#include <QtTest>

#include <QMenu>
#include <QStackedWidget>
#include <QUndoStack>

#include "ConstructionTableWidget.h"
#include "EditorDocument.h"
#include "MainWindow.h"
#include "MaterialList.h"
#include "Project.h"
#include "Settings.h"
#include "StandardUserDialogs.h"
#include "T2_ResultsWidget.h"

using Button = QMessageBox::StandardButton;
using S = const QString &;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

// Answers every dialog from a script and records what was asked.
class ScriptedDialogs : public UserDialogs {
public:
    QStringList kinds, fileNames; // the dialogs shown; the files to choose, in order (none left: cancel)
    QString message;              // title and text of the last message box
    QList<Button> answers;        // for questions and critical messages with a choice, in order
    bool wizardAccepts = true;

    Button question(QWidget *, S title, S text, QMessageBox::StandardButtons) override {
        return ask("question", title, text, QMessageBox::Cancel);
    }
    Button critical(QWidget *, S title, S text, QMessageBox::StandardButtons buttons) override {
        return ask("critical", title, text, buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::No);
    }
    void information(QWidget *, S t, S x) override { ask("information", t, x, QMessageBox::Ok); }
    void warning(QWidget *, S t, S x) override { ask("warning", t, x, QMessageBox::Ok); }
    QString openFileName(QWidget *, S, S, S) override { return fileName("open"); }
    QString saveFileName(QWidget *, S, S, S) override { return fileName("save"); }
    bool newProjectWizard(QWidget *parent, Document &document) override {
        kinds << "wizard";
        return wizardAccepts && StandardUserDialogs().newProjectWizard(parent, document);
    }

private:
    Button ask(S kind, S title, S text, Button fallback) {
        kinds << kind;
        message = title + " | " + text;
        return answers.isEmpty() || fallback == QMessageBox::Ok ? fallback : answers.takeFirst();
    }
    QString fileName(S kind) {
        kinds << kind;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

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

const QString BrickWall = QStringLiteral(TAVO_EXAMPLES_DIR "/brick-wall-etics.t2p");
const QString ProjectActions = "Open Save SaveAs CopyChart CopySketch ToggleGlaser ";
// Features still to come: always disabled, and their tool tips say so.
const QString UnavailableActions = "Print Report Preferences SelectMaterial EditMaterialDatabase "
                                   "AddMaterialToUserDatabase AddToConstructionDatabase AddLeft AddRight "
                                   "RemoveLayer MoveLeft MoveRight EditProjectInformation ExportChart "
                                   "ExportSketch HeatFlowUp HorizontalHeatFlow HeatFlowDown Show_Logfile";

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

    void actionStates_data() {
        QTest::addColumn<int>("layers"); // -1: no project
        QTest::addColumn<int>("column"); // -1: as the refresh leaves it
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("editorPage");
        const QString project = ProjectActions;
        QTest::newRow("no project") << -1 << -1 << "Open" << -1;
        QTest::newRow("project without layers") << 0 << -1 << "Open" << -1;
        QTest::newRow("1 layer") << 1 << 1 << project << 0;
        QTest::newRow("2 layers, second") << 2 << 2 << project << 0;
        QTest::newRow("2 layers, warm side") << 2 << 0 << project << 1;
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
        for (const QString &name : (ProjectActions + UnavailableActions).split(' ', Qt::SkipEmptyParts))
            QVERIFY2(w.action(name)->isEnabled() == expected.contains(name), qPrintable(name));
        for (const QString &name : UnavailableActions.split(' '))
            QVERIFY2(w.action(name)->toolTip().endsWith("(not available in this version yet)"),
                     qPrintable(name));
        QVERIFY(!w.action("UseHashes")->isVisible());
        QVERIFY(!w.visible("toolBarHeatFlowDirection")); // only for air layers
        QCOMPARE(w.visible("tableWidgetConstruction"), layers > 0);
        QCOMPARE(w.visible("widgetResults"), layers > 0);
        QVERIFY(editorPage < 0 || w.editorPage() == editorPage);
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
        MaterialList::instance();
        Window w;
        QTRY_VERIFY(w.dialogs->kinds.contains("warning"));
        QVERIFY2(w.dialogs->message.startsWith("User material database | ") &&
                     w.dialogs->message.contains(".corrupt"),
                 qPrintable(w.dialogs->message));
        MaterialList::destroyInstance();
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
