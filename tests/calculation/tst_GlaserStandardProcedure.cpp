#include <QtTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <vector>

#include "Calculation.h"
#include "CalculationResults.h"
#include "CalculationTestHelpers.h"
#include "GlaserStandardProcedure.h"

namespace {

const double Day = 86400;

// Tolerance of a number printed with a fixed count of decimals: half a unit of the last digit.
double printedTolerance(const QString &printed) {
    const int dot = printed.indexOf('.');
    const int decimals = dot < 0 ? 0 : printed.size() - dot - 1;
    return 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-12;
}

void comparePrinted(const QString &what, double actual, const QString &printed) {
    VERIFY_NEAR(what, actual, printed.toDouble(), printedTolerance(printed));
}

std::vector<int> planesOf(const CalculationResults &r) {
    std::vector<int> planes;
    for (const CalculationResults::IndexRange &range : r.condRanges_Glaser)
        for (int k = range.first; k <= range.second; ++k)
            planes.push_back(k);
    return planes;
}

CalculationResults calculate(const InputData &input) {
    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    return calc.results();
}

// Gypsum board | mineral wool | OSB: one condensation plane in front of the OSB.
const LayerSpecs WallWithOSB = {{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0.13, 200}};

} // namespace

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<int>)

class tst_GlaserStandardProcedure : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void referenceExamples_data();
    void referenceExamples();
    void condensationInterfaces_data();
    void condensationInterfaces();
    void touchingInterface_data();
    void touchingInterface();
    void surfaceCondensation_data();
    void surfaceCondensation();
    void invalidInput_data();
    void invalidInput();
    void noEvaporationIsReported();
};

// The examples were worked by hand in tests/data/calculation/glaser_reference.py: the DIN 4108-3
// table method with the graphical tangent rule for the vapour pressure, written without the C++
// code. glaser_reference.json holds its figures as printed (glaser_reference.txt the whole
// worked tables); the calculation has to agree to every printed digit. In B and H the straight
// vapour line runs above saturation at two interfaces while the real pressure touches only one:
// taking the straight line would give a zone with 0.081 kg/m² in B instead of a plane with 0.885.
void tst_GlaserStandardProcedure::referenceExamples_data() {
    QTest::addColumn<QJsonObject>("example");
    QFile file(QStringLiteral(TAVO_TEST_DATA_DIR "/calculation/glaser_reference.json"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QJsonArray examples = QJsonDocument::fromJson(file.readAll()).array();
    QVERIFY(examples.size() >= 10);
    for (const QJsonValue &v : examples) {
        const QJsonObject example = v.toObject();
        QTest::newRow(qPrintable(example["name"].toString())) << example;
    }
}

void tst_GlaserStandardProcedure::referenceExamples() {
    QFETCH(QJsonObject, example);
    LayerSpecs specs;
    for (const QJsonValue &layer : example["layers"].toArray()) {
        const QJsonArray a = layer.toArray();
        specs.append({a[0].toString().toDouble(), a[1].toString().toDouble(), a[2].toString().toDouble()});
    }
    const InputData input = construction(specs, example["climate"].toString() == "2001" ? 1 : 2);
    QCOMPARE(input.errorState(), 0);
    const CalculationResults r = calculate(input);

    QCOMPARE(r.glaserCase, example["case"].toInt());
    QVERIFY(r.messages.isEmpty());
    const int n = specs.size();
    for (const char *field : {"T", "psat", "pv"}) {
        const QJsonArray printed = example[field].toArray();
        const std::vector<double> &actual = QByteArray(field) == "T"      ? r.T_Glaser
                                            : QByteArray(field) == "psat" ? r.psat_Glaser
                                                                          : r.pv_Glaser;
        QCOMPARE(int(actual.size()), n + 1);
        QCOMPARE(printed.size(), n + 1);
        for (int k = 0; k <= n; ++k)
            comparePrinted(QString("%1[%2]").arg(field).arg(k), actual[std::size_t(k)],
                           printed[k].toString());
    }

    std::vector<int> expectedPlanes;
    for (const QJsonValue &k : example["planes"].toArray())
        expectedPlanes.push_back(k.toInt());
    QCOMPARE(planesOf(r), expectedPlanes);
    QCOMPARE(r.kFirst_Glaser, expectedPlanes.empty() ? -1 : expectedPlanes.front());
    QCOMPARE(r.kLast_Glaser, expectedPlanes.empty() ? -1 : expectedPlanes.back());

    comparePrinted("mc", r.mc_Glaser, example["mc"].toString());
    comparePrinted("mev", r.mev_Glaser, example["mev"].toString());
    comparePrinted("tev in days", r.tev_Glaser / Day, example["tev_days"].toString());
}

void tst_GlaserStandardProcedure::condensationInterfaces_data() {
    // Unit resistances, pv_in 1000 Pa, pv_out 0 Pa: the straight line falls by 1000/n per layer.
    QTest::addColumn<std::vector<double>>("psat"); // interior values matter only
    QTest::addColumn<std::vector<int>>("expected");
    QTest::newRow("below the line") << std::vector<double>{0, 900, 800, 0} << std::vector<int>{};
    QTest::newRow("one plane") << std::vector<double>{0, 400, 800, 0} << std::vector<int>{1};
    QTest::newRow("line and saturation meet")
        << std::vector<double>{0, 2000.0 / 3, 800, 0} << std::vector<int>{1};
    QTest::newRow("just inside the tolerance")
        << std::vector<double>{0, 2000.0 / 3 * (1 + 1e-10), 800, 0} << std::vector<int>{1};
    QTest::newRow("just outside the tolerance")
        << std::vector<double>{0, 2000.0 / 3 * (1 + 1e-8), 800, 0} << std::vector<int>{};
    QTest::newRow("zone with collinear end")
        << std::vector<double>{0, 500, 300, 150, 0} << std::vector<int>{1, 2, 3};
    QTest::newRow("two planes") << std::vector<double>{0, 500, 400, 150, 0} << std::vector<int>{1, 3};
    QTest::newRow("line above saturation at two, string touches one")
        << std::vector<double>{0, 400, 300, 0} << std::vector<int>{1}; // line: 666.7, 333.3
}

void tst_GlaserStandardProcedure::condensationInterfaces() {
    QFETCH(std::vector<double>, psat);
    QFETCH(std::vector<int>, expected);
    const std::vector<double> Z(psat.size() - 1, 1.0);
    QCOMPARE(GlaserStandardProcedure::condensationInterfaces(Z, psat, 1000, 0), expected);
}

// Outer board whose resistance factor makes the straight line meet saturation at interface 1.
void tst_GlaserStandardProcedure::touchingInterface_data() {
    QTest::addColumn<double>("muFactor");
    QTest::addColumn<int>("glaserCase");
    QTest::newRow("touching") << 1.0 << int(CalculationResults::GC_OnePlane);
    QTest::newRow("slightly more open") << 1 - 1e-6 << int(CalculationResults::GC_NoCondensation);
    QTest::newRow("slightly tighter") << 1 + 1e-6 << int(CalculationResults::GC_OnePlane);
}

void tst_GlaserStandardProcedure::touchingInterface() {
    QFETCH(double, muFactor);
    QFETCH(int, glaserCase);
    const double d0 = 0.12, mu0 = 1, d1 = 0.02;
    // Temperatures and boundary pressures do not depend on the resistance factors.
    const CalculationResults probe = calculate(construction({{d0, 0.04, mu0}, {d1, 0.13, 100}}));
    const double pvIn = probe.pv_Glaser[0], pvOut = probe.pv_Glaser[2], ps = probe.psat_Glaser[1];
    QVERIFY(ps > pvOut && ps < pvIn);
    // pv[1] = pvIn - (pvIn - pvOut) Z0 / (Z0 + Z1) = ps  =>  Z1 = Z0 ((pvIn - pvOut) / (pvIn - ps) - 1)
    const double mu1 = d0 * mu0 * ((pvIn - pvOut) / (pvIn - ps) - 1) / d1;

    const CalculationResults r = calculate(construction({{d0, 0.04, mu0}, {d1, 0.13, mu1 * muFactor}}));
    QCOMPARE(r.glaserCase, glaserCase);
    if (glaserCase == CalculationResults::GC_OnePlane) {
        QCOMPARE(planesOf(r), std::vector<int>{1});
        QVERIFY2(r.mc_Glaser >= 0, qPrintable(QString::number(r.mc_Glaser)));
        if (muFactor == 1.0)
            VERIFY_NEAR("mc of a line that only touches", r.mc_Glaser, 0.0, 1e-6);
        QVERIFY(r.mev_Glaser > 0);
    } else {
        QVERIFY(planesOf(r).empty());
        QCOMPARE(r.mc_Glaser, 0.0);
    }
}

void tst_GlaserStandardProcedure::surfaceCondensation_data() {
    QTest::addColumn<double>("Ti");
    QTest::addColumn<double>("rhInside");
    QTest::addColumn<double>("Te");
    QTest::addColumn<double>("rhOutside");
    QTest::addColumn<int>("glaserCase");
    QTest::addColumn<int>("wetInterface");
    QTest::newRow("saturated room air")
        << 20.0 << 100.0 << -5.0 << 80.0 << int(CalculationResults::GC_CondensationInnerSurface) << 0;
    QTest::newRow("saturated outdoor air, no temperature drop")
        << -5.0 << 50.0 << -5.0 << 100.0 << int(CalculationResults::GC_CondensationOuterSurface) << 3;
}

void tst_GlaserStandardProcedure::surfaceCondensation() {
    QFETCH(double, Ti);
    QFETCH(double, rhInside);
    QFETCH(double, Te);
    QFETCH(double, rhOutside);
    QFETCH(int, glaserCase);
    QFETCH(int, wetInterface);
    InputData input = construction(WallWithOSB);
    AssessmentConditions &ac = input.assessmentConditions();
    ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, Ti);
    ac.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, true, rhInside);
    ac.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false, Te);
    ac.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, false, rhOutside);
    QCOMPARE(input.check(), 0);

    const CalculationResults r = calculate(input);
    QCOMPARE(r.glaserCase, glaserCase);
    const std::vector<int> wet = planesOf(r);
    QVERIFY(std::find(wet.begin(), wet.end(), wetInterface) != wet.end());
    QCOMPARE(r.kFirst_Glaser, -1);
    QCOMPARE(r.kLast_Glaser, -1);
    QCOMPARE(r.mc_Glaser, 0.0);
    QCOMPARE(r.mev_Glaser, 0.0);
    QCOMPARE(r.tev_Glaser, 0.0);
}

void tst_GlaserStandardProcedure::invalidInput_data() {
    QTest::addColumn<int>("badLayer");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("mu");
    QTest::addColumn<double>("Rsi");
    QTest::addColumn<double>("Rse");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("mu 0 in layer 2") << 1 << 0.04 << 0.0 << 0.25 << 0.04
                                     << QStringList{
                                            "Invalid mu 0 of material in <a href=\"layer-2\">layer #2</a>."};
    QTest::newRow("lambda 0 in layer 3")
        << 2 << 0.0 << 10.0 << 0.25 << 0.04
        << QStringList{"Invalid thermal conductivity 0 of material in <a href=\"layer-3\">layer #3</a>."};
    QTest::newRow("outside surface") << -1 << 0.0 << 0.0 << 0.25 << 0.0
                                     << QStringList{"Invalid surface resistance outside 0."};
    QTest::newRow("inside surface") << -1 << 0.0 << 0.0 << -0.5 << 0.04
                                    << QStringList{"Invalid surface resistance inside)-0.5."};
}

void tst_GlaserStandardProcedure::invalidInput() {
    QFETCH(int, badLayer);
    QFETCH(double, lambda);
    QFETCH(double, mu);
    QFETCH(double, Rsi);
    QFETCH(double, Rse);
    QFETCH(QStringList, messages);
    LayerSpecs layers = WallWithOSB;
    if (badLayer >= 0) {
        layers[badLayer].lambda = lambda;
        layers[badLayer].mu = mu;
    }
    InputData input = construction(layers);
    input.assessmentConditions().setValue(AssessmentConditions::SurfaceResistance,
                                          AssessmentConditions::Winter, true, Rsi);
    input.assessmentConditions().setValue(AssessmentConditions::SurfaceResistance,
                                          AssessmentConditions::Winter, false, Rse);
    input.setErrorState(InputData::NoError); // let the procedure's own checks speak

    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    QCOMPARE(r.calcState, int(CalculationResults::CS_InvalidInput));
    QCOMPARE(r.messages, messages + QStringList{"Error in Glaser-Calculation."});
    if (badLayer >= 0) // the checks stop at the first bad layer
        for (int i = badLayer; i < layers.size(); ++i)
            QCOMPARE(r.R_Glaser[std::size_t(i)], 0.0);
}

// Saturated summer air on both sides: nothing can evaporate, the drying time would be infinite.
void tst_GlaserStandardProcedure::noEvaporationIsReported() {
    InputData input = construction(WallWithOSB);
    input.assessmentConditions().setValue(AssessmentConditions::RelativeHumidity,
                                          AssessmentConditions::Summer, true, 100);
    input.assessmentConditions().setValue(AssessmentConditions::RelativeHumidity,
                                          AssessmentConditions::Summer, false, 100);
    Calculation calc;
    calc.calculate(input, Material::HeatFlowHorizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.calcState, int(CalculationResults::CS_AlgorithmFailure));
    QCOMPARE(r.glaserCase, int(CalculationResults::GC_InvalidInput));
    QCOMPARE(r.messages, (QStringList{"Result tev_Glaser of the Glaser-Calculation is not a finite number.",
                                      "Error in Glaser-Calculation."}));
    QVERIFY(std::isfinite(r.tev_Glaser) && std::isfinite(r.mev_Glaser) && std::isfinite(r.mc_Glaser));
}

QTEST_GUILESS_MAIN(tst_GlaserStandardProcedure)
#include "tst_GlaserStandardProcedure.moc"
