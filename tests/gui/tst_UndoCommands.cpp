// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QTableWidget>
#include <QUndoStack>

#include <functional>

#include "Document.h"
#include "EditorDocument.h"
#include "NearlyEqual.h"
#include "Project.h"
#include "Settings.h"
#include "T2_UndoAddConstructionLeft.h"
#include "T2_UndoAddConstructionRight.h"
#include "T2_UndoAddLayerLeft.h"
#include "T2_UndoAddLayerRight.h"
#include "T2_UndoAssessmentType.h"
#include "T2_UndoChangeMaterial.h"
#include "T2_UndoChangeProjectInfo.h"
#include "T2_UndoClimate.h"
#include "T2_UndoClimateAll.h"
#include "T2_UndoHeatFlowDirection.h"
#include "T2_UndoLayerColor.h"
#include "T2_UndoMaterialName.h"
#include "T2_UndoMaterialParameters.h"
#include "T2_UndoMoveLayerLeft.h"
#include "T2_UndoMoveLayerRight.h"
#include "T2_UndoRemoveLayer.h"
#include "UndoChangeDisclaimer.h"

using Type = Project::ModificationType;

namespace {

Material material(const QString &name, double lambda, double mu) {
    Material m(name, MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 1500, lambda, mu, 0.02,
               0.3, 0.01, 1);
    m.color = QColor(100, 100, 100);
    return m;
}

Material foil() {
    Material m = material("F", 0.2, 100000);
    m.sd_value = 100;
    return m;
}

// The project and views a command works on: a construction of the layers A B C D with a custom
// warm side of 22 °C / 55 %, and a construction table that follows the layer count like the
// main window's.
struct Editor {
    Project project;
    EditorDocument document{project};
    QTableWidget table{1, 6};
    QLineEdit field;
    QActionGroup heatFlow{nullptr};
    QList<Type> modifications;

    Editor() {
        project.newDocument();
        InputData &data = project.document()->inputData();
        data.layers() << MaterialLayer(material("A", 2.0, 80), 0.2)
                      << MaterialLayer(material("B", 0.035, 1), 0.12)
                      << MaterialLayer(material("C", 0.7, 10), 0.175)
                      << MaterialLayer(material("D", 0.7, 15), 0.015);
        AssessmentConditions &c = data.assessmentConditions();
        c.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, 22);
        c.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, true, 55);
        project.setModified(Type::InputData);
        project.setUnmodified();
        for (int code : {1, 2, 0}) {
            QAction *a = heatFlow.addAction(QString::number(code));
            a->setCheckable(true);
            a->setData(code);
        }
        QObject::connect(&document, &EditorDocument::modified, [this](Type type) {
            modifications << type;
            table.setColumnCount(qMax(3, this->data().layerCount() + 2));
        });
        table.setCurrentCell(0, 1);
    }
    const InputData &data() const { return project.document()->inputData(); }
    QString names() const {
        QStringList n;
        for (const MaterialLayer &l : data().layers())
            n << l.name;
        return n.join(' ');
    }
    QLineEdit *type(const QString &text) {
        field.setText(text);
        return &field;
    }
};

// InputData equality, and the climates and project information exactly as they were.
void verifySame(const Document &a, const Document &b) {
    QVERIFY(a.inputData() == b.inputData());
    const AssessmentConditions &x = a.inputData().assessmentConditions();
    const AssessmentConditions &y = b.inputData().assessmentConditions();
    QVERIFY(x.interiorClimate() == y.interiorClimate() && x.exteriorClimate() == y.exteriorClimate());
    QVERIFY(x.interiorSummerClimate() == y.interiorSummerClimate() &&
            x.exteriorSummerClimate() == y.exteriorSummerClimate());
    QCOMPARE(x.assessmentType(), y.assessmentType());
    QVERIFY(a.projectInformation() == b.projectInformation());
}

using Factory = std::function<T2_UndoCommandBase *(Editor &)>;

} // namespace

Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Project::ModificationType)

class tst_UndoCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { Settings::instance().resetToDefaults(); } // width in mm, water uptake per hour

    // Every command: redo changes the project, undo restores it exactly, redo again gives the
    // same change; each step is one modification of the command's type and selects its column.
    void roundTrip_data() {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<QString>("names");  // layer names after redo; empty: not checked
        QTest::addColumn<int>("redoColumn"); // -1: the command selects nothing
        QTest::addColumn<int>("undoColumn");
        QTest::addColumn<Type>("type");
        const MaterialLayer x(material("X", 0.04, 1), 0.1), y(material("Y", 0.5, 5), 0.02);
        const Type input = Type::InputData;
        QTest::newRow("add left of layer 2")
            << Factory([x](Editor &e) { return new T2_UndoAddLayerLeft(e.document, &e.table, "add", 1, x); })
            << "A X B C D" << 2 << 1 << input;
        QTest::newRow("add left of layer 1: undo selects the warm side")
            << Factory([x](Editor &e) { return new T2_UndoAddLayerLeft(e.document, &e.table, "add", 0, x); })
            << "X A B C D" << 1 << 0 << input;
        QTest::newRow("add right of the last layer")
            << Factory([x](Editor &e) { return new T2_UndoAddLayerRight(e.document, &e.table, "add", 3, x); })
            << "A B C D X" << 5 << 4 << input;
        QTest::newRow("construction of three left of layer 2") << Factory([x, y](Editor &e) {
            return new T2_UndoAddConstructionLeft(e.document, &e.table, "add", 1, {x, y, x}, "wall");
        }) << "A X Y X B C D" << 2 << 2 << input;
        QTest::newRow("construction right of layer 1") << Factory([x, y](Editor &e) {
            return new T2_UndoAddConstructionRight(e.document, &e.table, "add", 0, {x, y}, "wall");
        }) << "A X Y B C D" << 2 << 1 << input;
        QTest::newRow("remove the last layer")
            << Factory([](Editor &e) { return new T2_UndoRemoveLayer(e.document, &e.table, "remove", 3); })
            << "A B C" << 3 << 4 << input;
        QTest::newRow("remove the first layer")
            << Factory([](Editor &e) { return new T2_UndoRemoveLayer(e.document, &e.table, "remove", 0); })
            << "B C D" << 0 << 1 << input;
        QTest::newRow("move layer 3 left")
            << Factory([](Editor &e) { return new T2_UndoMoveLayerLeft(e.document, &e.table, "move", 2); })
            << "A C B D" << 2 << 3 << input;
        QTest::newRow("move layer 2 right: the selection follows")
            << Factory([](Editor &e) { return new T2_UndoMoveLayerRight(e.document, &e.table, "move", 1); })
            << "A C B D" << 3 << 2 << input;
        QTest::newRow("material of layer 2") << Factory([x](Editor &e) {
            return new T2_UndoChangeMaterial(e.document, &e.table, "material", 1, x.material());
        }) << "A X C D" << 2 << 2 << input;
        QTest::newRow("a foil sets its own width") << Factory([](Editor &e) {
            return new T2_UndoChangeMaterial(e.document, &e.table, "material", 2, foil());
        }) << "A B F D" << 3 << 3 << input;
        QTest::newRow("colour") << Factory([](Editor &e) {
            return new T2_UndoLayerColor(e.document, &e.table, "colour", 1, Qt::red);
        }) << "" << 2 << 2 << Type::Display;
        QTest::newRow("name") << Factory([](Editor &e) {
            return new T2_UndoMaterialName(e.document, &e.table, &e.field, "name", 3, "Render");
        }) << "A B C Render" << 4
                              << 4 << Type::Display;
        QTest::newRow("width") << Factory([](Editor &e) {
            return new T2_UndoMaterialParameters(e.document, &e.table, e.type("0.3"), "width", 5, 0);
        }) << "" << 1 << 1 << input;
        QTest::newRow("resistance factor of a foil changes its width") << Factory([](Editor &e) {
            e.project.document()->inputData().setLayer(2, MaterialLayer(foil(), 0.5));
            return new T2_UndoMaterialParameters(e.document, &e.table, e.type("50000"), "mu", 0, 2);
        }) << "" << 3 << 3 << input;
        QTest::newRow("heat flow direction") << Factory([](Editor &e) {
            return new T2_UndoHeatFlowDirection(e.document, &e.heatFlow, "heat flow", 0);
        }) << "" << -1 << -1 << input;
        QTest::newRow("assessment type rewrites the warm side")
            << Factory([](Editor &e) { return new T2_UndoAssessmentType(e.document, "type", 1); }) << "" << -1
            << -1 << input;
        QTest::newRow("periods of custom conditions")
            << Factory([](Editor &e) { return new T2_UndoAssessmentType(e.document, "periods", 0, 60, 120); })
            << "" << -1 << -1 << input;
        QTest::newRow("cold side temperature") << Factory([](Editor &e) {
            return new T2_UndoClimate(e.document, &e.table, e.type("-12.5"), "T", 0, false);
        }) << "" << 5 << 5 << input;
        QTest::newRow("warm side summer humidity") << Factory([](Editor &e) {
            return new T2_UndoClimate(e.document, &e.table, e.type("65"), "RH", 3, true);
        }) << "" << 0 << 0 << input;
        QTest::newRow("warm side surface resistance") << Factory([](Editor &e) {
            return new T2_UndoClimate(e.document, &e.table, e.type("0.17"), "Rs", 4, true);
        }) << "" << 0 << 0 << input;
        QTest::newRow("preset of the cold side") << Factory([](Editor &e) {
            return new T2_UndoClimateAll(e.document, &e.table, "preset", 12, false);
        }) << "" << 5 << 5 << input;
        QTest::newRow("project information") << Factory([](Editor &e) {
            ProjectInformation info = e.project.document()->projectInformation();
            info.ProjectName = "House";
            return new T2_UndoChangeProjectInfo(e.document, "info", info);
        }) << "" << -1 << -1 << Type::ProjectInformation;
        QTest::newRow("project information with the heat flow recalculates") << Factory([](Editor &e) {
            ProjectInformation info = e.project.document()->projectInformation();
            info.HeatFlowDirection = HeatFlowDirection::Downwards;
            return new T2_UndoChangeProjectInfo(e.document, "info", info);
        }) << "" << -1 << -1 << input;
        QTest::newRow("disclaimer") << Factory([](Editor &e) {
            return new UndoChangeDisclaimer(e.document, "disclaimer", "No warranty.");
        }) << "" << -1 << -1 << Type::ProjectInformation;
    }
    void roundTrip() {
        QFETCH(Factory, make);
        QFETCH(QString, names);
        QFETCH(int, redoColumn);
        QFETCH(int, undoColumn);
        QFETCH(Type, type);
        Editor e;
        T2_UndoCommandBase *command = make(e);
        const Document before = *e.project.document();
        QVERIFY(command->isValid());
        QVERIFY(command->text().startsWith(": "));
        e.table.setCurrentCell(0, 1);
        const auto step = [&](const std::function<void()> &action, int column) {
            e.modifications.clear();
            if (column >= 0)
                e.table.setCurrentCell(0, column == 1 ? 2 : 1); // the command must move it
            action();
            QCOMPARE(e.modifications, QList<Type>{type});
            if (column >= 0)
                QCOMPARE(e.table.currentColumn(), column);
        };
        step([&] { QVERIFY(e.document.push(command)); }, redoColumn);
        const Document changed = *e.project.document();
        QVERIFY(changed.inputData() != before.inputData() ||
                changed.inputData().assessmentConditions().differsFrom(
                    before.inputData().assessmentConditions()) ||
                changed.projectInformation() != before.projectInformation());
        if (!names.isEmpty())
            QCOMPARE(e.names(), names);
        step([&] { e.document.undoStack()->undo(); }, undoColumn);
        verifySame(*e.project.document(), before);
        step([&] { e.document.undoStack()->redo(); }, redoColumn);
        verifySame(*e.project.document(), changed);
    }

    // The values the layer commands store, in the units the settings show.
    void storedValues_data() {
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthUnit");
        QTest::addColumn<bool>("awInSeconds");
        QTest::addColumn<double>("stored");
        QTest::newRow("width 15 cm") << 5 << "15" << 100 << false << 0.15;
        QTest::newRow("width 25 mm") << 5 << "25" << 1000 << false << 0.025;
        QTest::newRow("water uptake per hour") << 4 << "1.2" << 1 << false << 0.02;
        QTest::newRow("water uptake per second") << 4 << "0.6" << 1 << true << 0.6;
        QTest::newRow("no capillary uptake") << 4 << "0" << 1 << true << 0.0;
        QTest::newRow("thermal conductivity") << 3 << "0.04" << 1 << true << 0.04;
    }
    void storedValues() {
        QFETCH(int, parameter);
        QFETCH(QString, text);
        QFETCH(int, widthUnit);
        QFETCH(bool, awInSeconds);
        QFETCH(double, stored);
        Settings::instance().m_defaultLayerWidthUnit = widthUnit;
        Settings::instance().m_awInSeconds = awInSeconds;
        Editor e;
        QVERIFY(e.document.push(
            new T2_UndoMaterialParameters(e.document, &e.table, e.type(text), "p", parameter, 1)));
        VERIFY_NEAR(e.data().layer(1).parameter(parameter), stored, 1e-15);
    }

    // A refused or unchanged value never reaches the history.
    void refused_data() {
        QTest::addColumn<Factory>("make");
        const auto parameter = [](int p, const char *text) {
            return Factory([p, text](Editor &e) {
                return new T2_UndoMaterialParameters(e.document, &e.table, e.type(text), "p", p, 1);
            });
        };
        const auto climate = [](int value, const char *text, bool warm) {
            return Factory([value, text, warm](Editor &e) {
                return new T2_UndoClimate(e.document, &e.table, e.type(text), "c", value, warm);
            });
        };
        // layer B: mu 1, w_80 0.02, w_sat 0.3, lambda 0.035, width 0.12 m
        QTest::newRow("resistance factor below 0.1") << parameter(0, "0.05");
        QTest::newRow("w_80 equal to w_sat") << parameter(1, "0.3");
        QTest::newRow("w_80 of 0") << parameter(1, "0");
        QTest::newRow("w_sat not above w_80") << parameter(2, "0.02");
        QTest::newRow("w_sat above 1") << parameter(2, "1.01");
        QTest::newRow("thermal conductivity 0") << parameter(3, "0");
        QTest::newRow("negative water uptake") << parameter(4, "-0.1");
        QTest::newRow("width 0") << parameter(5, "0");
        QTest::newRow("text that is no number") << parameter(3, "abc");
        QTest::newRow("unknown parameter") << parameter(6, "1");
        QTest::newRow("same thermal conductivity") << parameter(3, "0.035");
        QTest::newRow("same water uptake per hour") << parameter(4, "0.6");
        QTest::newRow("width of a foil") << Factory([](Editor &e) {
            e.project.document()->inputData().setLayer(1, MaterialLayer(foil(), 0.5));
            return new T2_UndoMaterialParameters(e.document, &e.table, e.type("20"), "w", 5, 1);
        });
        QTest::newRow("temperature -40") << climate(0, "-40", false);
        QTest::newRow("humidity 100") << climate(1, "100", true);
        QTest::newRow("surface resistance 0") << climate(4, "0", true);
        QTest::newRow("warm side colder than cold side") << climate(0, "-6", true);
        QTest::newRow("climate value within 0.0001") << climate(0, "22.00005", true);
        QTest::newRow("preset not allowed on the side")
            << Factory([](Editor &e) { return new T2_UndoClimateAll(e.document, &e.table, "p", 12, true); });
        QTest::newRow("same preset again") << Factory([](Editor &e) {
            e.project.document()->inputData().setAssessmentConditions(AssessmentConditions());
            return new T2_UndoClimateAll(e.document, &e.table, "p", 13, false);
        });
        QTest::newRow("same assessment type")
            << Factory([](Editor &e) { return new T2_UndoAssessmentType(e.document, "t", 0, 90, 90); });
        QTest::newRow("period of 0.1 days")
            << Factory([](Editor &e) { return new T2_UndoAssessmentType(e.document, "t", 0, 0.1, 90); });
        QTest::newRow("same heat flow direction") << Factory(
            [](Editor &e) { return new T2_UndoHeatFlowDirection(e.document, &e.heatFlow, "h", 2); });
        QTest::newRow("unknown heat flow direction") << Factory(
            [](Editor &e) { return new T2_UndoHeatFlowDirection(e.document, &e.heatFlow, "h", 3); });
        QTest::newRow("same colour") << Factory([](Editor &e) {
            return new T2_UndoLayerColor(e.document, &e.table, "c", 0, QColor(100, 100, 100));
        });
        QTest::newRow("same name") << Factory(
            [](Editor &e) { return new T2_UndoMaterialName(e.document, &e.table, &e.field, "n", 0, "A"); });
        QTest::newRow("same material") << Factory([](Editor &e) {
            return new T2_UndoChangeMaterial(e.document, &e.table, "m", 0, e.data().layer(0).material());
        });
        QTest::newRow("move the first layer left")
            << Factory([](Editor &e) { return new T2_UndoMoveLayerLeft(e.document, &e.table, "m", 0); });
        QTest::newRow("move the last layer right")
            << Factory([](Editor &e) { return new T2_UndoMoveLayerRight(e.document, &e.table, "m", 3); });
        QTest::newRow("remove the only layer") << Factory([](Editor &e) {
            e.project.document()->inputData().removeLayers(1, 3);
            return new T2_UndoRemoveLayer(e.document, &e.table, "r", 0);
        });
        QTest::newRow("add right of no layer") << Factory([](Editor &e) {
            return new T2_UndoAddLayerRight(e.document, &e.table, "a", 4, MaterialLayer());
        });
        QTest::newRow("same disclaimer")
            << Factory([](Editor &e) { return new UndoChangeDisclaimer(e.document, "d", QString()); });
    }
    void refused() {
        QFETCH(Factory, make);
        Editor e;
        T2_UndoCommandBase *command = make(e);
        const Document before = *e.project.document();
        e.modifications.clear();
        QVERIFY(!e.document.push(command));
        QCOMPARE(e.document.undoStack()->count(), 0);
        QVERIFY(e.modifications.isEmpty());
        verifySame(*e.project.document(), before);
    }

    // The typed value is applied by the first redo, and a second redo of the same command after
    // an undo applies it again.
    void climateAppliesTheTypedValue() {
        Editor e;
        QVERIFY(e.document.push(new T2_UndoClimate(e.document, &e.table, e.type("18.5"), "T", 0, true)));
        QCOMPARE(e.data().assessmentConditions().interiorClimate().temperature(), 18.5);
        e.document.undoStack()->undo();
        QCOMPARE(e.data().assessmentConditions().interiorClimate().temperature(), 22.0);
    }

    // A display change must not recalculate: the results stay those of the last calculation even
    // though a width changed behind the project's back.
    void displayChangeDoesNotRecalculate() {
        Editor e;
        const double U = e.project.document()->results().U;
        e.project.document()->inputData().layers()[1].setWidth(0.24);
        e.document.push(new T2_UndoLayerColor(e.document, &e.table, "c", 1, Qt::blue));
        QCOMPARE(e.project.document()->results().U, U);
        e.document.push(new T2_UndoHeatFlowDirection(e.document, &e.heatFlow, "h", 1));
        QVERIFY(e.project.document()->results().U < U);
        QVERIFY(e.heatFlow.checkedAction() != nullptr && e.heatFlow.checkedAction()->data().toInt() == 1);
    }
};

QTEST_MAIN(tst_UndoCommands)
#include "tst_UndoCommands.moc"
