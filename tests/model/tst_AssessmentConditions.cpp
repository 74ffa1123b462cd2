#include <QtTest>

#include <cmath>
#include <limits>

#include "AssessmentConditions.h"
#include "ClimatePresetTable.h"
#include "InputData.h"
#include "SaturationPressure.h"
#include "WinterTemperatureCheck.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

bool near(double a, double b, double tol) {
    return std::fabs(a - b) <= tol;
}

QString pair(double got, double expected) {
    return QString("got %1, expected %2").arg(got, 0, 'g', 12).arg(expected, 0, 'g', 12);
}

int warmId(const AssessmentConditions &c) {
    return ClimatePresetTable::instance().presetId(c.interiorClimate());
}
int coldId(const AssessmentConditions &c) {
    return ClimatePresetTable::instance().presetId(c.exteriorClimate());
}

} // namespace

class tst_AssessmentConditions : public QObject {
    Q_OBJECT
private slots:
    void saturationPressure_data();
    void saturationPressure();
    void presetTable();
    void presetNames_data();
    void presetNames();
    void newType2Object();
    void type1Values();
    void detection_data();
    void detection();
    void setAssessmentTypePresetChoice_data();
    void setAssessmentTypePresetChoice();
    void customValuesAreReplacedByCustomPreset();
    void validity_data();
    void validity();
    void setValuePeriods();
    void numericSettersRefuseNonFinite();
    void equalityTolerance_data();
    void equalityTolerance();
    void winterTemperatures_data();
    void winterTemperatures();
};

void tst_AssessmentConditions::saturationPressure_data() {
    QTest::addColumn<double>("theta");
    QTest::addColumn<double>("psat");
    QTest::addColumn<double>("tol");
    QTest::newRow("20 C") << 20.0 << 2338.0 << 0.5;
    QTest::newRow("-10 C") << -10.0 << 259.9 << 0.05;
    QTest::newRow("0 C uses upper branch") << 0.0 << 288.68 * std::pow(1.098, 8.02) << 1e-9;
    QTest::newRow("12 C") << 12.0 << 1403.0 << 1.0;
}

void tst_AssessmentConditions::saturationPressure() {
    QFETCH(double, theta);
    QFETCH(double, psat);
    QFETCH(double, tol);
    const double got = saturationPressurePower(theta);
    QVERIFY2(near(got, psat, tol), qPrintable(pair(got, psat)));
    // The inverse lands close to the start (its coefficients are rounded).
    const double back = saturationTemperaturePower(got);
    QVERIFY2(near(back, theta, 0.05), qPrintable(pair(back, theta)));
}

void tst_AssessmentConditions::presetTable() {
    const ClimatePresetTable &t = ClimatePresetTable::instance();
    QCOMPARE(t.presets().size(), 18);
    // 20/50/0.13 belongs to ids 1, 3 and 7; the name order puts the DIN 2001 entry first.
    QCOMPARE(t.presetId(20, 50, 0.13), 1);
    QCOMPARE(t.presetId(20, 50, 0.25), 10);
    QCOMPARE(t.presetId(20, 50, 0.17), 2);
    QCOMPARE(t.presetId(-10, 80, 0.04), 11);
    QCOMPARE(t.presetId(-5, 80, 1e-8), 15);
    QCOMPARE(t.presetId(-5.00005, 80.00005, 0.04005), 13);
    QCOMPARE(t.presetId(-5.0002, 80, 0.04), 0);
    QCOMPARE(t.presetId(1, 2, 3), 0);
    QCOMPARE(t.presetName(-10, 80, 0.08),
             QString("DIN 4108-3 2001 Outdoor, boundary to ventilated air space"));
    QCOMPARE(t.presetName(1, 2, 3), QString());
    QCOMPARE(t.presetIdByName("DIN 4108-3_2024 Indoor climate"), 10);
    QCOMPARE(t.presetIdByName("no such preset"), 17);

    // The custom entries share id 0 and differ in the outside flag.
    ClimateCondition c;
    QVERIFY(t.applyPreset(0, false, c));
    QCOMPARE(c, ClimateCondition(20, 50, 0.125, ClimateCondition::IndoorPreset, false));
    QVERIFY(t.applyPreset(0, true, c));
    QCOMPARE(c, ClimateCondition(-10, 70, 0.04, ClimateCondition::OutdoorPreset, true));
    QCOMPARE(t.presetId(c), 0);
    QVERIFY(t.applyPreset(13, true, c));
    QCOMPARE(t.presetId(c), 13);
    // kind code and outside flag take part in the climate look-up
    c.setOutside(false);
    QCOMPARE(t.presetId(c), 0);
    QVERIFY(!t.applyPreset(13, false, c));
    QCOMPARE(c, ClimateCondition());
}

void tst_AssessmentConditions::presetNames_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("outside");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("type 2 warm") << 2 << false << QStringList{"DIN 4108-3_2024 Indoor climate"};
    QTest::newRow("type 2 cold") << 2 << true << QStringList{"DIN 4108-3_2024 Outdoor climate"};
    QTest::newRow("type 1 warm") << 1 << false
                                 << QStringList{
                                        "DIN 4108-3 2001 Indoor climate, heat flow direction downwards",
                                        "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal "
                                        "and upwards"};
    QTest::newRow("type 1 cold") << 1 << true
                                 << QStringList{"DIN 4108-3 2001 Outdoor, boundary to ground",
                                                "DIN 4108-3 2001 Outdoor, boundary to outside",
                                                "DIN 4108-3 2001 Outdoor, boundary to ventilated air space"};
    QTest::newRow("unknown type") << 5 << true << QStringList();
}

void tst_AssessmentConditions::presetNames() {
    QFETCH(int, type);
    QFETCH(bool, outside);
    QFETCH(QStringList, names);
    QCOMPARE(ClimatePresetTable::instance().presetNames(type, outside), names);
}

void tst_AssessmentConditions::newType2Object() {
    const AssessmentConditions c;
    QCOMPARE(c.assessmentType(), 2);
    QCOMPARE(c.interiorClimate(), ClimateCondition(20, 50, 0.25, ClimateCondition::IndoorPreset, false));
    QCOMPARE(c.exteriorClimate(), ClimateCondition(-5, 80, 0.04, ClimateCondition::OutdoorPreset, true));
    QCOMPARE(c.condensationTime(true), 90.0);
    QCOMPARE(c.evaporationTime(true), 90.0);
    QCOMPARE(c.condensationTime(false), 90 * 86400.0);
    for (const ClimateCondition &s : {c.interiorSummerClimate(), c.exteriorSummerClimate()}) {
        QVERIFY2(near(s.temperature(), 14.94, 0.005), qPrintable(pair(s.temperature(), 14.94)));
        QVERIFY2(near(s.relativeHumidity(), 70.588, 0.0005), qPrintable(pair(s.relativeHumidity(), 70.588)));
    }
    QCOMPARE(c.interiorSummerClimate().surfaceResistance(), 0.25);
    QCOMPARE(c.exteriorSummerClimate().surfaceResistance(), 0.04);
    QVERIFY(c.isValid());
}

void tst_AssessmentConditions::type1Values() {
    const AssessmentConditions c(1);
    QCOMPARE(c.assessmentType(), 1);
    QCOMPARE(warmId(c), 1);
    QCOMPARE(coldId(c), 11);
    QCOMPARE(c.condensationTime(true), 60.0);
    QCOMPARE(c.evaporationTime(true), 90.0);
    QCOMPARE(c.interiorSummerClimate().temperature(), 12.0);
    QCOMPARE(c.exteriorSummerClimate().relativeHumidity(), 70.0);
    QCOMPARE(c.interiorSummerClimate().surfaceResistance(), 0.13);
}

void tst_AssessmentConditions::detection_data() {
    QTest::addColumn<int>("startType");
    QTest::addColumn<QString>("change");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("type");
    QTest::newRow("type 2 as built") << 2 << "" << 0.0 << 2;
    QTest::newRow("type 1 as built") << 1 << "" << 0.0 << 1;
    QTest::newRow("type 1, tT 90 d") << 1 << "tT" << 90.0 << 1;
    QTest::newRow("type 1, tT 61 d") << 1 << "tT" << 61.0 << 0;
    QTest::newRow("type 2, tT 60 d") << 2 << "tT" << 60.0 << 2;
    QTest::newRow("type 2, tT_summer 89 d") << 2 << "tT_summer" << 89.0 << 0;
    QTest::newRow("type 1, tT within tolerance") << 1 << "tT" << 60.00005 << 1;
    QTest::newRow("type 1, tT beyond tolerance") << 1 << "tT" << 60.0002 << 0;
    QTest::newRow("type 1, winter Rsi 0.125") << 1 << "Rsi winter" << 0.125 << 0;
    QTest::newRow("type 1, Rsi 0.125 both periods") << 1 << "Rsi both" << 0.125 << 0;
    QTest::newRow("type 1, Rsi 0.17 both periods") << 1 << "Rsi both" << 0.17 << 1;
    QTest::newRow("type 2, Rsi 0.13 both periods") << 2 << "Rsi both" << 0.13 << 0;
    QTest::newRow("type 1, Rse 0.08 both periods") << 1 << "Rse both" << 0.08 << 1;
    QTest::newRow("type 1, ground 2001 (id 14)") << 1 << "Rse both" << 1e-8 << 1;
    QTest::newRow("type 2, ground 2024 (id 15)") << 2 << "Rse both" << 1e-8 << 0;
    QTest::newRow("type 2, summer Rse differs") << 2 << "Rse summer" << 0.08 << 0;
    QTest::newRow("type 2, Ti off by 0.00005") << 2 << "Ti" << 20.00005 << 2;
    QTest::newRow("type 2, Ti off by 0.0002") << 2 << "Ti" << 20.0002 << 0;
    QTest::newRow("type 1, cold side of 2024") << 1 << "Te" << -5.0 << 0;
    QTest::newRow("type 2, cold side of 2001") << 2 << "Te" << -10.0 << 0;
    QTest::newRow("type 1, summer RH 71") << 1 << "RH summer" << 71.0 << 0;
    QTest::newRow("type 2, summer RH 70") << 2 << "RH summer" << 70.0 << 0;
    QTest::newRow("type 2, summer T 12") << 2 << "T summer" << 12.0 << 0;
    QTest::newRow("type 1, summer T 12.00005") << 1 << "T summer" << 12.00005 << 1;
    QTest::newRow("custom defaults") << 0 << "" << 0.0 << 0;
}

void tst_AssessmentConditions::detection() {
    QFETCH(int, startType);
    QFETCH(QString, change);
    QFETCH(double, value);
    QFETCH(int, type);
    AssessmentConditions c(startType);
    using A = AssessmentConditions;
    if (change == "tT")
        QVERIFY(c.setCondensationTime(value));
    else if (change == "tT_summer")
        QVERIFY(c.setEvaporationTime(value));
    else if (change == "Rsi winter")
        QVERIFY(c.setValue(A::SurfaceResistance, A::Winter, true, value));
    else if (change == "Rsi both")
        QVERIFY(c.setValue(A::SurfaceResistance, A::BothPeriods, true, value));
    else if (change == "Rse both")
        QVERIFY(c.setValue(A::SurfaceResistance, A::BothPeriods, false, value));
    else if (change == "Rse summer")
        QVERIFY(c.setValue(A::SurfaceResistance, A::Summer, false, value));
    else if (change == "Ti")
        QVERIFY(c.setValue(A::Temperature, A::Winter, true, value));
    else if (change == "Te")
        QVERIFY(c.setValue(A::Temperature, A::Winter, false, value));
    else if (change == "RH summer")
        QVERIFY(c.setValue(A::RelativeHumidity, A::Summer, true, value));
    else if (change == "T summer")
        QVERIFY(c.setValue(A::Temperature, A::Summer, false, value));
    QCOMPARE(c.assessmentType(), type);
    QCOMPARE(c.detectAssessmentType(), type);
}

void tst_AssessmentConditions::setAssessmentTypePresetChoice_data() {
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("startPreferred");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("preferred");
    QTest::addColumn<int>("side"); // AssessmentConditions::PreferredSide
    QTest::addColumn<int>("warm");
    QTest::addColumn<int>("cold");
    QTest::addColumn<int>("detected");
    const int any = AssessmentConditions::AnySide;
    QTest::newRow("custom presets to type 1 take smallest ids") << 0 << 17 << 1 << 17 << any << 1 << 11 << 1;
    QTest::newRow("type 1 keeps preset 2") << 1 << 2 << 1 << 17 << any << 2 << 11 << 1;
    QTest::newRow("type 1 keeps cold preset 14") << 1 << 14 << 1 << 17 << any << 1 << 14 << 1;
    QTest::newRow("type 1 on preset 2 to type 2") << 1 << 2 << 2 << 17 << any << 10 << 13 << 2;
    QTest::newRow("type 2 to type 0 keeps presets") << 2 << 17 << 0 << 17 << any << 10 << 13 << 2;
    QTest::newRow("type 0 prefers indoor 5") << 0 << 17 << 0 << 5 << any << 5 << 0 << 0;
    QTest::newRow("type 1 ignores indoor 5") << 1 << 17 << 1 << 5 << any << 1 << 11 << 1;
    QTest::newRow("type 1 prefers outdoor 12") << 1 << 17 << 1 << 12 << any << 1 << 12 << 1;
    QTest::newRow("type 0 never offers 15") << 0 << 17 << 0 << 15 << any << 0 << 0 << 0;
    QTest::newRow("type 2 ignores 2001 preset") << 2 << 17 << 2 << 11 << any << 10 << 13 << 2;
    // The custom id 0 is no indoor id: without a side it goes to the cold side.
    QTest::newRow("id 0 without side goes cold") << 2 << 17 << 0 << 0 << any << 10 << 0 << 0;
    QTest::newRow("id 0 for the warm side")
        << 2 << 17 << 0 << 0 << int(AssessmentConditions::WarmSide) << 0 << 13 << 0;
    QTest::newRow("indoor id on cold side ignored")
        << 0 << 17 << 0 << 3 << int(AssessmentConditions::ColdSide) << 0 << 0 << 0;
}

void tst_AssessmentConditions::setAssessmentTypePresetChoice() {
    QFETCH(int, startType);
    QFETCH(int, startPreferred);
    QFETCH(int, type);
    QFETCH(int, preferred);
    QFETCH(int, side);
    QFETCH(int, warm);
    QFETCH(int, cold);
    QFETCH(int, detected);
    AssessmentConditions c(startType);
    QVERIFY(c.setAssessmentType(startType, startPreferred));
    QVERIFY(c.setAssessmentType(type, preferred, AssessmentConditions::PreferredSide(side)));
    QCOMPARE(warmId(c), warm);
    QCOMPARE(coldId(c), cold);
    QCOMPARE(c.assessmentType(), detected);
    QCOMPARE(c.interiorClimate().isOutside(), false);
    QCOMPARE(c.exteriorClimate().isOutside(), true);
}

void tst_AssessmentConditions::customValuesAreReplacedByCustomPreset() {
    AssessmentConditions c(0);
    QVERIFY(c.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false, -7));
    QVERIFY(c.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, false, 85));
    QVERIFY(c.setAssessmentType(0, 5));
    QCOMPARE(warmId(c), 5);
    QCOMPARE(c.exteriorClimate(), ClimateCondition(-10, 70, 0.04, ClimateCondition::OutdoorPreset, true));
    QVERIFY(!c.setAssessmentType(3));
    QVERIFY(!c.setAssessmentType(-1));
    QCOMPARE(warmId(c), 5);
}

void tst_AssessmentConditions::validity_data() {
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
    QTest::newRow("Rse 0") << "Rse" << 0.0 << false;
    QTest::newRow("Rse 1e-8") << "Rse" << 1e-8 << true;
    QTest::newRow("summer Rse 0 not tested") << "Rse summer" << 0.0 << true;
    QTest::newRow("tT 0") << "tT" << 0.0 << false;
    QTest::newRow("tT small") << "tT" << 0.01 << true;
    QTest::newRow("tT_summer negative") << "tT_summer" << -1.0 << false;
    // Whole climates come from files as they are; 1/0 for a heat transfer coefficient of 0.
    QTest::newRow("Rsi infinite from a file") << "interior climate Rs" << Inf << false;
    QTest::newRow("Te NaN from a file") << "exterior climate T" << NaN << false;
    QTest::newRow("RHi infinite from a file") << "interior climate RH" << Inf << false;
}

void tst_AssessmentConditions::validity() {
    QFETCH(QString, what);
    QFETCH(double, value);
    QFETCH(bool, valid);
    using A = AssessmentConditions;
    A c;
    QVERIFY(c.isValid());
    if (what == "Ti")
        c.setValue(A::Temperature, A::Winter, true, value);
    else if (what == "Te")
        c.setValue(A::Temperature, A::Winter, false, value);
    else if (what == "Te summer")
        c.setValue(A::Temperature, A::Summer, false, value);
    else if (what == "RHi")
        c.setValue(A::RelativeHumidity, A::Winter, true, value);
    else if (what == "RHe summer")
        c.setValue(A::RelativeHumidity, A::Summer, false, value);
    else if (what == "Rsi")
        c.setValue(A::SurfaceResistance, A::Winter, true, value);
    else if (what == "Rse")
        c.setValue(A::SurfaceResistance, A::Winter, false, value);
    else if (what == "Rse summer")
        c.setValue(A::SurfaceResistance, A::Summer, false, value);
    else if (what == "tT")
        c.setCondensationTime(value);
    else if (what == "tT_summer")
        c.setEvaporationTime(value);
    else if (what == "interior climate Rs")
        c.setInteriorClimate(ClimateCondition(20, 50, value));
    else if (what == "interior climate RH")
        c.setInteriorClimate(ClimateCondition(20, value, 0.13));
    else if (what == "exterior climate T")
        c.setExteriorClimate(ClimateCondition(value, 80, 0.04));
    QCOMPARE(c.isValid(), valid);

    InputData data;
    data.assessmentConditions() = c;
    QCOMPARE(data.check(), valid ? 0 : 3);
}

void tst_AssessmentConditions::setValuePeriods() {
    using A = AssessmentConditions;
    A c(0);
    QVERIFY(c.setValue(A::Temperature, A::BothPeriods, true, 18));
    QCOMPARE(c.interiorClimate().temperature(), 18.0);
    QCOMPARE(c.interiorSummerClimate().temperature(), 18.0);
    QVERIFY(c.setValue(A::RelativeHumidity, A::Summer, false, 65));
    QCOMPARE(c.exteriorSummerClimate().relativeHumidity(), 65.0);
    QCOMPARE(c.exteriorClimate().relativeHumidity(), 70.0);
    QVERIFY(!c.setValue(3, A::Winter, true, 1));
    QVERIFY(!c.setValue(A::Temperature, 3, true, 1));
}

void tst_AssessmentConditions::numericSettersRefuseNonFinite() {
    using A = AssessmentConditions;
    A c;
    const A before = c;
    for (double bad : {NaN, Inf, -Inf}) {
        QVERIFY(!c.setValue(A::Temperature, A::BothPeriods, true, bad));
        QVERIFY(!c.setValue(A::SurfaceResistance, A::Winter, false, bad));
        QVERIFY(!c.setCondensationTime(bad));
        QVERIFY(!c.setEvaporationTime(bad));
    }
    QVERIFY(c == before);
    QCOMPARE(c.interiorClimate(), before.interiorClimate());
    QCOMPARE(c.assessmentType(), 2);
    ClimateCondition climate;
    QVERIFY(!climate.setTemperature(NaN));
    QVERIFY(!climate.setRelativeHumidity(Inf));
    QVERIFY(!climate.setSurfaceResistance(-Inf));
    QCOMPARE(climate, ClimateCondition());
}

void tst_AssessmentConditions::equalityTolerance_data() {
    QTest::addColumn<double>("delta");
    QTest::addColumn<bool>("equal");
    QTest::newRow("identical") << 0.0 << true;
    QTest::newRow("0.00005 everywhere") << 0.00005 << true;
    QTest::newRow("0.0002 everywhere") << 0.0002 << false;
}

void tst_AssessmentConditions::equalityTolerance() {
    QFETCH(double, delta);
    QFETCH(bool, equal);
    using A = AssessmentConditions;
    const A a(0);
    A b = a;
    for (bool warm : {true, false}) {
        const ClimateCondition w = warm ? a.interiorClimate() : a.exteriorClimate();
        const ClimateCondition s = warm ? a.interiorSummerClimate() : a.exteriorSummerClimate();
        b.setValue(A::Temperature, A::Winter, warm, w.temperature() + delta);
        b.setValue(A::RelativeHumidity, A::Winter, warm, w.relativeHumidity() + delta);
        b.setValue(A::SurfaceResistance, A::Winter, warm, w.surfaceResistance() + delta);
        b.setValue(A::Temperature, A::Summer, warm, s.temperature() + delta);
        b.setValue(A::RelativeHumidity, A::Summer, warm, s.relativeHumidity() + delta);
    }
    b.setCondensationTime(a.condensationTime(true) + delta);
    b.setEvaporationTime(a.evaporationTime(true) + delta);
    QCOMPARE(a == b, equal);

    // Each compared number alone breaks equality beyond the tolerance.
    if (!equal) {
        A single = a;
        single.setValue(A::RelativeHumidity, A::Summer, false,
                        a.exteriorSummerClimate().relativeHumidity() + delta);
        QVERIFY(!(a == single));
        single = a;
        single.setEvaporationTime(a.evaporationTime(true) + delta);
        QVERIFY(!(a == single));
        // the summer surface resistance is not compared
        single = a;
        single.setValue(A::SurfaceResistance, A::Summer, true, 5);
        QVERIFY(a == single);
    }
}

void tst_AssessmentConditions::winterTemperatures_data() {
    QTest::addColumn<double>("entered");
    QTest::addColumn<bool>("warmSideEdit");
    QTest::addColumn<bool>("withData");
    QTest::addColumn<double>("opposite"); // NaN: no opposite value
    QTest::addColumn<int>("state");
    // The data hold 20 °C on the warm side and -5 °C on the cold side.
    QTest::newRow("warm above cold") << 10.0 << true << true << NaN << 1;
    QTest::newRow("warm equal cold") << -5.0 << true << true << NaN << 1;
    QTest::newRow("warm below cold") << -6.0 << true << true << NaN << 2;
    QTest::newRow("cold equal warm") << 20.0 << false << true << NaN << 1;
    QTest::newRow("cold above warm") << 21.0 << false << true << NaN << 2;
    QTest::newRow("data win over editor value") << 10.0 << true << true << 15.0 << 1;
    QTest::newRow("editor value without data") << 10.0 << true << false << 15.0 << 2;
    QTest::newRow("cold edit against editor value") << 10.0 << false << false << 15.0 << 1;
    QTest::newRow("nothing to compare with") << 10.0 << true << false << NaN << 0;
    QTest::newRow("entered NaN") << NaN << true << true << NaN << 0;
}

void tst_AssessmentConditions::winterTemperatures() {
    QFETCH(double, entered);
    QFETCH(bool, warmSideEdit);
    QFETCH(bool, withData);
    QFETCH(double, opposite);
    QFETCH(int, state);
    const InputData data;
    std::optional<double> oppositeValue;
    if (!std::isnan(opposite))
        oppositeValue = opposite;
    const WinterTemperatureState s =
        checkWinterTemperatures(entered, warmSideEdit, withData ? &data : nullptr, oppositeValue);
    QCOMPARE(int(s), state);
    QCOMPARE(winterTemperatureMessage(s).isEmpty(), state == 1);
}

QTEST_GUILESS_MAIN(tst_AssessmentConditions)
#include "tst_AssessmentConditions.moc"
