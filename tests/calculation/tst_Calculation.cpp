// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <limits>
#include <vector>

#include "CalculationTestHelpers.h"
#include "SteadyStateProfile.h"
#include "GlaserStandardProcedure.h"
#include "SaturationPressure.h"
#include "SaturationPressureExponential.h"

using Change = std::function<void(InputData &)>;
Q_DECLARE_METATYPE(Change)
using Pa = std::vector<double>;
using Ks = std::vector<int>;
Q_DECLARE_METATYPE(Pa)
Q_DECLARE_METATYPE(Ks)

namespace {

// Gypsum board | mineral wool | OSB under the 2014 climate: condensation in one plane.
const GlaserLayers Wall = {{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0.13, 200}};

Ks planesOf(const CalculationResults &r) {
    Ks planes;
    for (const CalculationResults::IndexRange &range : r.condRanges_Glaser)
        for (int k = range.first; k <= range.second; ++k)
            planes.push_back(k);
    return planes;
}

void setClimate(InputData &input, int quantity, int period, bool inside, double value) {
    QVERIFY(input.assessmentConditions().setValue(quantity, period, inside, value));
}

// One layer of 0.283 m with lambda 0.1 between 20 °C and -10 °C, Rsi 0.13 and Rse 0.04: R_T = 3.
InputData textbookWall() {
    InputData input = construction({{0.283, 0.1, 10}});
    setClimate(input, AssessmentConditions::Temperature, AssessmentConditions::Winter, true, 20);
    setClimate(input, AssessmentConditions::Temperature, AssessmentConditions::Winter, false, -10);
    setClimate(input, AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, true, 0.13);
    setClimate(input, AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, false, 0.04);
    return input;
}

} // namespace

class tst_Calculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void figures();
    void airLayers_data();
    void airLayers();
    void failures_data();
    void failures();
    void invalidClimate_data();
    void invalidClimate();
    void recalculation();
    void referenceExamples_data();
    void referenceExamples();
    void condensationInterfaces_data();
    void condensationInterfaces();
    void touchingInterface();
};

void tst_Calculation::figures() {
    VERIFY_CLOSE("psat power 20 C", saturationPressurePower(20), 2338, 0.5, 0);
    VERIFY_CLOSE("psat exponential 20 C", saturationPressureExponential(20), 2337, 0.5, 0);
    VERIFY_CLOSE("psat power -10 C", saturationPressurePower(-10), 259.9, 0.05, 0);
    // 610.5 exp(21.875 (-10) / 255.5), worked on a pocket calculator: 259.33 Pa (over ice)
    VERIFY_CLOSE("psat exponential -10 C", saturationPressureExponential(-10), 259.33, 0.005, 0);
    // R = 2.83 between 20 and -10 °C with Rsi 0.13 and Rse 0.04: q = 30 / 3 = 10 W/m².
    std::vector<double> T;
    SteadyStateProfile::temperatureProfile({2.83}, 0.13, 0.04, 20, -10, T);
    VERIFY_CLOSE("T[0]", T[0], 18.7, 1e-12, 0);
    VERIFY_CLOSE("T[1]", T[1], -9.6, 1e-12, 0);
    InputData input = textbookWall();
    CalculationResults r = calculate(input);
    VERIFY_CLOSE("T_Glaser[0]", r.T_Glaser[0], 18.7, 1e-9, 0);
    VERIFY_CLOSE("U ISO 6946", r.U_ISO6946(), 1 / 3.0, 1e-12, 0);
    // Invalid input still gets the dry values; the standard procedure does not run.
    setClimate(input, AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, false, 120);
    input.check();
    r = calculate(input);
    QCOMPARE(r.calcState, int(CalculationResults::CS_InvalidInput));
    VERIFY_CLOSE("R_total_dry", r.R_total_dry, 3.0, 1e-12, 0);
    VERIFY_CLOSE("T[1]", r.T[1], -9.6, 1e-9, 0);
    QCOMPARE(r.T_Glaser[0], 0.0);
}

void tst_Calculation::airLayers_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("mu");
    QTest::newRow("20 mm horizontal") << 0.02 << int(HeatFlowDirection::Horizontal) << 0.175 << 0.5;
    QTest::newRow("20 mm upwards") << 0.02 << int(HeatFlowDirection::Upwards) << 0.16 << 0.5;
    QTest::newRow("20 mm downwards") << 0.02 << int(HeatFlowDirection::Downwards) << 0.18 << 0.5;
    QTest::newRow("3 mm") << 0.003 << int(HeatFlowDirection::Horizontal) << 0.003 / 0.045 << 1.0;
}

void tst_Calculation::airLayers() {
    QFETCH(double, width);
    QFETCH(int, direction);
    QFETCH(double, R);
    QFETCH(double, mu);
    InputData input = construction(Wall);
    Material air("Air", MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1.23, 0.025, 1,
                 0.001, 0.01, 0, 0);
    air.setFlags(true, false, false, false);
    input.layers().insert(1, MaterialLayer(air, width));
    QCOMPARE(input.check(), 0);
    const CalculationResults r = calculate(input, HeatFlowDirection(direction));
    VERIFY_CLOSE("R of the air layer", r.R_Glaser[1], R, 1e-12, 0);
    VERIFY_CLOSE("dry R of the air layer", r.R_layers[1], R, 1e-12, 0);
    VERIFY_CLOSE("Z of the air layer", r.Z_Glaser[1], width * mu / 2e-10, 1e-3, 0);
}

void tst_Calculation::failures_data() {
    QTest::addColumn<Change>("change"); // applied to the wall
    QTest::addColumn<bool>("checked");  // false: the procedure's own checks speak
    QTest::addColumn<int>("calcState");
    QTest::addColumn<QStringList>("messages");
    const int invalid = CalculationResults::CS_InvalidInput, failed = CalculationResults::CS_AlgorithmFailure;
    const QString glaser = "Error in Glaser-Calculation.";
    const auto row = [](const char *name, const Change &change, bool checked, int state,
                        const QStringList &m) { QTest::newRow(name) << change << checked << state << m; };
    const auto layers = [](const GlaserLayers &glaserLayers) {
        return [glaserLayers](InputData &in) { in = construction(glaserLayers); };
    };
    const auto climate = [](int quantity, int period, bool inside, double value) {
        return [=](InputData &in) { setClimate(in, quantity, period, inside, value); };
    };
    const GlaserLayers zeroWidth{{0.1, 0.04, 1}, {0.2, 0.04, 1}, {0, 0.13, 200}};
    const QString width = "Invalid width 0 of <a href=\"layer-3\">layer #3</a>.";
    // The input check flags the width first; the layer must still be named.
    row("width 0, flagged by the input check", layers(zeroWidth), true, invalid, {width});
    row("width 0, unchecked", layers(zeroWidth), false, invalid, {width});
    row("mu 0 in layer 2", layers({{0.0125, 0.25, 8}, {0.16, 0.04, 0}, {0.015, 0.13, 200}}), false, invalid,
        {"Invalid mu 0 of material in <a href=\"layer-2\">layer #2</a>.", glaser});
    row("mu 0 in layer 2, flagged by the input check",
        layers({{0.0125, 0.25, 8}, {0.16, 0.04, 0}, {0.015, 0.13, 200}}), true, invalid,
        {"Invalid material data in <a href=\"layer-2\">layer #2</a>."});
    row("relative humidity 150 %, flagged by the input check",
        [](InputData &in) {
            setClimate(in, AssessmentConditions::RelativeHumidity, 0, true, 150);
            in.check();
        },
        true, invalid, {"Invalid climate data or period lengths."});
    row("lambda 0 in layer 3", layers({{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0, 10}}), false, invalid,
        {"Invalid thermal conductivity 0 of material in <a href=\"layer-3\">layer #3</a>.", glaser});
    row("outside surface resistance 0", climate(AssessmentConditions::SurfaceResistance, 0, false, 0), false,
        invalid, {"Invalid surface resistance outside 0.", glaser});
    row("inside surface resistance -0.5", climate(AssessmentConditions::SurfaceResistance, 0, true, -0.5),
        false, invalid, {"Invalid surface resistance inside)-0.5.", glaser});
    // A climate that slipped past the input check must not put NaN into the record.
    const Change nan = [](InputData &in) {
        const ClimateCondition c = in.assessmentConditions().interiorClimate();
        in.assessmentConditions().setInteriorClimate(
            ClimateCondition(NAN, c.relativeHumidity(), c.surfaceResistance()));
    };
    row("NaN temperature", nan, false, failed,
        {"Result T_Glaser of the Glaser-Calculation is not a finite number.", glaser});
    // Saturated summer air on both sides: nothing evaporates, the drying time would be infinite.
    const Change saturated = [](InputData &in) {
        setClimate(in, AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, true, 100);
        setClimate(in, AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, false, 100);
    };
    row("no evaporation", saturated, true, failed,
        {"Result tev_Glaser of the Glaser-Calculation is not a finite number.", glaser});
}

void tst_Calculation::failures() {
    QFETCH(Change, change);
    QFETCH(bool, checked);
    QFETCH(int, calcState);
    QFETCH(QStringList, messages);
    InputData input = construction(Wall);
    change(input);
    if (!checked)
        input.setErrorState(InputData::NoError);
    Calculation calc;
    calc.calculate(input, HeatFlowDirection::Horizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.calcState, calcState);
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    QCOMPARE(r.messages, messages);
    QCOMPARE(calc.messages(), messages);
    for (double v : {r.mc_Glaser, r.mev_Glaser, r.tev_Glaser, r.U, r.R_total})
        QVERIFY(std::isfinite(v));
    for (const std::vector<double> *profile : {&r.T_Glaser, &r.psat_Glaser, &r.pv_Glaser, &r.T, &r.psat})
        for (double v : *profile)
            QVERIFY(std::isfinite(v));
}

// A climate that the input check rejects is an input error, also when the dry values computed
// before the check are infinite: the run ends as invalid input and keeps those values.
void tst_Calculation::invalidClimate_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<double>("Rsi");
    QTest::addColumn<double>("Rse");
    const auto alpha0 = [](bool inside) {
        return [inside](InputData &in) {
            AssessmentConditions &ac = in.assessmentConditions();
            const ClimateCondition c = inside ? ac.interiorClimate() : ac.exteriorClimate();
            const ClimateCondition changed(c.temperature(), c.relativeHumidity(),
                                           std::numeric_limits<double>::infinity()); // 1 / 0
            inside ? ac.setInteriorClimate(changed) : ac.setExteriorClimate(changed);
        };
    };
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("heat transfer coefficient 0 inside") << Change(alpha0(true)) << inf << 0.04;
    QTest::newRow("heat transfer coefficient 0 outside") << Change(alpha0(false)) << 0.25 << inf;
    QTest::newRow("condensation period of 0 days")
        << Change([](InputData &in) { QVERIFY(in.assessmentConditions().setCondensationTime(0)); }) << 0.25
        << 0.04;
}

void tst_Calculation::invalidClimate() {
    QFETCH(Change, change);
    QFETCH(double, Rsi);
    QFETCH(double, Rse);
    InputData input = construction(Wall);
    const double Rdry = 0.0125 / 0.25 + 0.16 / 0.04 + 0.015 / 0.13;
    change(input);
    QCOMPARE(input.check(), int(InputData::InvalidClimate));
    const CalculationResults r = calculate(input);
    QCOMPARE(r.calcState, int(CalculationResults::CS_InvalidInput));
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    QCOMPARE(r.messages, QStringList{"Invalid climate data or period lengths."});
    VERIFY_NEAR(r.R_dry, Rdry, 1e-12);
    QCOMPARE(r.R_total_dry, Rdry + Rsi + Rse);
    // With Rse = 1/0 no heat flows: the whole construction takes the inside temperature.
    if (std::isinf(Rse))
        QCOMPARE(r.T, std::vector<double>(4, 20.0));
}

void tst_Calculation::recalculation() {
    const InputData wall = construction(Wall);
    InputData other = construction(Wall);
    other.layers()[1].setWidth(0.2);
    Calculation calc;
    calc.calculate(wall, HeatFlowDirection::Horizontal);
    const CalculationResults first = calc.results();
    QCOMPARE(first.calcState, int(CalculationResults::CS_OnePlane)); // the extended calculation ran last
    calc.calculate(wall, HeatFlowDirection::Horizontal);
    QVERIFY(calc.results() == first); // d_total and everything else start afresh
    calc.calculate(other, HeatFlowDirection::Horizontal);
    QVERIFY(calc.results() != first);
    calc.calculate(InputData(), HeatFlowDirection::Horizontal);
    CalculationResults noLayers;
    noLayers.calcState = CalculationResults::CS_NoLayers;
    QVERIFY(calc.results() == noLayers);
    calc.calculate(wall, HeatFlowDirection::Horizontal);
    QVERIFY(calc.results() == first);
}

// The examples were worked by hand in tests/data/calculation/glaser_reference.py: the DIN 4108-3
// table method with the graphical tangent rule for the vapour pressure, written without the C++
// code. glaser_reference.json holds its figures as printed (glaser_reference.txt the whole
// worked tables); the calculation has to agree to every printed digit. In B and H the straight
// vapour line runs above saturation at two interfaces while the real pressure touches only one:
// taking the straight line would give a zone with 0.081 kg/m² in B instead of a plane with 0.885.
void tst_Calculation::referenceExamples_data() {
    QTest::addColumn<QJsonObject>("example");
    QFile file(QStringLiteral(TAVO_TEST_DATA_DIR "/calculation/glaser_reference.json"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QJsonArray examples = QJsonDocument::fromJson(file.readAll()).array();
    QVERIFY(examples.size() >= 10);
    for (const QJsonValue &v : examples)
        QTest::newRow(qPrintable(v["name"].toString())) << v.toObject();
}

void tst_Calculation::referenceExamples() {
    QFETCH(QJsonObject, example);
    // A number printed with a fixed count of decimals is right to half a unit of the last digit.
    const auto comparePrinted = [](const QString &what, double actual, const QJsonValue &value) {
        const QString printed = value.toString();
        const int decimals = printed.contains('.') ? printed.size() - printed.indexOf('.') - 1 : 0;
        VERIFY_CLOSE(what, actual, printed.toDouble(), 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-12,
                     0);
    };
    GlaserLayers glaserLayers;
    for (const QJsonValue &layer : example["layers"].toArray())
        glaserLayers.append(
            {layer[0].toString().toDouble(), layer[1].toString().toDouble(), layer[2].toString().toDouble()});
    const InputData input = construction(glaserLayers, example["climate"].toString() == "2001" ? 1 : 2);
    QCOMPARE(input.errorState(), 0);
    const CalculationResults r = calculate(input);
    QCOMPARE(r.glaserCase, example["case"].toInt());
    QVERIFY(r.messages.isEmpty());
    const int n = glaserLayers.size();
    const QVector<QPair<const char *, const std::vector<double> *>> profiles{
        {"T", &r.T_Glaser}, {"psat", &r.psat_Glaser}, {"pv", &r.pv_Glaser}};
    for (const auto &profile : profiles) {
        QCOMPARE(int(profile.second->size()), n + 1);
        for (int k = 0; k <= n; ++k)
            comparePrinted(QString("%1[%2]").arg(profile.first).arg(k), (*profile.second)[k],
                           example.value(profile.first)[k]);
    }
    Ks planes;
    for (const QJsonValue &k : example["planes"].toArray())
        planes.push_back(k.toInt());
    QCOMPARE(planesOf(r), planes);
    QCOMPARE(r.kFirst_Glaser, planes.empty() ? -1 : planes.front());
    QCOMPARE(r.kLast_Glaser, planes.empty() ? -1 : planes.back());
    comparePrinted("mc", r.mc_Glaser, example["mc"]);
    comparePrinted("mev", r.mev_Glaser, example["mev"]);
    comparePrinted("tev in days", r.tev_Glaser / 86400, example["tev_days"]);
}

void tst_Calculation::condensationInterfaces_data() {
    // Unit resistances, pv_in 1000 Pa, pv_out 0 Pa: the straight line falls by 1000/n per layer.
    QTest::addColumn<Pa>("psat"); // interior values matter only
    QTest::addColumn<Ks>("expected");
    const double meet = 2000.0 / 3;
    QTest::newRow("below the line") << Pa{0, 900, 800, 0} << Ks{};
    QTest::newRow("line and saturation meet") << Pa{0, meet, 800, 0} << Ks{1};
    QTest::newRow("just inside the tolerance") << Pa{0, meet * (1 + 1e-10), 800, 0} << Ks{1};
    QTest::newRow("just outside the tolerance") << Pa{0, meet * (1 + 1e-8), 800, 0} << Ks{};
    QTest::newRow("zone with collinear end") << Pa{0, 500, 300, 150, 0} << Ks{1, 2, 3};
    QTest::newRow("two planes") << Pa{0, 500, 400, 150, 0} << Ks{1, 3};
    // The straight line is at 666.7 and 333.3.
    QTest::newRow("line above saturation at two, string touches one") << Pa{0, 400, 300, 0} << Ks{1};
}

void tst_Calculation::condensationInterfaces() {
    QFETCH(Pa, psat);
    QFETCH(Ks, expected);
    QCOMPARE(GlaserStandardProcedure::condensationInterfaces(Pa(psat.size() - 1, 1.0), psat, 1000, 0),
             expected);
}

// An outer board whose resistance factor makes the straight line meet saturation at interface 1
// gives one plane (with no condensate to speak of); a slightly more open one none.
void tst_Calculation::touchingInterface() {
    const double d0 = 0.12, d1 = 0.02;
    // Temperatures and boundary pressures do not depend on the resistance factors.
    const CalculationResults probe = calculate(construction({{d0, 0.04, 1}, {d1, 0.13, 100}}));
    const double pvIn = probe.pv_Glaser[0], pvOut = probe.pv_Glaser[2], ps = probe.psat_Glaser[1];
    // pv[1] = pvIn - (pvIn - pvOut) Z0 / (Z0 + Z1) = ps  =>  Z1 = Z0 ((pvIn - pvOut) / (pvIn - ps) - 1)
    const double mu1 = d0 * ((pvIn - pvOut) / (pvIn - ps) - 1) / d1;
    for (const double factor : {1.0, 1 - 1e-6}) {
        const CalculationResults r = calculate(construction({{d0, 0.04, 1}, {d1, 0.13, mu1 * factor}}));
        QCOMPARE(r.glaserCase,
                 int(factor == 1 ? CalculationResults::GC_OnePlane : CalculationResults::GC_NoCondensation));
        QCOMPARE(planesOf(r), factor == 1 ? Ks{1} : Ks{});
        QVERIFY2(r.mc_Glaser >= 0 && r.mc_Glaser < 1e-6, qPrintable(QString::number(r.mc_Glaser)));
    }
}

QTEST_GUILESS_MAIN(tst_Calculation)
#include "tst_Calculation.moc"
