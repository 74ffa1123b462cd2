#include <QtTest>

#include <cmath>
#include <limits>

#include "Material.h"
#include "MaterialCategory.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

Material brick() {
    Material m("Brick", MaterialCategory(MaterialCategory::BuildingBrick), "notes", "product", "producer",
               "source", 1800, 0.81, 10, 0.01, 0.3, 0.02, 12);
    return m;
}

Material air() {
    Material m("Air", MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1.23, 0.025, 1,
               0.001, 0.01, 0, 0);
    m.setFlags(true, false, false, false);
    return m;
}

} // namespace

class tst_Material : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void defaults();
    void fullConstructor();
    void validity_data();
    void validity();
    void equality_data();
    void equality();
    void setters();
    void airLayerLambda_data();
    void airLayerLambda();
    void lambdaOfOrdinaryMaterial();
    void muEff_data();
    void muEff();
    void categories();
    void formattedValue_data();
    void formattedValue();
    void formattedValueUsesLocale();
    void infoText();
};

void tst_Material::defaults() {
    Material m;
    QVERIFY(m.name.isEmpty());
    QCOMPARE(m.category.value(), int(MaterialCategory::Unknown));
    QVERIFY(!m.color.isValid());
    QCOMPARE(m.rho, 0.0);
    QCOMPARE(m.materialId, 0);
    QVERIFY(!m.isAir() && !m.isWood() && !m.isWoodBased() && !m.isFoil());
    QVERIFY(m.productCodes.isEmpty());
    QVERIFY(m.measuringDate.isNull());
    QVERIFY(!m.isValid());
    // argument order: air, wood, wood based, foil; the whole set is replaced
    m.setFlags(true, false, true, false);
    QVERIFY(m.isAir() && !m.isWood() && m.isWoodBased() && !m.isFoil());
    m.setFlags(false, true, false, true);
    QVERIFY(!m.isAir() && m.isWood() && !m.isWoodBased() && m.isFoil());
}

void tst_Material::fullConstructor() {
    const Material m = brick();
    QCOMPARE(m.mu_min, 10.0);
    QCOMPARE(m.mu_max, 10.0);
    QCOMPARE(m.sd_value, 0.0);
    QCOMPARE(m.materialId, 12);
    QCOMPARE(m.m_Aw, 0.02);
    QVERIFY(m.color.isValid());
    QCOMPARE(m.color.alpha(), 255);
    QVERIFY(m.isValid());
}

void tst_Material::validity_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("reference") << "" << 0.0 << true;
    QTest::newRow("empty name") << "name" << 0.0 << false;
    QTest::newRow("rho 0") << "rho" << 0.0 << false;
    QTest::newRow("rho infinite") << "rho" << Inf << false;
    QTest::newRow("lambda 0") << "lambda" << 0.0 << false;
    QTest::newRow("lambda NaN") << "lambda" << NaN << false;
    QTest::newRow("mu 0") << "mu" << 0.0 << false;
    QTest::newRow("mu infinite") << "mu" << Inf << false;
    QTest::newRow("w_80 0") << "w_80" << 0.0 << false;
    QTest::newRow("w_80 equal to w_sat") << "w_80" << 0.3 << false;
    QTest::newRow("w_sat exactly 1") << "w_sat" << 1.0 << true;
    QTest::newRow("w_sat above 1") << "w_sat" << 1.0000001 << false;
    QTest::newRow("w_sat NaN") << "w_sat" << NaN << false;
    QTest::newRow("Aw 0") << "m_Aw" << 0.0 << true;
    QTest::newRow("Aw negative") << "m_Aw" << -0.001 << false;
    QTest::newRow("Aw infinite") << "m_Aw" << Inf << false;
    QTest::newRow("category unknown") << "cat" << 13.0 << false;
    QTest::newRow("category 12") << "cat" << 12.0 << true;
    QTest::newRow("raw category -1") << "rawcat" << -1.0 << false;
    QTest::newRow("raw category 14") << "rawcat" << 14.0 << false;
    QTest::newRow("sd-value NaN") << "sd_value" << NaN << false;
}

void tst_Material::validity() {
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(bool, valid);
    Material m = brick();
    if (field == "name")
        m.name.clear();
    else if (field == "rho")
        m.rho = value;
    else if (field == "lambda")
        m.lambda = value;
    else if (field == "mu")
        m.mu = value;
    else if (field == "w_80")
        m.w_80 = value;
    else if (field == "w_sat")
        m.w_sat = value;
    else if (field == "m_Aw")
        m.m_Aw = value;
    else if (field == "cat")
        m.category = MaterialCategory(int(value));
    else if (field == "rawcat")
        m.category = MaterialCategory::fromRawValue(int(value));
    else if (field == "sd_value")
        m.sd_value = value;
    QCOMPARE(m.isValid(), valid);
}

void tst_Material::equality_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("equal");
    // ignored fields
    QTest::newRow("materialId") << "materialId" << true;
    QTest::newRow("sd_value") << "sd_value" << true;
    QTest::newRow("wood flag") << "wood" << true;
    QTest::newRow("foil flag") << "foil" << true;
    QTest::newRow("dates") << "dates" << true;
    QTest::newRow("product codes") << "codes" << true;
    // compared fields
    QTest::newRow("colour") << "color" << false;
    QTest::newRow("category") << "category" << false;
    QTest::newRow("name") << "name" << false;
    QTest::newRow("air flag") << "air" << false;
    QTest::newRow("notes") << "notes" << false;
    QTest::newRow("data source") << "dataSource" << false;
    QTest::newRow("rho") << "rho" << false;
    QTest::newRow("lambda") << "lambda" << false;
    QTest::newRow("mu") << "mu" << false;
    QTest::newRow("mu_min") << "mu_min" << false;
    QTest::newRow("mu_max") << "mu_max" << false;
    QTest::newRow("Aw") << "m_Aw" << false;
    QTest::newRow("w_80") << "w_80" << false;
    QTest::newRow("w_sat") << "w_sat" << false;
    QTest::newRow("product name") << "productName" << false;
    QTest::newRow("producer") << "producer" << false;
}

void tst_Material::equality() {
    QFETCH(QString, field);
    QFETCH(bool, equal);
    const Material a = brick();
    Material b = a;
    QVERIFY(a == b);
    if (field == "materialId")
        b.setId(99);
    else if (field == "sd_value")
        b.sd_value = 0.5;
    else if (field == "wood")
        b.setFlag(MF_Wood);
    else if (field == "foil")
        b.setFlag(MF_Foil);
    else if (field == "dates") {
        b.measuringDate = QDate(2020, 1, 2);
        b.samplingDate = QDate(2020, 1, 3);
        b.productionDate = QDate(2020, 1, 4);
    } else if (field == "codes")
        b.productCodes = {1, 5};
    else if (field == "color")
        b.color = QColor(a.color.red() ^ 1, a.color.green(), a.color.blue());
    else if (field == "category")
        b.category = MaterialCategory(MaterialCategory::Soil);
    else if (field == "name")
        b.name += "x";
    else if (field == "air")
        b.setFlag(MF_Air);
    else if (field == "notes")
        b.notes += "x";
    else if (field == "dataSource")
        b.dataSource += "x";
    else if (field == "rho")
        b.rho += 1e-9;
    else if (field == "lambda")
        b.lambda += 1e-12;
    else if (field == "mu")
        b.mu += 1e-12;
    else if (field == "mu_min")
        b.mu_min += 1;
    else if (field == "mu_max")
        b.mu_max += 1;
    else if (field == "m_Aw")
        b.m_Aw += 1e-12;
    else if (field == "w_80")
        b.w_80 += 1e-12;
    else if (field == "w_sat")
        b.w_sat += 1e-12;
    else if (field == "productName")
        b.productName += "x";
    else if (field == "producer")
        b.producer += "x";
    QCOMPARE(a == b, equal);
    QCOMPARE(a != b, !equal);
}

void tst_Material::setters() {
    Material m = brick();
    QVERIFY(m.setAw(0.6, false));
    QVERIFY2(std::fabs(m.m_Aw - 0.01) < 1e-15, qPrintable(QString::number(m.m_Aw, 'g', 17)));
    QVERIFY(m.setAw(0.6, true));
    QCOMPARE(m.m_Aw, 0.6);
    QVERIFY(!m.setAw(NaN, true));
    QVERIFY(!m.setAw(Inf, false));
    QCOMPARE(m.m_Aw, 0.6);
    QVERIFY(m.setLambda(0.04));
    QVERIFY(!m.setLambda(NaN));
    QCOMPARE(m.lambda, 0.04);
    QVERIFY(m.setMu(20));
    QVERIFY(!m.setMu(-Inf));
    QCOMPARE(m.mu, 20.0);
}

void tst_Material::airLayerLambda_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("R"); // 0: the fixed thin-layer conductivity 0.045 applies

    // Widths and resistances shared by all directions up to 10 mm.
    struct Row {
        double d;
        double R;
    };
    const Row common[] = {{0.001, 0},    {0.005, 0},     {0.0050001, 0.110001}, {0.006, 0.12},
                          {0.007, 0.13}, {0.0085, 0.14}, {0.010, 0.15}};
    const char *names[] = {"up", "down", "horizontal"};
    for (int dir = 0; dir < 3; ++dir)
        for (const Row &r : common)
            QTest::addRow("%s %g", names[dir], r.d) << dir << r.d << r.R;

    const Row up[] = {{0.0125, 0.155}, {0.015, 0.16}, {0.0150001, 0.16}, {0.02, 0.16}, {0.5, 0.16}};
    for (const Row &r : up)
        QTest::addRow("up %g", r.d) << 0 << r.d << r.R;
    const Row horizontal[] = {{0.0125, 0.16}, {0.015, 0.17}, {0.02, 0.175},
                              {0.025, 0.18},  {0.03, 0.18},  {1.0, 0.18}};
    for (const Row &r : horizontal)
        QTest::addRow("horizontal %g", r.d) << 2 << r.d << r.R;
    const Row down[] = {{0.0125, 0.16}, {0.015, 0.17}, {0.02, 0.18},   {0.025, 0.19},
                        {0.0375, 0.20}, {0.05, 0.21},  {0.075, 0.215}, {0.1, 0.22},
                        {0.2, 0.225},   {0.3, 0.23},   {0.4, 0.23}};
    for (const Row &r : down)
        QTest::addRow("down %g", r.d) << 1 << r.d << r.R;
    QTest::newRow("unknown direction counts as horizontal") << 7 << 0.02 << 0.175;
}

void tst_Material::airLayerLambda() {
    QFETCH(int, direction);
    QFETCH(double, d);
    QFETCH(double, R);
    const double expected = R == 0 ? 0.045 : d / R;
    const double got = air().lambdaEff(d, direction);
    QVERIFY2(std::fabs(got - expected) <= 1e-9 * expected,
             qPrintable(QString("lambdaEff %1, expected %2").arg(got, 0, 'g', 12).arg(expected, 0, 'g', 12)));
}

void tst_Material::lambdaOfOrdinaryMaterial() {
    const Material m = brick();
    QCOMPARE(m.lambdaEff(0.02, 2), 0.81);
    QCOMPARE(m.lambdaEff(0.003, 0), 0.81);
    // an air layer without width keeps its own conductivity
    QCOMPARE(air().lambdaEff(0, 2), 0.025);
    QCOMPARE(air().lambdaEff(-0.01, 1), 0.025);
}

void tst_Material::muEff_data() {
    QTest::addColumn<bool>("isAir");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("expected");
    QTest::newRow("air 8 mm") << true << 0.008 << 1.0;
    QTest::newRow("air exactly 10 mm") << true << 0.01 << 1.0;
    QTest::newRow("air 50 mm") << true << 0.05 << 0.2;
    QTest::newRow("air 20 mm") << true << 0.02 << 0.5;
    QTest::newRow("brick any width") << false << 0.05 << 10.0;
}

void tst_Material::muEff() {
    QFETCH(bool, isAir);
    QFETCH(double, d);
    QFETCH(double, expected);
    const Material m = isAir ? air() : brick();
    const double got = m.muEff(d);
    QVERIFY2(std::fabs(got - expected) < 1e-12, qPrintable(QString("%1 vs %2").arg(got).arg(expected)));
}

void tst_Material::categories() {
    QCOMPARE(MaterialCategory(-1).value(), 13);
    QCOMPARE(MaterialCategory(13).value(), 13);
    QCOMPARE(MaterialCategory(99).value(), 13);
    QCOMPARE(MaterialCategory(0).value(), 0);
    QCOMPARE(MaterialCategory(12).value(), 12);
    QCOMPARE(MaterialCategory::fromRawValue(40).value(), 40);
    const QStringList names = MaterialCategory::names();
    QCOMPARE(names.size(), 13);
    QCOMPARE(names.first(), QString("Coating"));
    QCOMPARE(names.last(), QString("Miscellaneous"));
    QVERIFY(!names.contains("Unknown"));
    QCOMPARE(MaterialCategory::name(13), QString("Unknown"));
    QCOMPARE(MaterialCategory::name(-5), QString("Unknown"));
    QCOMPARE(MaterialCategory::name(5), QString("Insulation materials"));
    QCOMPARE(MaterialCategory::fromName("Soil"), 9);
    QCOMPARE(MaterialCategory::fromName("Unknown"), -1);
    QCOMPARE(MaterialCategory::fromName("Nonsense"), -1);
}

void tst_Material::formattedValue_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("lambda >= 10") << 1 << 12.345 << "12";
    QTest::newRow("lambda < 0.01") << 1 << 0.005 << "0.00500";
    QTest::newRow("lambda normal") << 1 << 0.0351 << "0.035";
    QTest::newRow("mu < 1") << 2 << 0.5 << "0.5";
    QTest::newRow("mu < 10") << 2 << 5.24 << "5.2";
    QTest::newRow("mu normal") << 2 << 1234.0 << "1234";
    QTest::newRow("mu >= 10000") << 2 << 100000.0 << "1.0e+05";
    QTest::newRow("w_80 small") << 3 << 0.0005 << "5.00e-04";
    QTest::newRow("w_sat normal") << 4 << 0.35 << "0.3500";
    QTest::newRow("Aw small") << 5 << 0.005 << "5.00e-03";
    QTest::newRow("Aw normal") << 5 << 0.02 << "0.0200";
    QTest::newRow("sd small") << 6 << 0.125 << "0.125";
    QTest::newRow("sd large, no group separator") << 6 << 1500.4 << "1500";
    QTest::newRow("kind 0 like sd") << 0 << 12345.6 << "12346";
    QTest::newRow("other kind") << 9 << 1234567.0 << "1.23457e+06";
}

void tst_Material::formattedValue() {
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Material::formattedValue(kind, value), text);
}

void tst_Material::formattedValueUsesLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString lambda = Material::formattedValue(1, 0.0351);
    const QString sd = Material::formattedValue(6, 12345.0);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(lambda, QString("0,035"));
    QCOMPARE(sd, QString("12345"));
}

void tst_Material::infoText() {
    Material m = brick();
    m.notes.clear();
    m.dataSource.clear();
    QCOMPARE(m.infoText(), QString());
    m.dataSource = "Lab";
    m.notes = "N";
    m.setFlags(true, true, true, true);
    m.measuringDate = QDate(2019, 3, 1);
    m.samplingDate = QDate(2018, 11, 5);
    m.productionDate = QDate(2017, 1, 1);
    QCOMPARE(m.infoText(),
             QString("Data source: Lab\nNotes: N\nAir\nWood\nWood based\n"
                     "Measuring date: 03 2019\nProduction date: 01 2017\nSampling date: 11 2018\n"));
}

QTEST_GUILESS_MAIN(tst_Material)
#include "tst_Material.moc"
