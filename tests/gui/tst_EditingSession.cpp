// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QComboBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <cmath>
#include <functional>

#include "ConstructionTableWidget.h"
#include "Document.h"
#include "EditorDocument.h"
#include "MainWindow.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "VaDar_ValidatingLineEdit.h"

// A whole editing session as a user works through it, with the mouse and the keyboard on the
// main window: a new project, layers added, given materials, moved and removed, the heat flow
// switched, undone and redone, saved and opened again.
class tst_EditingSession : public QObject {
    Q_OBJECT

    ScriptedDialogs *m_dialogs = nullptr;
    MainWindow *m_window = nullptr;

    QAction *action(const QString &name) const { return m_window->findChild<QAction *>("action" + name); }
    ConstructionTableWidget *table() const { return m_window->findChild<ConstructionTableWidget *>(); }
    const InputData &data() const { return Project::instance().document()->inputData(); }
    QString names() const {
        QStringList n;
        for (const MaterialLayer &l : data().layers())
            n << l.name.section(' ', 0, 0);
        return n.join(' ');
    }
    void click(int column) {
        QTableWidgetItem *item = table()->item(0, column);
        QVERIFY(item != nullptr);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(item).center());
        QCOMPARE(table()->currentColumn(), column);
    }
    void doubleClick(int column) {
        const QPoint at = table()->visualItemRect(table()->item(0, column)).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    }
    void press(QAction *a) {
        // the tool button of the action, as the user clicks it
        for (QToolBar *bar : m_window->findChildren<QToolBar *>())
            if (QWidget *button = bar->widgetForAction(a)) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        QFAIL("no tool button");
    }
    // Types into a field of the editors and leaves it with Enter.
    void type(const char *field, const QString &text) {
        auto *edit = m_window->findChild<VaDar::ValidatingLineEdit *>(field);
        QVERIFY(edit != nullptr && edit->isVisible() && edit->isEnabled());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Undo and redo through the toolbar (a focused field keeps Ctrl+Z for its own text).
    void undoRedo(const std::function<bool()> &changed) {
        QVERIFY(changed());
        press(action("Undo"));
        QVERIFY(!changed());
        press(action("Redo"));
        QVERIFY(changed());
    }
    void expect(const QString &layers, int column, const QString &title) {
        QCOMPARE(names(), layers);
        QCOMPARE(table()->currentColumn(), column);
        QCOMPARE(m_window->windowTitle(), title);
        QCOMPARE(Project::instance().isModified(), title.endsWith('*'));
    }

private slots:
    void session() {
        Settings::instance().resetToDefaults();
        QTemporaryDir dir;
        m_dialogs = new ScriptedDialogs;
        EditorDocument document(Project::instance());
        MainWindow window(document, nullptr, nullptr, std::unique_ptr<UserDialogs>(m_dialogs));
        m_window = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString unnamed = "Tavo 2 - unnamed.t2p*";

        action("New")->trigger(); // one layer of brick masonry
        expect("Solid", 1, unnamed);

        m_dialogs->materials << "Mineral wool insulation board WLS 035"
                             << "Air space (not ventilated)"
                             << "Gypsum plaster (without aggregate)";
        press(action("AddRight"));
        expect("Solid Mineral", 2, unnamed);
        press(action("AddRight"));
        expect("Solid Mineral Air", 3, unnamed);
        QVERIFY(window.findChild<QToolBar *>("toolBarHeatFlowDirection")->isVisible()); // an air space
        click(1);
        press(action("AddLeft"));
        expect("Gypsum Solid Mineral Air", 1, unnamed);

        m_dialogs->materials << "EPS board WLS 040";
        doubleClick(3);
        expect("Gypsum Solid EPS Air", 3, unnamed);
        QCOMPARE(data().layer(2).width(), 0.1); // the width stays

        click(2);
        press(action("MoveRight"));
        expect("Gypsum EPS Solid Air", 3, unnamed);
        const InputData beforeRemove = data();

        click(1);
        press(action("RemoveLayer"));
        expect("EPS Solid Air", 0, unnamed);
        const InputData afterRemove = data();
        const double horizontalU = Project::instance().document()->results().U;

        press(action("HeatFlowUp"));
        QCOMPARE(Project::instance().document()->projectInformation().HeatFlowDirection,
                 HeatFlowDirection::Upwards);
        QVERIFY(action("HeatFlowUp")->isChecked());
        QVERIFY(Project::instance().document()->results().U !=
                horizontalU); // the air space conducts otherwise

        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Project::instance().document()->projectInformation().HeatFlowDirection,
                 HeatFlowDirection::Horizontal);
        QVERIFY(action("HorizontalHeatFlow")->isChecked());
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        expect("Gypsum EPS Solid Air", 1, unnamed);
        QVERIFY(data() == beforeRemove);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        expect("EPS Solid Air", 0, unnamed);
        QVERIFY(data() == afterRemove);
        QCOMPARE(Project::instance().document()->results().U, horizontalU);

        // The editors: a width, a resistance factor and the outside climate, each undone and redone.
        click(2);
        QCOMPARE(window.findChild<QStackedWidget *>()->currentIndex(), 0);
        type("lineEditWidth", "300"); // mm
        undoRedo([this]() { return data().layer(1).width() == 0.3; });
        type("lineEditMu", "0.05");
        QVERIFY(window.statusBar()->currentMessage().startsWith("The vapor resistance factor must be"));
        QTest::keyClick(window.findChild<VaDar::ValidatingLineEdit *>("lineEditMu"), Qt::Key_Escape);
        type("lineEditMu", "8");
        undoRedo([this]() { return data().layer(1).mu == 8; });
        QCOMPARE(document.undoStack()->count(), 8); // the refused value made no step
        click(4);                                   // the cold side
        QCOMPARE(window.findChild<QStackedWidget *>()->currentIndex(), 1);
        QComboBox *types = window.findChild<QComboBox *>("comboBoxAssessmentType");
        types->setCurrentIndex(types->findData(0));
        emit types->activated(types->currentIndex()); // custom conditions frees the climate values
        type("lineEditClimateT", "-8");
        undoRedo([this]() {
            const AssessmentConditions &c = data().assessmentConditions();
            return c.exteriorClimate().temperature() == -8 && c.assessmentType() == 0;
        });
        QCOMPARE(window.findChild<VaDar::ValidatingLineEdit *>("lineEditClimateT")->text(), QString("-8"));
        click(0); // the inside climate is left as it was
        QCOMPARE(window.findChild<VaDar::ValidatingLineEdit *>("lineEditClimateT")->text(), QString("20"));

        const QString file = dir.filePath("session.t2p");
        m_dialogs->fileNames << dir.filePath("session");
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(window.windowTitle(), QString("Tavo 2 - session.t2p"));
        QVERIFY(!Project::instance().isModified());

        m_dialogs->fileNames << file;
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(document.undoStack()->count(), 0);
        expect("EPS Solid Air", 1, "Tavo 2 - session.t2p");
        QCOMPARE(m_dialogs->kinds.count("question"), 0); // nothing unsaved was asked about

        // the batch program calculates the saved file exactly as the window shows it
        QProcess calc;
        calc.start(QCoreApplication::applicationDirPath() + "/tavo2-calc", {"--format", "json", file});
        QVERIFY(calc.waitForFinished(60000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonArray all = QJsonDocument::fromJson(calc.readAllStandardOutput()).array();
        QCOMPARE(all.size(), 1);
        const QJsonObject expected = all.at(0).toObject();
        QCOMPARE(expected.value("heatFlowDirection").toInt(), 2);
        const QJsonObject r = expected.value("results").toObject();
        const CalculationResults &shown = Project::instance().document()->results();
        const auto same = [](const QJsonValue &json, double value) {
            return json.isNull() ? !std::isfinite(value) : json.toDouble() == value;
        };
        QCOMPARE(r.value("calcState").toInt(), shown.calcState);
        const QList<QPair<const char *, double>> scalars{
            {"U", shown.U},   {"R_total", shown.R_total}, {"mc_Glaser", shown.mc_Glaser},
            {"mc", shown.mc}, {"t_dry", shown.t_dry},     {"d_total", shown.d_total}};
        for (const auto &s : scalars)
            QVERIFY2(same(r.value(s.first), s.second), s.first);
        const QList<QPair<const char *, std::vector<double>>> vectors{{"T_Glaser", shown.T_Glaser},
                                                                      {"pv_Glaser", shown.pv_Glaser},
                                                                      {"T", shown.T},
                                                                      {"mc_layers", shown.mc_layers}};
        for (const auto &v : vectors) {
            const QJsonArray a = r.value(v.first).toArray();
            QVERIFY2(size_t(a.size()) == v.second.size(), v.first);
            for (int i = 0; i < a.size(); ++i)
                QVERIFY2(same(a.at(i), v.second.at(size_t(i))), v.first);
        }
    }
};

QTEST_MAIN(tst_EditingSession)
#include "tst_EditingSession.moc"
