#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

#include "Calculation.h"
#include "CalculationResults.h"
#include "CalculationTestHelpers.h"
#include "SaturationPressure.h"
#include "SaturationPressureExponential.h"
#include "ZMT_Exception.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

// Gypsum board | mineral wool | OSB under the 2014 climate: condensation in one plane.
const LayerSpecs Wall = {{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0.13, 200}};

bool allFinite(const CalculationResults &r) {
    for (double v : {r.d_total, r.mc_Glaser, r.mev_Glaser, r.tev_Glaser, r.U, r.R_total_dry, r.R_total,
                     r.R_dry, r.R, r.mc_0, r.mc, r.tau, r.t_hyg, r.t_dry, r.mev})
        if (!std::isfinite(v))
            return false;
    for (const std::vector<double> *vec :
         {&r.T_Glaser, &r.pv_Glaser, &r.psat_Glaser, &r.R_Glaser, &r.Z_Glaser, &r.R_layers, &r.Z_layers,
          &r.L_layers, &r.T, &r.psat, &r.pv, &r.w_left, &r.w_right, &r.sk_Tavo, &r.mc_layers})
        for (double v : *vec)
            if (!std::isfinite(v))
                return false;
    return true;
}

// 20 °C inside, -10 °C outside, Rsi 0.13, Rse 0.04.
void setTextbookClimate(InputData &input) {
    AssessmentConditions &ac = input.assessmentConditions();
    ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, 20);
    ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false, -10);
    ac.setValue(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, true, 0.13);
    ac.setValue(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, false, 0.04);
}

} // namespace

class tst_Calculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void saturationPressure_data();
    void saturationPressure();
    void temperatureProfile();
    void vapourField();
    void airLayers_data();
    void airLayers();

    void noLayers();
    void invalidWidth_data();
    void invalidWidth();
    void invalidInputKeepsDryValues_data();
    void invalidInputKeepsDryValues();
    void successfulRunSetsCalcState();
    void recalculation();
    void nonFiniteClimateIsAFailure();
};

void tst_Calculation::saturationPressure_data() {
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<double>("theta");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("power 20 C") << false << 20.0 << 2338.0 << 0.5;
    QTest::newRow("exponential 20 C") << true << 20.0 << 2337.0 << 0.5;
    QTest::newRow("power -10 C") << false << -10.0 << 259.9 << 0.05;
    // 610.5 exp(21.875 (-10) / 255.5), worked on a pocket calculator: 259.33 Pa (over ice)
    QTest::newRow("exponential -10 C") << true << -10.0 << 259.33 << 0.005;
    QTest::newRow("exponential 0 C") << true << 0.0 << 610.5 << 1e-9;
}

void tst_Calculation::saturationPressure() {
    QFETCH(bool, exponential);
    QFETCH(double, theta);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double p = exponential ? saturationPressureExponential(theta) : saturationPressurePower(theta);
    VERIFY_NEAR("psat", p, expected, tolerance);
}

// R = 2.83 between 20 and -10 °C with Rsi 0.13 and Rse 0.04: q = 30 / 3 = 10 W/m².
void tst_Calculation::temperatureProfile() {
    std::vector<double> T;
    Calculation::temperatureProfile({2.83}, 0.13, 0.04, 20, -10, T);
    QCOMPARE(int(T.size()), 2);
    VERIFY_NEAR("T[0]", T[0], 18.7, 1e-12);
    VERIFY_NEAR("T[1]", T[1], -9.6, 1e-12);

    // The same through a whole run: one layer of 0.283 m with lambda 0.1.
    InputData input = construction({{0.283, 0.1, 10}});
    setTextbookClimate(input);
    QCOMPARE(input.check(), 0);
    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    for (const std::vector<double> *profile : {&r.T, &r.T_Glaser}) {
        VERIFY_NEAR("inner surface", (*profile)[0], 18.7, 1e-9);
        VERIFY_NEAR("outer surface", (*profile)[1], -9.6, 1e-9);
    }
    VERIFY_NEAR("R_total_dry", r.R_total_dry, 3.0, 1e-12);
    VERIFY_NEAR("U ISO 6946", r.U_ISO6946(), 1 / 3.0, 1e-12);
}

void tst_Calculation::vapourField() {
    std::vector<double> pv;
    Calculation::vapourField({1e9, 3e9}, 1200, 400, pv);
    QCOMPARE(pv, (std::vector<double>{1200, 1000, 400}));
    try {
        Calculation::vapourField({0, 0}, 1200, 400, pv);
        QFAIL("no exception for a construction without diffusion resistance");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString(e.what()), QString("[vapor_field]  Error: R_vap == 0!"));
    }
}

void tst_Calculation::airLayers_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("mu");
    QTest::newRow("20 mm horizontal") << 0.02 << int(Material::HeatFlowHorizontal) << 0.175 << 0.5;
    QTest::newRow("20 mm upwards") << 0.02 << int(Material::HeatFlowUpwards) << 0.16 << 0.5;
    QTest::newRow("20 mm downwards") << 0.02 << int(Material::HeatFlowDownwards) << 0.18 << 0.5;
    QTest::newRow("3 mm") << 0.003 << int(Material::HeatFlowHorizontal) << 0.003 / 0.045 << 1.0;
}

void tst_Calculation::airLayers() {
    QFETCH(double, width);
    QFETCH(int, direction);
    QFETCH(double, R);
    QFETCH(double, mu);
    InputData input = construction(Wall);
    input.layers().insert(1, MaterialLayer(airMaterial(), width));
    QCOMPARE(input.check(), 0);
    Calculation calc;
    calc.calculate(input, direction);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_OnePlane));
    VERIFY_NEAR("R of the air layer", r.R_Glaser[1], R, 1e-12);
    VERIFY_NEAR("dry R of the air layer", r.R_layers[1], R, 1e-12);
    VERIFY_NEAR("Z of the air layer", r.Z_Glaser[1], width * mu / 2e-10, 1e-3);
}

void tst_Calculation::noLayers() {
    InputData input;
    Calculation calc;
    calc.calculate(construction(Wall), Material::HeatFlowHorizontal);
    calc.calculate(input, Material::HeatFlowHorizontal);
    CalculationResults expected;
    expected.calcState = CalculationResults::CS_NoLayers;
    QVERIFY(calc.results() == expected);
}

void tst_Calculation::invalidWidth_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QStringList>("messages");
    // The input check flags the width first; the layer must still be named.
    const QStringList message{"Invalid width 0 of <a href=\"layer-3\">layer #3</a>."};
    QTest::newRow("error state of the input check") << true << message;
    QTest::newRow("unchecked input") << false << message;
}

void tst_Calculation::invalidWidth() {
    QFETCH(bool, checked);
    QFETCH(QStringList, messages);
    InputData input = construction({{0.1, 0.04, 1}, {0.2, 0.04, 1}, {0.0, 0.13, 200}});
    QCOMPARE(input.errorState(), int(InputData::InvalidLayerWidth));
    if (!checked)
        input.setErrorState(InputData::NoError);
    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.calcState, int(CalculationResults::CS_InvalidInput));
    QCOMPARE(r.d_total, 0.0);
    QCOMPARE(r.messages, messages);
    QCOMPARE(calc.messages(), messages);
}

void tst_Calculation::invalidInputKeepsDryValues_data() {
    QTest::addColumn<bool>("badClimate");
    QTest::newRow("invalid material") << false;
    QTest::newRow("invalid climate") << true;
}

void tst_Calculation::invalidInputKeepsDryValues() {
    QFETCH(bool, badClimate);
    InputData input = construction({{0.283, 0.1, 10}});
    setTextbookClimate(input);
    if (badClimate)
        input.assessmentConditions().setValue(AssessmentConditions::RelativeHumidity,
                                              AssessmentConditions::Winter, false, 120);
    else
        input.layers()[0].w_80 = 0.9; // above w_sat
    input.check();
    QCOMPARE(input.errorState(), int(badClimate ? InputData::InvalidClimate : InputData::InvalidMaterial));

    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.calcState, int(CalculationResults::CS_InvalidInput));
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    VERIFY_NEAR("d_total", r.d_total, 0.283, 1e-15);
    VERIFY_NEAR("R_dry", r.R_dry, 2.83, 1e-12);
    VERIFY_NEAR("R_total_dry", r.R_total_dry, 3.0, 1e-12);
    VERIFY_NEAR("T[1]", r.T[1], -9.6, 1e-9);
    QVERIFY(r.T_Glaser.size() == 2 && r.T_Glaser[0] == 0.0); // the standard procedure did not run
}

// A successful run ends with the outcome of the extended calculation (its own tests cover it).
void tst_Calculation::successfulRunSetsCalcState() {
    Calculation calc;
    calc.calculate(construction(Wall), Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_OnePlane));
    QCOMPARE(r.calcState, int(CalculationResults::CS_OnePlane));
    QVERIFY(r.messages.isEmpty());
    QVERIFY(calc.messages().isEmpty());
    VERIFY_NEAR("d_total", r.d_total, 0.1875, 1e-15);
    QCOMPARE(int(r.R_layers.size()), 3);
    QCOMPARE(int(r.psat.size()), 4);
}

void tst_Calculation::recalculation() {
    const InputData wall = construction(Wall);
    InputData other = construction(Wall);
    other.layers()[1].setWidth(0.2);
    Calculation calc;
    calc.calculate(wall, Material::HeatFlowHorizontal);
    const CalculationResults first = calc.results();
    calc.calculate(wall, Material::HeatFlowHorizontal);
    QVERIFY(calc.results() == first); // d_total and everything else start afresh
    calc.calculate(other, Material::HeatFlowHorizontal);
    QVERIFY(calc.results() != first);
    calc.calculate(wall, Material::HeatFlowHorizontal);
    QVERIFY(calc.results() == first);
}

// A climate that slipped past the input check (NaN temperature) must not put NaN into the record.
void tst_Calculation::nonFiniteClimateIsAFailure() {
    InputData input = construction(Wall);
    ClimateCondition inside = input.assessmentConditions().interiorClimate();
    inside = ClimateCondition(NaN, inside.relativeHumidity(), inside.surfaceResistance());
    input.assessmentConditions().setInteriorClimate(inside);
    input.setErrorState(InputData::NoError);
    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.calcState, int(CalculationResults::CS_AlgorithmFailure));
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    QCOMPARE(r.messages, (QStringList{"Result T_Glaser of the Glaser-Calculation is not a finite number.",
                                      "Error in Glaser-Calculation."}));
    QVERIFY(allFinite(r));
}

QTEST_GUILESS_MAIN(tst_Calculation)
#include "tst_Calculation.moc"
