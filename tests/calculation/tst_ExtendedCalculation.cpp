#include <QtTest>

#include <cmath>
#include <vector>

#include "Calculation.h"
#include "CalculationResults.h"
#include "ExtendedCalculation.h"
#include "ExtendedCalculationTestHelpers.h"

using namespace TestMaterials;

using TestLayers = QVector<TestLayer>;
using Zones = std::vector<CalculationResults::IndexRange>;
using Values = std::vector<double>;
Q_DECLARE_METATYPE(TestLayers)
Q_DECLARE_METATYPE(Zones)
Q_DECLARE_METATYPE(Values)

namespace {

constexpr double Day = 86400;

struct Run {
    CalculationResults results;
    QStringList messages;
    std::uint64_t trials = 0;
    std::uint64_t acceptedMask = 0;
};

Run calculate(const InputData &input) {
    ExtendedCalculation calculation;
    Run run;
    run.results.reset();
    run.results.resize(input.layers().size());
    calculation.run(input, Material::HeatFlowHorizontal, run.results, run.messages);
    run.trials = calculation.planeSearch().statistics().trials;
    run.acceptedMask = calculation.planeSearch().acceptedMask();
    return run;
}

bool relativelyNear(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance * std::abs(expected);
}

QByteArray describe(const QString &what, double actual, double expected) {
    return QString("%1: got %2, expected %3")
        .arg(what)
        .arg(actual, 0, 'g', 10)
        .arg(expected, 0, 'g', 10)
        .toUtf8();
}

#define VERIFY_RELATIVE(what, actual, expected, tolerance)                                                   \
    QVERIFY2(relativelyNear((actual), (expected), (tolerance)),                                              \
             describe((what), (actual), (expected)).constData())

bool allFinite(const CalculationResults &r, bool allowInfiniteL) {
    for (const Values *v :
         {&r.R_layers, &r.Z_layers, &r.T, &r.psat, &r.pv, &r.w_left, &r.w_right, &r.sk_Tavo, &r.mc_layers})
        for (double x : *v)
            if (!std::isfinite(x))
                return false;
    for (double x : r.L_layers)
        if (std::isnan(x) || (!allowInfiniteL && std::isinf(x)))
            return false;
    for (double x : {r.U, r.R, r.R_total, r.mc_0, r.mc, r.tau, r.t_hyg, r.t_dry, r.mev})
        if (!std::isfinite(x))
            return false;
    return true;
}

TestLayers timberFrame() {
    return {{gypsumBoard, 0.0125}, {mineralWool, 0.2}, {osb, 0.015}};
}

TestLayers interiorInsulation() {
    return {{limePlaster, 0.01},
            {calciumSilicate, 0.06},
            {limePlaster, 0.015},
            {historicBrick, 0.365},
            {limeCementRender, 0.02}};
}

TestLayers bitumenOnColdSide() {
    return {{gypsumBoard, 0.0125}, {mineralWool, 0.2}, {bitumen, 0.004}};
}

// A timber frame wall with the insulation split into slices.
TestLayers slicedTimberFrame(int slices, const TestMaterial &outer) {
    TestLayers layers{{gypsumBoard, 0.0125}};
    for (int i = 0; i < slices; ++i)
        layers.append({mineralWool, 0.2 / slices});
    layers.append({outer, 0.015});
    return layers;
}

// 26 layers: a brick wall with an ETICS whose insulation is split into 23 slices; no condensation.
TestLayers slicedEtics(int slices) {
    TestLayers layers{{limeCementRender, 0.015}, {brick, 0.24}};
    for (int i = 0; i < slices; ++i)
        layers.append({eps, 0.16 / slices});
    layers.append({limeCementRender, 0.01});
    return layers;
}

} // namespace

class tst_ExtendedCalculation : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data();
    void outcomes();
    void matchesIndependentReference_data();
    void matchesIndependentReference();
    void nonCapillaryLayerTakesNoWater_data();
    void nonCapillaryLayerTakesNoWater();
    void timeFactorWhenAccumulationStartsAfterPeriod();
    void rememberedCombinationTriedFirst();
    void laterPassWithSurfaceCondensationClearsZones();
    void wetThroughoutMass_data();
    void wetThroughoutMass();
    void noConditionsLeakBetweenRuns();
    void runsAsLastStepOfCalculate();
};

void tst_ExtendedCalculation::outcomes_data() {
    QTest::addColumn<TestLayers>("layers");
    QTest::addColumn<int>("calcState");
    QTest::addColumn<Zones>("zones");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("4: thin concrete slab, condensation on the inner surface")
        << TestLayers{{concrete, 0.05}, {concrete, 0.05}} << 4 << Zones{} << QStringList{};
    // A cooled room in a warm, humid climate: see the climate set-up in the test.
    QTest::newRow("5: cold store wall, condensation on the outer surface")
        << TestLayers{{concrete, 0.05}, {concrete, 0.05}} << 5 << Zones{} << QStringList{};
    QTest::newRow("6: single brick wall") << TestLayers{{brick, 0.3}} << 6 << Zones{} << QStringList{};
    QTest::newRow("7: brick wall with ETICS")
        << TestLayers{{limeCementRender, 0.015}, {brick, 0.24}, {eps, 0.16}, {limeCementRender, 0.01}} << 7
        << Zones{} << QStringList{};
    QTest::newRow("9: timber frame without vapour retarder")
        << timberFrame() << 9 << Zones{{1, 2}} << QStringList{};
    QTest::newRow("10: interior insulation") << interiorInsulation() << 10 << Zones{{1, 3}} << QStringList{};
    QTest::newRow("11: two separate zones")
        << TestLayers{{calciumSilicate, 0.069}, {mineralWool, 0.031}, {brick, 0.189},
                      {mineralWool, 0.017},     {spruce, 0.159},      {concrete, 0.179}}
        << 11 << Zones{{1, 2}, {3, 5}} << QStringList{};

    TestMaterial tooWet = limePlaster;
    tooWet.w80 = 0.1;
    tooWet.wsat = 0.11; // valid material, but w_95 = 0.11875 leaves no free pores
    QTest::newRow("1: moisture content at 95% above saturation")
        << TestLayers{{gypsumBoard, 0.0125}, {tooWet, 0.01}} << 1 << Zones{}
        << QStringList{"Invalid moisture storage values for <a href=\"layer-2\">layer #2</a>.",
                       "Current moisture content at 80%RH leads to an moisture content at 95%RH higher than "
                       "saturation moisture content."};
    QTest::newRow("2: plane between two non-capillary layers")
        << TestLayers{{xps, 0.19}, {bitumen, 0.001}} << 2 << Zones{}
        << QStringList{
               "No Solution found!",
               "Layers without capillary water uptake (water uptake coefficient 0) on both sides of the "
               "condensation region prevent this calculation: <a href=\"layer-1\">layer #1</a>, "
               "<a href=\"layer-2\">layer #2</a>."};
    QTest::newRow("2: 26 layers with condensation")
        << slicedTimberFrame(24, osb) << 2 << Zones{}
        << QStringList{"Too many layers for the condensation calculation (at most 24)."};
    QTest::newRow("7: 26 layers without condensation need no search")
        << slicedEtics(23) << 7 << Zones{} << QStringList{};
}

void tst_ExtendedCalculation::outcomes() {
    QFETCH(TestLayers, layers);
    QFETCH(int, calcState);
    QFETCH(Zones, zones);
    QFETCH(QStringList, messages);
    InputData input = testConstruction(layers);
    if (calcState == 5) {
        AssessmentConditions &ac = input.assessmentConditions();
        ac.setAssessmentType(AssessmentConditions::CustomConditions);
        ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, 10);
        ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false, 25);
        ac.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, false, 95);
    }
    const Run run = calculate(input);
    QCOMPARE(run.results.calcState, calcState);
    QCOMPARE(run.results.zones, zones);
    QCOMPARE(run.results.messages, messages);
    QVERIFY(allFinite(run.results, true));
    if (calcState >= 9) {
        QVERIFY(run.results.mc > 0);
        QVERIFY(run.results.t_dry > 0);
    }
}

void tst_ExtendedCalculation::matchesIndependentReference_data() {
    // Figures of tests/data/calculation/extended_reference.py (6 significant digits).
    QTest::addColumn<TestLayers>("layers");
    QTest::addColumn<Values>("scalars"); // U, mc_0, mc, t_hyg [d], tau [d], mev, t_dry [d]
    QTest::addColumn<Values>("sk");
    QTest::addColumn<Values>("mcLayers");
    QTest::addColumn<Values>("wLeft");
    QTest::addColumn<Values>("wRight");
    QTest::addColumn<Values>("pv");

    QTest::newRow("one plane") << timberFrame()
                               << Values{0.162909, 34.2027, 3.99965, 0.297331, 2163.91, 3.12011, 115.371}
                               << Values{0, 9.43701e-05, 0.00508021} << Values{0, 0.125796, 3.87386}
                               << Values{0.00442722, 0.000279313, 1.22931}
                               << Values{0.00391038, 2.0001, 0.0674527}
                               << Values{1169.095, 1019.590, 419.983};
    QTest::newRow("one zone of two planes")
        << interiorInsulation() << Values{0.57768, 0.462871, 0.438708, 4.69373, 86.6748, 2.33928, 16.8786}
        << Values{0, 0.0187601, 0.015, 0.12882, 0} << Values{0, 0.210827, 0.0618303, 0.166051, 0}
        << Values{0.00744493, 0.0148109, 0.0177736, 0.0132148, 0.0164665}
        << Values{0.00740545, 0.0406071, 0.0133202, 0.0104288, 0.0135634}
        << Values{1169.095, 1152.265, 803.048, 790.952, 400.030};
    QTest::newRow("bitumen membrane behind the plane")
        << bitumenOnColdSide() << Values{0.166282, 7378.84, 4.36829, 0.0262875, 455811, 2.8837, 136.334}
        << Values{0, 0.00210558, 0} << Values{0, 4.36829, 0} << Values{0.00443304, 0.000320769, 0.00316787}
        << Values{0.00449076, 3.11253, 9.36573e-05} << Values{1169.095, 1169.073, 410.154};
}

void tst_ExtendedCalculation::matchesIndependentReference() {
    QFETCH(TestLayers, layers);
    QFETCH(Values, scalars);
    QFETCH(Values, sk);
    QFETCH(Values, mcLayers);
    QFETCH(Values, wLeft);
    QFETCH(Values, wRight);
    QFETCH(Values, pv);
    const CalculationResults r = calculate(testConstruction(layers)).results;
    const double digits = 1e-5; // six printed significant digits
    VERIFY_RELATIVE("U", r.U, scalars[0], digits);
    VERIFY_RELATIVE("mc_0", r.mc_0, scalars[1], digits);
    VERIFY_RELATIVE("mc", r.mc, scalars[2], digits);
    VERIFY_RELATIVE("t_hyg", r.t_hyg / Day, scalars[3], digits);
    VERIFY_RELATIVE("tau", r.tau / Day, scalars[4], digits);
    VERIFY_RELATIVE("mev", r.mev, scalars[5], digits);
    VERIFY_RELATIVE("t_dry", r.t_dry / Day, scalars[6], digits);
    for (std::size_t i = 0; i < sk.size(); ++i) {
        const QString layer = QString("[%1]").arg(i);
        VERIFY_RELATIVE("sk_Tavo" + layer, r.sk_Tavo[i], sk[i], digits);
        VERIFY_RELATIVE("mc_layers" + layer, r.mc_layers[i], mcLayers[i], digits);
        VERIFY_RELATIVE("w_left" + layer, r.w_left[i], wLeft[i], digits);
        VERIFY_RELATIVE("w_right" + layer, r.w_right[i], wRight[i], digits);
        QVERIFY2(std::abs(r.pv[i] - pv[i]) <= 6e-4, describe("pv" + layer, r.pv[i], pv[i])); // 3 decimals
    }
    double sum = 0;
    for (double m : r.mc_layers)
        sum += m;
    VERIFY_RELATIVE("sum of mc_layers", sum, r.mc, 1e-12);
}

void tst_ExtendedCalculation::nonCapillaryLayerTakesNoWater_data() {
    QTest::addColumn<TestLayers>("layers");
    QTest::addColumn<int>("dryLayer");
    QTest::addColumn<int>("calcState");
    QTest::newRow("bitumen membrane on the cold side of the zone") << bitumenOnColdSide() << 2 << 9;
    QTest::newRow("XPS on the warm side of the zone")
        << TestLayers{{spruce, 0.099}, {xps, 0.147}, {osb, 0.143}, {concrete, 0.151}, {brick, 0.151}} << 1
        << 10;
}

// Condensation in front of a foil, XPS or bitumen is the everyday case: the layer takes no
// liquid water, exactly, and nothing turns into NaN or a spurious "Value < 0!".
void tst_ExtendedCalculation::nonCapillaryLayerTakesNoWater() {
    QFETCH(TestLayers, layers);
    QFETCH(int, dryLayer);
    QFETCH(int, calcState);
    const CalculationResults r = calculate(testConstruction(layers)).results;
    QCOMPARE(r.calcState, calcState);
    QVERIFY(r.zones.front().first == dryLayer || r.zones.back().second == dryLayer);
    QCOMPARE(r.sk_Tavo[dryLayer], 0.0);
    QCOMPARE(r.mc_layers[dryLayer], 0.0);
    QVERIFY(std::isinf(r.L_layers[dryLayer]) && r.L_layers[dryLayer] > 0);
    QVERIFY(allFinite(r, true));
    QVERIFY(r.mc > 0);
}

void tst_ExtendedCalculation::timeFactorWhenAccumulationStartsAfterPeriod() {
    // t_hyg of the timber frame wall is about 0.3 days; a condensation period of 0.1 days ends
    // before condensate accumulates, so the time factor is 1e-17 and the masses practically vanish.
    InputData input = testConstruction(timberFrame());
    QVERIFY(input.assessmentConditions().setCondensationTime(0.1));
    const CalculationResults r = calculate(input).results;
    QCOMPARE(r.calcState, 9);
    QVERIFY2(r.t_hyg >= 0.1 * Day, describe("t_hyg", r.t_hyg, 0.1 * Day).constData());
    QVERIFY(r.mc_0 > 1);
    VERIFY_RELATIVE("mc", r.mc, r.mc_0 * 1e-17, 1e-9);
    // Wet zone lengths and the moisture excess at the plane shrink with sqrt(1e-17).
    const double s = std::sqrt(1e-17);
    QVERIFY(r.sk_Tavo[1] > 0 && r.sk_Tavo[1] <= 0.2 * s);
    QVERIFY(r.sk_Tavo[2] > 0 && r.sk_Tavo[2] <= 0.015 * s);
    const double w95 = mineralWool.w80 * 95 / 80;
    QVERIFY2(r.w_right[1] - w95 < 10 * s, describe("w_right[1]", r.w_right[1], w95).constData());
}

void tst_ExtendedCalculation::rememberedCombinationTriedFirst() {
    // Pass 1 tries masks 1 to 6 (planes at interfaces 2 and 3); passes 2 and 3 accept the
    // remembered mask 6 at once. Starting at 1 every time would take 18 trials.
    const Run run = calculate(testConstruction(interiorInsulation()));
    QCOMPARE(run.results.calcState, 10);
    QCOMPARE(run.acceptedMask, std::uint64_t(6));
    QCOMPARE(run.trials, std::uint64_t(8));
}

void tst_ExtendedCalculation::laterPassWithSurfaceCondensationClearsZones() {
    // Pass 1 finds a plane behind the wood fibre board; its wet conductivity then cools the inner
    // surface below the dew point in pass 2. The zone of pass 1 must not stay in the record.
    const Run run = calculate(testConstruction({{woodFibre, 0.011}, {bitumen, 0.00056}, {concrete, 0.197}}));
    QCOMPARE(run.results.calcState, 4);
    QVERIFY(run.trials > 0);
    QVERIFY(run.results.zones.empty());
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(run.results.sk_Tavo[i], 0.0);
        QCOMPARE(run.results.mc_layers[i], 0.0);
    }
    for (double v : {run.results.mc_0, run.results.mc, run.results.tau, run.results.t_hyg, run.results.t_dry,
                     run.results.mev})
        QCOMPARE(v, 0.0);
}

void tst_ExtendedCalculation::wetThroughoutMass_data() {
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("expected"); // kg/m² for d = 0.1 m
    const double f = 2000.0 / 3.0 * 0.1;
    QTest::newRow("unequal") << 0.2 << 0.1 << f * (0.008 - 0.001) / (0.04 - 0.01);
    QTest::newRow("equal: 0/0 in the cubic form") << 0.1 << 0.1 << f * 1.5 * 0.1;
    QTest::newRow("both zero") << 0.0 << 0.0 << 0.0;
    QTest::newRow("one side zero") << 0.0 << 0.3 << f * 0.3;
}

void tst_ExtendedCalculation::wetThroughoutMass() {
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, expected);
    const double mass = ExtendedCalculation::wetThroughoutMass(0.1, left, right);
    QVERIFY2(std::abs(mass - expected) <= 1e-12 * std::max(1.0, expected), describe("mass", mass, expected));
}

void tst_ExtendedCalculation::noConditionsLeakBetweenRuns() {
    // One object reused for a condensing and a dry construction: the second result equals that of
    // a fresh object (storage is kept, state is not).
    ExtendedCalculation calculation;
    QStringList messages;
    CalculationResults first;
    first.resize(3);
    calculation.run(testConstruction(timberFrame()), 2, first, messages);
    CalculationResults reused;
    reused.resize(4);
    const InputData etics =
        testConstruction({{limeCementRender, 0.015}, {brick, 0.24}, {eps, 0.16}, {limeCementRender, 0.01}});
    calculation.run(etics, 2, reused, messages);
    const CalculationResults fresh = calculate(etics).results;
    QVERIFY(reused == fresh);
    QCOMPARE(calculation.planeSearch().statistics().trials, std::uint64_t(0));
}

void tst_ExtendedCalculation::runsAsLastStepOfCalculate() {
    // The whole calculation fills the same fields, keeps the infinite liquid transport resistance
    // of the bitumen membrane and the standard procedure's results beside them.
    const InputData input = testConstruction(bitumenOnColdSide());
    Calculation calculation;
    calculation.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &whole = calculation.results();
    const CalculationResults alone = calculate(input).results;
    QCOMPARE(whole.calcState, 9);
    QCOMPARE(whole.glaserCase, 9);
    QVERIFY(whole.messages.isEmpty());
    QVERIFY(std::isinf(whole.L_layers[2]));
    QCOMPARE(whole.mc, alone.mc);
    QCOMPARE(whole.sk_Tavo, alone.sk_Tavo);
    QCOMPARE(whole.R_layers, alone.R_layers);
}

QTEST_GUILESS_MAIN(tst_ExtendedCalculation)
#include "tst_ExtendedCalculation.moc"
