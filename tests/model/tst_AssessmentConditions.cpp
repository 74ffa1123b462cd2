// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "NearlyEqual.h"

#include <cmath>
#include <limits>

#include "AssessmentConditions.h"
#include "ClimatePresetTable.h"
#include "InputData.h"
#include "SaturationPressure.h"
#include "WinterTemperatureCheck.h"

using A = AssessmentConditions;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

int presetId(const ClimateCondition &c) {
    return ClimatePresetTable::instance().presetId(c);
}

// Sets one value: "tT", "tT_summer", or T/RH/Rs with i (warm side) or e (cold side), winter unless
// followed by " summer" or " both"; "Rsi file" and "Te file" replace a whole climate as a file does.
bool change(A &c, const QString &what, double value) {
    if (what == "tT" || what == "tT_summer")
        return what == "tT" ? c.setCondensationTime(value) : c.setEvaporationTime(value);
    if (what.endsWith("file")) {
        what == "Rsi file" ? c.setInteriorClimate(ClimateCondition(20, 50, value))
                           : c.setExteriorClimate(ClimateCondition(value, 80, 0.04));
        return true;
    }
    const QString q = what.section(' ', 0, 0);
    const int quantity = QStringList{"T", "RH", "Rs"}.indexOf(q.chopped(1)); // the enum order
    return c.setValue(quantity, QStringList{"", "summer", "both"}.indexOf(what.section(' ', 1)),
                      q.endsWith('i'), value);
}

// setAssessmentType(type, preferred, side) after a start with (startType, startPreferred); the
// resulting preset ids of both sides and the detected type.

struct Choice {
    int startType, startPreferred, type, preferred, side, warm, cold, detected;
};

} // namespace

Q_DECLARE_METATYPE(Choice)

class tst_AssessmentConditions : public QObject {
    Q_OBJECT
private slots:
    void saturationPressure() { // 0 °C belongs to the upper branch; the inverse has rounded coefficients
        VERIFY_NEAR(saturationPressurePower(0), 288.68 * std::pow(1.098, 8.02), 1e-9);
        VERIFY_NEAR(saturationTemperaturePower(saturationPressurePower(-10)), -10, 0.05);
    }

    void presetTable() {
        const ClimatePresetTable &t = ClimatePresetTable::instance();
        QCOMPARE(t.presets().size(), 18);
        QCOMPARE(t.presetId(20, 50, 0.13), 1); // also ids 3 and 7: name order puts the 2001 entry first
        QCOMPARE(t.presetId(-5.00005, 80.00005, 0.04005), 13);
        QCOMPARE(t.presetId(-5.0002, 80, 0.04), 0);
        QCOMPARE(t.presetName(-10, 80, 0.08),
                 QString("DIN 4108-3 2001 Outdoor, boundary to ventilated air space"));
        QCOMPARE(t.presetIdByName("no such preset"), 17);
        ClimateCondition c; // the custom entries share id 0 and differ in the outside flag
        QVERIFY(t.applyPreset(0, true, c));
        QCOMPARE(c, ClimateCondition(-10, 70, 0.04, ClimateCondition::OutdoorPreset, true));
        QVERIFY(t.applyPreset(13, true, c));
        c.setOutside(false); // the outside flag takes part in the look-up
        QCOMPARE(t.presetId(c), 0);
        QVERIFY(!t.applyPreset(13, false, c) && c == ClimateCondition());
    }

    void detection_data() {
        QTest::addColumn<int>("startType");
        QTest::addColumn<QString>("change");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("type");
        QTest::newRow("type 1, tT 90 d") << 1 << "tT" << 90.0 << 1;
        QTest::newRow("type 1, tT 61 d") << 1 << "tT" << 61.0 << 0;
        QTest::newRow("type 2, tT_summer 89 d") << 2 << "tT_summer" << 89.0 << 0;
        QTest::newRow("type 1, tT within tolerance") << 1 << "tT" << 60.00005 << 1;
        QTest::newRow("type 1, tT beyond tolerance") << 1 << "tT" << 60.0002 << 0;
        QTest::newRow("type 1, winter Rsi 0.125") << 1 << "Rsi" << 0.125 << 0;
        QTest::newRow("type 1, Rsi 0.17 both periods") << 1 << "Rsi both" << 0.17 << 1;
        QTest::newRow("type 1, ground 2001 (id 14)") << 1 << "Rse both" << 1e-8 << 1;
        QTest::newRow("type 2, ground 2024 (id 15)") << 2 << "Rse both" << 1e-8 << 0;
        QTest::newRow("type 2, summer Rse differs") << 2 << "Rse summer" << 0.08 << 0;
        QTest::newRow("type 1, summer RH 71") << 1 << "RHi summer" << 71.0 << 0;
        QTest::newRow("type 2, summer T 12") << 2 << "Te summer" << 12.0 << 0;
    }

    void detection() {
        QFETCH(int, startType);
        QFETCH(QString, change);
        QFETCH(double, value);
        QFETCH(int, type);
        A c(startType);
        QVERIFY(::change(c, change, value));
        QCOMPARE(c.assessmentType(), type);
        QCOMPARE(c.detectAssessmentType(), type);
    }

    void setAssessmentTypePresetChoice_data() {
        QTest::addColumn<Choice>("c");
        const int any = A::AnySide;
        QTest::newRow("custom presets to type 1 take smallest ids") << Choice{0, 17, 1, 17, any, 1, 11, 1};
        QTest::newRow("type 1 keeps preset 2") << Choice{1, 2, 1, 17, any, 2, 11, 1};
        QTest::newRow("type 1 on preset 2 to type 2") << Choice{1, 2, 2, 17, any, 10, 13, 2};
        QTest::newRow("type 2 to type 0 keeps presets") << Choice{2, 17, 0, 17, any, 10, 13, 2};
        QTest::newRow("type 0 prefers indoor 5") << Choice{0, 17, 0, 5, any, 5, 0, 0};
        QTest::newRow("type 1 ignores indoor 5") << Choice{1, 17, 1, 5, any, 1, 11, 1};
        QTest::newRow("type 1 prefers outdoor 12") << Choice{1, 17, 1, 12, any, 1, 12, 1};
        QTest::newRow("type 0 never offers 15") << Choice{0, 17, 0, 15, any, 0, 0, 0};
        QTest::newRow("type 2 ignores 2001 preset") << Choice{2, 17, 2, 11, any, 10, 13, 2};
        // The custom id 0 is no indoor id: without a side it goes to the cold side.
        QTest::newRow("id 0 without side goes cold") << Choice{2, 17, 0, 0, any, 10, 0, 0};
        QTest::newRow("id 0 for the warm side") << Choice{2, 17, 0, 0, A::WarmSide, 0, 13, 0};
        QTest::newRow("indoor id on cold side ignored") << Choice{0, 17, 0, 3, A::ColdSide, 0, 0, 0};
    }

    void setAssessmentTypePresetChoice() {
        QFETCH(Choice, c);
        A a(c.startType);
        QVERIFY(a.setAssessmentType(c.startType, c.startPreferred));
        QVERIFY(a.setAssessmentType(c.type, c.preferred, A::PreferredSide(c.side)));
        QCOMPARE(presetId(a.interiorClimate()), c.warm);
        QCOMPARE(presetId(a.exteriorClimate()), c.cold);
        QCOMPARE(a.assessmentType(), c.detected);
        QVERIFY(!a.interiorClimate().isOutside() && a.exteriorClimate().isOutside());
    }

    void validity_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("Ti 80") << "Ti" << 80.0 << true;
        QTest::newRow("Ti above 80") << "Ti" << 80.001 << false;
        QTest::newRow("Te -40") << "Te" << -40.0 << true;
        QTest::newRow("Te below -40") << "Te" << -40.001 << false;
        QTest::newRow("summer Te above 80") << "Te summer" << 81.0 << false;
        QTest::newRow("RHi 0") << "RHi" << 0.0 << true;
        QTest::newRow("RHi 100") << "RHi" << 100.0 << true;
        QTest::newRow("RHi above 100") << "RHi" << 100.01 << false;
        QTest::newRow("summer RHe below 0") << "RHe summer" << -0.01 << false;
        QTest::newRow("Rsi 0") << "Rsi" << 0.0 << false;
        QTest::newRow("Rse 1e-8") << "Rse" << 1e-8 << true;
        QTest::newRow("summer Rse 0 not tested") << "Rse summer" << 0.0 << true;
        QTest::newRow("tT 0") << "tT" << 0.0 << false;
        QTest::newRow("tT_summer negative") << "tT_summer" << -1.0 << false;
        // Whole climates come from files as they are; 1/0 for a heat transfer coefficient of 0.
        QTest::newRow("Rsi infinite from a file") << "Rsi file" << Inf << false;
        QTest::newRow("Te NaN from a file") << "Te file" << NaN << false;
    }

    void validity() {
        QFETCH(QString, what);
        QFETCH(double, value);
        QFETCH(bool, valid);
        InputData data;
        change(data.assessmentConditions(), what, value);
        QCOMPARE(data.assessmentConditions().isValid(), valid);
        QCOMPARE(data.check(), valid ? 0 : 3);
    }

    void settersRefuseBadValues() {
        A c;
        const A before = c;
        for (double bad : {NaN, Inf, -Inf})
            for (const char *what : {"Ti both", "Rse", "tT", "tT_summer"})
                QVERIFY2(!change(c, what, bad), what);
        QVERIFY(!c.setAssessmentType(3) && !c.setAssessmentType(-1) && c == before);
        QCOMPARE(c.interiorClimate(), before.interiorClimate());
        ClimateCondition climate;
        QVERIFY(!climate.setTemperature(NaN) && !climate.setRelativeHumidity(Inf) &&
                !climate.setSurfaceResistance(-Inf));
        QCOMPARE(climate, ClimateCondition());
    }

    void equalityTolerance() {
        for (const char *what : {"Ti", "RHe", "Rsi", "Te summer", "RHi summer", "tT", "tT_summer"})
            for (double delta : {0.00005, 0.0002}) {
                A a(0), b(0);
                QVERIFY(change(a, what, 10) && change(b, what, 10 + delta));
                QVERIFY2((a == b) == (delta < 0.0001), what);
            }
        A a, b;
        QVERIFY(change(b, "Rsi summer", 5)); // the summer surface resistance is not compared
        QVERIFY(a == b);
    }

    void winterTemperatures() {
        using W = WinterTemperatureState;
        const InputData d; // 20 °C on the warm side, -5 °C on the cold side; equal is fine
        QCOMPARE(checkWinterTemperatures(-5, true, &d, 30.0), W::Valid); // the data win over the editor value
        QCOMPARE(checkWinterTemperatures(21, false, &d), W::WarmSideColder);
        QCOMPARE(checkWinterTemperatures(10, true, nullptr, 15.0), W::WarmSideColder);
        QCOMPARE(checkWinterTemperatures(NaN, true, &d), W::Unavailable);
        QCOMPARE(checkWinterTemperatures(10, true, nullptr), W::Unavailable);
        QVERIFY(winterTemperatureMessage(W::Valid).isEmpty() &&
                !winterTemperatureMessage(W::WarmSideColder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_AssessmentConditions)
#include "tst_AssessmentConditions.moc"
