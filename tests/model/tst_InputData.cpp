#include <QtTest>

#include <cmath>
#include <limits>

#include "InputData.h"
#include "MaterialIdCounter.h"
#include "MaterialLayer.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

Material plaster() {
    return Material("Plaster", MaterialCategory(MaterialCategory::PlasterAndMortar), "", "", "", "", 1400,
                    0.7, 10, 0.01, 0.3, 0.05, 3);
}

Material foil(double sd, double mu) {
    Material m("Foil", MaterialCategory(MaterialCategory::FoilsAndWaterproofing), "", "", "", "", 900, 0.2,
               mu, 0.001, 0.01, 0, 4);
    m.sd_value = sd;
    m.setFlag(MF_Foil);
    return m;
}

Material airMaterial() {
    Material m("Air", MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1.23, 0.025, 1,
               0.001, 0.01, 0, 0);
    m.setFlags(true, false, false, false);
    return m;
}

Material invalidMaterial() {
    Material m = plaster();
    m.category = MaterialCategory(); // unknown
    return m;
}

// Layers described as "<kind>:<width>", kinds: p plaster, x invalid material, a air.
QVector<MaterialLayer> layersFrom(const QStringList &descriptions) {
    QVector<MaterialLayer> layers;
    for (const QString &s : descriptions) {
        const QStringList parts = s.split(':');
        const QString w = parts.value(1);
        const double width = w == "nan" ? NaN : w == "inf" ? Inf : w.toDouble();
        const QString kind = parts.value(0);
        const Material m = kind == "x" ? invalidMaterial() : kind == "a" ? airMaterial() : plaster();
        layers.append(MaterialLayer(m, width));
    }
    return layers;
}

} // namespace

class tst_InputData : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void widthUnits_data();
    void widthUnits();
    void sdValueRule_data();
    void sdValueRule();
    void replacingTheMaterialKeepsWidth();
    void check_data();
    void check();
    void layersValidForCalculation_data();
    void layersValidForCalculation();
    void equality();
    void userMaterialIds();
};

void tst_InputData::defaults() {
    const InputData d;
    QVERIFY(d.layers().isEmpty());
    QCOMPARE(d.errorState(), 0);
    QCOMPARE(d.assessmentConditions().assessmentType(), 2);
    QVERIFY(!d.hasAirLayer());
    const MaterialLayer layer;
    QCOMPARE(layer.width(), 0.0);
    QCOMPARE(layer.material(), Material());
}

void tst_InputData::widthUnits_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("factor");
    QTest::addColumn<double>("metres");
    QTest::newRow("dm") << 25.0 << 10 << 2.5;
    QTest::newRow("cm") << 2.5 << 100 << 0.025;
    QTest::newRow("mm") << 25.0 << 1000 << 0.025;
    QTest::newRow("m") << 0.3 << 1 << 0.3;
    QTest::newRow("unknown factor means metres") << 0.3 << 7 << 0.3;
}

void tst_InputData::widthUnits() {
    QFETCH(double, value);
    QFETCH(int, factor);
    QFETCH(double, metres);
    MaterialLayer layer(plaster(), 0.1);
    QVERIFY(layer.setWidth(value, factor));
    QVERIFY2(std::fabs(layer.width() - metres) < 1e-15, qPrintable(QString::number(layer.width(), 'g', 17)));
    QVERIFY2(std::fabs(layer.width(factor) - value) < 1e-12,
             qPrintable(QString::number(layer.width(factor), 'g', 17)));
    QVERIFY(!layer.setWidth(NaN, 1));
    QVERIFY(!layer.setWidth(Inf, 1000));
    QVERIFY2(std::fabs(layer.width() - metres) < 1e-15, "a refused value must not change the width");
}

void tst_InputData::sdValueRule_data() {
    QTest::addColumn<double>("sd");
    QTest::addColumn<double>("mu");
    QTest::addColumn<double>("widthGiven");
    QTest::addColumn<double>("width");
    QTest::newRow("foil 100 m, mu 100000") << 100.0 << 100000.0 << 0.2 << 0.001;
    QTest::newRow("no sd-value keeps width") << 0.0 << 100000.0 << 0.2 << 0.2;
    QTest::newRow("negative sd-value keeps width") << -1.0 << 100.0 << 0.2 << 0.2;
    QTest::newRow("mu 0 leaves width") << 2.0 << 0.0 << 0.2 << 0.2;
}

void tst_InputData::sdValueRule() {
    QFETCH(double, sd);
    QFETCH(double, mu);
    QFETCH(double, widthGiven);
    QFETCH(double, width);
    MaterialLayer layer(foil(sd, mu), widthGiven);
    QVERIFY2(std::fabs(layer.width() - width) < 1e-15, qPrintable(QString::number(layer.width(), 'g', 17)));
    // A layer whose thickness follows from its sd-value ignores width changes.
    const bool fixed = sd != 0;
    QCOMPARE(layer.setWidth(0.5, 1), !fixed);
    QCOMPARE(layer.width(), fixed ? layer.width() : 0.5);
    if (fixed)
        QVERIFY2(std::fabs(layer.width() - width) < 1e-15, "setWidth must not change a fixed layer");
}

void tst_InputData::replacingTheMaterialKeepsWidth() {
    MaterialLayer layer(plaster(), 0.02);
    // An air material with an sd-value: mu depends on the width, evaluated once with the old width.
    Material m = airMaterial();
    m.sd_value = 0.01;
    layer.setMaterial(m);
    // muEff(0.02) = 0.5, so the width becomes 0.01 / 0.5 = 0.02 again
    QVERIFY2(std::fabs(layer.width() - 0.02) < 1e-15, qPrintable(QString::number(layer.width(), 'g', 17)));
    m.sd_value = 0.05;
    layer.setMaterial(m);
    QVERIFY2(std::fabs(layer.width() - 0.1) < 1e-15, qPrintable(QString::number(layer.width(), 'g', 17)));
    layer.setMaterial(plaster());
    QVERIFY2(std::fabs(layer.width() - 0.1) < 1e-15, "an ordinary material keeps the width");
}

void tst_InputData::check_data() {
    QTest::addColumn<QStringList>("layers");
    QTest::addColumn<bool>("badClimate");
    QTest::addColumn<int>("state");
    QTest::newRow("valid") << QStringList{"p:0.02", "a:0.03"} << false << 0;
    QTest::newRow("empty construction") << QStringList() << false << 0;
    QTest::newRow("bad climate") << QStringList{"p:0.02"} << true << 3;
    QTest::newRow("width 0 overrides bad climate") << QStringList{"p:0"} << true << 1;
    QTest::newRow("invalid material overrides bad climate") << QStringList{"x:0.1"} << true << 2;
    QTest::newRow("invalid material before width 0") << QStringList{"p:0.1", "x:0.1", "p:0"} << false << 2;
    QTest::newRow("width 0 before invalid material") << QStringList{"p:0", "x:0.1"} << false << 1;
    QTest::newRow("width checked before material") << QStringList{"x:-1"} << false << 1;
    QTest::newRow("NaN width") << QStringList{"p:nan"} << false << 1;
    QTest::newRow("infinite width") << QStringList{"p:inf"} << false << 1;
}

void tst_InputData::check() {
    QFETCH(QStringList, layers);
    QFETCH(bool, badClimate);
    QFETCH(int, state);
    InputData d;
    d.layers() = layersFrom(layers);
    if (badClimate)
        d.assessmentConditions().setCondensationTime(0);
    d.setErrorState(3);
    QCOMPARE(d.check(), state);
    QCOMPARE(d.errorState(), state);
}

void tst_InputData::layersValidForCalculation_data() {
    QTest::addColumn<QStringList>("layers");
    QTest::addColumn<double>("lambda"); // conductivity given to the plaster layers
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("hasAir");
    QTest::newRow("empty") << QStringList() << 0.7 << true << false;
    QTest::newRow("ordinary") << QStringList{"p:0.02"} << 0.7 << true << false;
    QTest::newRow("lambda 0") << QStringList{"p:0.02"} << 0.0 << false << false;
    QTest::newRow("width 0") << QStringList{"p:0", "a:0.02"} << 0.7 << false << true;
    QTest::newRow("air with lambda 0 is fine") << QStringList{"a:0.02"} << 0.0 << true << true;
    QTest::newRow("invalid material with lambda > 0") << QStringList{"x:0.02"} << 0.7 << true << false;
}

void tst_InputData::layersValidForCalculation() {
    QFETCH(QStringList, layers);
    QFETCH(double, lambda);
    QFETCH(bool, valid);
    QFETCH(bool, hasAir);
    InputData d;
    d.layers() = layersFrom(layers);
    for (MaterialLayer &l : d.layers())
        l.setLambda(lambda);
    QCOMPARE(d.layersValidForCalculation(), valid);
    QCOMPARE(d.hasAirLayer(), hasAir);
}

void tst_InputData::equality() {
    InputData a;
    a.layers() = layersFrom({"p:0.02", "p:0.1"});
    InputData b = a;
    QVERIFY(a == b);
    b.layers().removeLast();
    QVERIFY(a != b);
    b = a;
    b.layers()[1].setWidth(0.1000001);
    QVERIFY(a != b);
    b = a;
    b.layers()[1].setId(77); // ids are not compared
    QVERIFY(a == b);
    b.layers()[1].rho += 1;
    QVERIFY(a != b);
    b = a;
    b.setErrorState(1);
    QVERIFY(a != b);
    b = a;
    b.assessmentConditions().setCondensationTime(90.00005);
    QVERIFY(a == b);
    b.assessmentConditions().setCondensationTime(61);
    QVERIFY(a != b);
}

void tst_InputData::userMaterialIds() {
    MaterialIdCounter::reset();
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), 32768);
    QCOMPARE(MaterialIdCounter::nextUserMaterialId(), 32768);
    QCOMPARE(MaterialIdCounter::nextUserMaterialId(), 32769);
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), 32770);
}

QTEST_GUILESS_MAIN(tst_InputData)
#include "tst_InputData.moc"
