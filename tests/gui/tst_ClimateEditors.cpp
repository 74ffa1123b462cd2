// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QUndoStack>

#include "AssessmentClimateWidget.h"
#include "AssessmentTypeWidget.h"
#include "ClimateEditWidget.h"
#include "ClimatePresetTable.h"
#include "Document.h"
#include "EditorDocument.h"
#include "Project.h"
#include "Settings.h"
#include "VaDar_ValidatingLineEdit.h"

using Field = VaDar::ValidatingLineEdit;
using AC = AssessmentConditions;

namespace {

// A project of one layer, type 2 unless given, and the climate editor on one of its sides.
struct Editor {
    Project project;
    EditorDocument document{project};
    QTableWidget table{1, 3};
    AssessmentClimateWidget widget{document};
    QStringList statusMessages;

    explicit Editor(int type = AC::DIN4108_2014, bool warmSide = true) {
        project.newDocument();
        InputData &data = project.document()->inputData();
        data.layers() << MaterialLayer(
            Material("M", MaterialCategory(4), "", "", "", "", 2000, 1.5, 50, 0.02, 0.2, 0.01, 1), 0.2);
        AssessmentConditions &c = data.assessmentConditions();
        c.setAssessmentType(type);
        if (type == AC::CustomConditions) // values of no DIN type
            c.setValue(AC::Temperature, AC::Winter, true, 21);
        project.setModified(Project::ModificationType::InputData);
        QObject::connect(&widget, &AssessmentClimateWidget::statusMessage,
                         [this](const QString &m) { statusMessages << m; });
        widget.setSide(&table, warmSide);
        widget.show();
    }
    const AssessmentConditions &conditions() const {
        return project.document()->inputData().assessmentConditions();
    }
    int steps() { return document.undoStack()->count(); }
    template <class T = Field> T *child(const QString &name) const { return widget.findChild<T *>(name); }
    void type(const QString &name, const QString &text) {
        QLineEdit *field = child<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    // Picks an entry of a combo box as a click into its list does.
    void choose(const QString &box, const QString &text) {
        QComboBox *combo = child<QComboBox>(box);
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

const QStringList ValueFields{"lineEditClimateT", "lineEditClimateRH", "lineEditClimateRT",
                              "lineEditCondensationTime", "lineEditDryingTime"};

} // namespace

// The assessment type and climate editors as a user works with them: values typed and refused,
// presets and types chosen, and what reaches the project through the undo history.
class tst_ClimateEditors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { Settings::instance().resetToDefaults(); }

    void typedValue_data() {
        QTest::addColumn<bool>("warmSide");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        const QString temperature =
            QString("The temperature must be > -40%1C and < 80%1C.").arg(QChar(0x00B0));
        const QString period = "The condensation time must be > 0d and < 300d.";
        QTest::newRow("condensation time 0.1 refused") << true << false << "lineEditCondensationTime"
                                                       << "0.1" << period;
        QTest::newRow("condensation time 0.2 accepted") << true << false << "lineEditCondensationTime"
                                                        << "0.2"
                                                        << "";
        QTest::newRow("drying time 300 refused") << true << false << "lineEditDryingTime"
                                                 << "300"
                                                 << "The drying time must be > 0d and < 300d.";
        QTest::newRow("-40 °C refused") << false << false << "lineEditClimateT"
                                        << "-40" << temperature;
        QTest::newRow("-39.9 °C accepted") << false << false << "lineEditClimateT"
                                           << "-39.9"
                                           << "";
        QTest::newRow("warm side colder than cold side refused")
            << true << false << "lineEditClimateT"
            << "-12"
            << "Temperature at warm side must be bigger than tempareature at cold side";
        QTest::newRow("summer: warm side may be colder") << true << true << "lineEditClimateT"
                                                         << "-12"
                                                         << "";
        QTest::newRow("humidity 100 refused") << true << false << "lineEditClimateRH"
                                              << "100"
                                              << "The relative humidity must be > 0% and < 100%.";
        QTest::newRow("summer humidity") << false << true << "lineEditClimateRH"
                                         << "75"
                                         << "";
        QTest::newRow("surface resistance 0 refused") << false << false << "lineEditClimateRT"
                                                      << "0"
                                                      << "The surface resistance must be >= 0.";
        QTest::newRow("surface resistance 0.0001 accepted") << false << false << "lineEditClimateRT"
                                                            << "0.0001"
                                                            << "";
    }
    void typedValue() {
        QFETCH(bool, warmSide);
        QFETCH(bool, summer);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        Editor e(AC::CustomConditions, warmSide);
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        if (summer)
            QTest::mouseClick(e.child<QRadioButton>("radioButtonSummer"), Qt::LeftButton);
        const AssessmentConditions before = e.conditions();
        e.type(field, text);
        if (!refusal.isEmpty()) {
            QCOMPARE(e.steps(), 0);
            QVERIFY(!e.conditions().differsFrom(before));
            QCOMPARE(e.child(field)->toolTip(), refusal);
            QCOMPARE(e.statusMessages, QStringList{refusal});
            QVERIFY(e.child(field)->hasFocus());
            return;
        }
        QCOMPARE(e.steps(), 1);
        // the value of the field in the conditions, in the period it was typed for
        const auto stored = [&](const AssessmentConditions &c) {
            const ClimateCondition &winter = warmSide ? c.interiorClimate() : c.exteriorClimate();
            const ClimateCondition &summerClimate =
                warmSide ? c.interiorSummerClimate() : c.exteriorSummerClimate();
            const ClimateCondition &shown = summer ? summerClimate : winter;
            const QMap<QString, double> values{{"lineEditCondensationTime", c.condensationTime(true)},
                                               {"lineEditDryingTime", c.evaporationTime(true)},
                                               {"lineEditClimateT", shown.temperature()},
                                               {"lineEditClimateRH", shown.relativeHumidity()},
                                               {"lineEditClimateRT", winter.surfaceResistance()}};
            return values.value(field);
        };
        QCOMPARE(stored(e.conditions()), text.toDouble());
        if (!field.endsWith("Time"))
            QCOMPARE(e.table.currentColumn(), warmSide ? 0 : 2); // the command selects its side
        // undo shows the period it changed again, with the old value
        QTest::mouseClick(e.child<QRadioButton>(summer ? "radioButtonWinter" : "radioButtonSummer"),
                          Qt::LeftButton);
        e.document.undoStack()->undo();
        QVERIFY(!e.conditions().differsFrom(before));
        if (field == "lineEditClimateT" || field == "lineEditClimateRH")
            QCOMPARE(e.widget.climateEditWidget()->showsCondensationPeriod(), !summer);
        QCOMPARE(e.child(field)->text(), e.child(field)->formatted(stored(before)));
    }

    // Tab leads through the type, the periods and then the climate; Enter on a shown value and
    // leaving it change nothing.
    void tabOrderWithoutChanges() {
        Editor e(AC::CustomConditions);
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        const AssessmentConditions before = e.conditions();
        const QStringList order{"comboBoxAssessmentType", "lineEditCondensationTime", "lineEditDryingTime",
                                "comboBoxClimatePresets", "radioButtonWinter",        "lineEditClimateT",
                                "lineEditClimateRH",      "lineEditClimateRT"};
        e.child<QComboBox>("comboBoxAssessmentType")->setFocus();
        for (const QString &name : order) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            QCOMPARE(focused->objectName(), name);
            if (qobject_cast<QLineEdit *>(focused))
                QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(e.steps(), 0);
        QVERIFY(!e.conditions().differsFrom(before));
        QVERIFY(e.statusMessages.isEmpty());
    }

    void fieldsFreeOnlyForCustomConditions_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("DIN 4108-3 2001") << int(AC::DIN4108_2001);
        QTest::newRow("DIN 4108-3 2014") << int(AC::DIN4108_2014);
    }
    void fieldsFreeOnlyForCustomConditions() {
        QFETCH(int, type);
        Editor e(type);
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        for (const QString &name : ValueFields)
            QVERIFY2(!e.child(name)->isEnabled(), qPrintable(name));
        QVERIFY(e.child<QComboBox>("comboBoxClimatePresets")->isEnabled());

        // Custom conditions on values of a DIN type change nothing in the project; the editor
        // keeps the choice and frees the values.
        e.choose("comboBoxAssessmentType", AC::assessmentTypeName(AC::CustomConditions));
        QCOMPARE(e.steps(), 0);
        QCOMPARE(e.conditions().assessmentType(), type);
        for (const QString &name : ValueFields)
            QVERIFY2(e.child(name)->isEnabled(), qPrintable(name));
        QCOMPARE(e.child<QComboBox>("comboBoxClimatePresets")->count(),
                 ClimatePresetTable::instance().presetNames(AC::CustomConditions, false).size());
        // ... until a value changes: the project itself has custom conditions then
        e.type("lineEditClimateT", "21");
        QCOMPARE(e.steps(), 1);
        QCOMPARE(e.conditions().assessmentType(), int(AC::CustomConditions));
        QCOMPARE(e.child<QComboBox>("comboBoxAssessmentType")->currentData().toInt(),
                 int(AC::CustomConditions));
        // undo brings the DIN type and its locked fields back
        e.document.undoStack()->undo();
        QCOMPARE(e.child<QComboBox>("comboBoxAssessmentType")->currentData().toInt(), type);
        QVERIFY(!e.child("lineEditClimateT")->isEnabled());
    }

    void chooseAssessmentType() {
        Editor e(AC::CustomConditions);
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        e.type("lineEditCondensationTime", "45");
        QCOMPARE(e.conditions().condensationTime(true), 45.0);
        e.choose("comboBoxAssessmentType", AC::assessmentTypeName(AC::DIN4108_2001));
        QCOMPARE(e.steps(), 2);
        QCOMPARE(e.document.undoStack()->undoText(), QString(": Undo change of assessment type."));
        QCOMPARE(e.conditions().assessmentType(), int(AC::DIN4108_2001));
        QCOMPARE(e.child("lineEditCondensationTime")->text(), QString("60"));
        QCOMPARE(e.child<QComboBox>("comboBoxClimatePresets")->count(), 2); // presets 1 and 2
        e.document.undoStack()->undo();
        QCOMPARE(e.child<QComboBox>("comboBoxAssessmentType")->currentData().toInt(),
                 int(AC::CustomConditions));
        QCOMPARE(e.child("lineEditCondensationTime")->text(), QString("45"));
        QVERIFY(e.child("lineEditCondensationTime")->isEnabled());
    }

    void presets() {
        Editor e(AC::DIN4108_2001, false);
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        const QString ventilated = "DIN 4108-3 2001 Outdoor, boundary to ventilated air space";
        e.choose("comboBoxClimatePresets", ventilated);
        QCOMPARE(e.steps(), 1);
        QCOMPARE(e.conditions().exteriorClimate().surfaceResistance(), 0.08);
        QCOMPARE(e.child("lineEditClimateRT")->text(), QString("0.08"));
        QCOMPARE(e.document.undoStack()->undoText(), QString(": Undo change climate data set at cold side"));
        // the same preset again: no step
        QComboBox *box = e.child<QComboBox>("comboBoxClimatePresets");
        emit box->activated(box->currentIndex());
        QCOMPARE(e.steps(), 1);
        e.document.undoStack()->undo();
        QCOMPARE(e.conditions().exteriorClimate().surfaceResistance(), 0.04);
        QCOMPARE(box->currentText(), QString("DIN 4108-3 2001 Outdoor, boundary to outside"));

        // A preset that only custom conditions allow, chosen while the DIN values stand.
        e.widget.setSide(&e.table, true);
        e.choose("comboBoxAssessmentType", AC::assessmentTypeName(AC::CustomConditions));
        e.choose("comboBoxClimatePresets",
                 "DIN 4108-8 Indoor climate, in built in cupboards, mould protection");
        QCOMPARE(e.steps(), 1);
        QCOMPARE(e.conditions().interiorClimate().surfaceResistance(), 1.0);
        QCOMPARE(e.conditions().assessmentType(), int(AC::CustomConditions));
    }
};

QTEST_MAIN(tst_ClimateEditors)
#include "tst_ClimateEditors.moc"
