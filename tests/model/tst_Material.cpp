// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "NearlyEqual.h"

#include <cmath>
#include <limits>

#include "InputData.h"
#include "MaterialFilter.h"
#include "MaterialIdCounter.h"
#include "MaterialLayer.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// Materials by letter: b brick, a air, x invalid (unknown category), f foil (sd 100 m, mu 100000).
Material material(char kind = 'b') {
    const bool air = kind == 'a', foil = kind == 'f';
    const double mu = foil ? 1e5 : air ? 1 : 10;
    Material m("Brick", MaterialCategory(kind == 'x' ? -1 : MaterialCategory::BuildingBrick), "notes",
               "product", "producer", "source", air ? 1.23 : 1800, air ? 0.025 : 0.81, mu, 0.01, 0.3, 0.02,
               12);
    m.setFlags(air, false, false, foil);
    m.sd_value = foil ? 100 : 0;
    return m;
}

// Layers written as "<material letter>:<width>[:<lambda>]".
QVector<MaterialLayer> layersFrom(const QStringList &descriptions) {
    QVector<MaterialLayer> layers;
    for (const QString &s : descriptions) {
        const QStringList p = s.split(':');
        layers.append(MaterialLayer(material(p[0][0].toLatin1()), p[1].toDouble())); // "nan" and "inf" too
        if (p.size() > 2)
            layers.last().setLambda(p[2].toDouble());
    }
    return layers;
}

bool near(double a, double b) {
    return std::fabs(a - b) < 1e-12;
}

// The numeric and text fields by name, for tests that change one of them.
const QMap<QString, double Material::*> numbers{
    {"rho", &Material::rho},       {"lambda", &Material::lambda}, {"mu", &Material::mu},
    {"mu_min", &Material::mu_min}, {"mu_max", &Material::mu_max}, {"w_80", &Material::w_80},
    {"w_sat", &Material::w_sat},   {"m_Aw", &Material::m_Aw},     {"sd_value", &Material::sd_value}};
const QVector<QString Material::*> texts{&Material::name, &Material::notes, &Material::dataSource,
                                         &Material::productName, &Material::producer};

// The outcome of the input check and of the calculation's own layer test for a construction.
struct Construction {
    QStringList layers;
    bool badClimate;
    int state;
    bool validForCalculation, hasAir;
};

} // namespace

Q_DECLARE_METATYPE(Construction)

class tst_Material : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void constructorAndFlags() {
        const Material m = material();
        QVERIFY(m.mu_min == 10 && m.mu_max == 10 && m.color.isValid() && m.isValid()); // range starts at mu
        Material f; // argument order: air, wood, wood based, foil; the whole set is replaced
        f.setFlags(true, false, true, false);
        QVERIFY(f.isAir() && !f.isWood() && f.isWoodBased() && !f.isFoil());
        f.setFlags(false, true, false, true);
        QVERIFY(!f.isAir() && f.isWood() && !f.isWoodBased() && f.isFoil());
    }

    void validity_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("reference") << QString() << 0.0 << true;
        QTest::newRow("empty name") << "name" << 0.0 << false;
        QTest::newRow("rho 0") << "rho" << 0.0 << false;
        QTest::newRow("lambda NaN") << "lambda" << NaN << false;
        QTest::newRow("w_80 0") << "w_80" << 0.0 << false;
        QTest::newRow("w_80 equal to w_sat") << "w_80" << 0.3 << false;
        QTest::newRow("w_sat exactly 1") << "w_sat" << 1.0 << true;
        QTest::newRow("w_sat above 1") << "w_sat" << 1.0000001 << false;
        QTest::newRow("Aw 0") << "m_Aw" << 0.0 << true;
        QTest::newRow("Aw negative") << "m_Aw" << -0.001 << false;
        QTest::newRow("sd-value infinite") << "sd_value" << Inf << false;
        QTest::newRow("category unknown") << "category" << 13.0 << false;
        QTest::newRow("category 14") << "category" << 14.0 << false;
    }

    void validity() {
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(bool, valid);
        Material m = material();
        if (field == "name")
            m.name.clear();
        else if (field == "category")
            m.category = MaterialCategory::fromRawValue(int(value));
        else if (!field.isEmpty())
            m.*numbers.value(field) = value;
        QCOMPARE(m.isValid(), valid);
    }

    void equalityComparesExactlyTheListedFields() {
        const Material a = material();
        const auto differs = [&a](auto change) {
            Material b = a;
            change(b);
            return a != b;
        };
        for (const QString &f : numbers.keys()) // all numbers but the sd-value
            QVERIFY2(differs([&](Material &m) { m.*numbers.value(f) += 1e-9; }) == (f != "sd_value"),
                     qPrintable(f));
        for (QString Material::*f : texts)
            QVERIFY(differs([&](Material &m) { m.*f += "x"; }));
        QVERIFY(differs([](Material &m) { m.setFlag(MF_Air); }));
        QVERIFY(differs([](Material &m) { m.category = MaterialCategory(MaterialCategory::Soil); }));
        QVERIFY(differs([](Material &m) { m.color = m.color.darker(); }));
        // The id, the wood and foil flags, product codes and dates are not compared.
        QVERIFY(!differs([](Material &m) {
            m.setId(99);
            m.setFlags(false, true, false, true);
            m.productCodes = {1, 5};
            m.measuringDate = m.samplingDate = m.productionDate = QDate(2020, 1, 2);
        }));
    }

    void settersRefuseNonFinite() {
        Material m = material();
        QVERIFY(m.setAw(0.6, false) && near(m.m_Aw, 0.01)); // given per root hour
        QVERIFY(m.setAw(0.6, true) && !m.setAw(NaN, true) && !m.setAw(Inf, false) && m.m_Aw == 0.6);
        QVERIFY(m.setLambda(0.04) && !m.setLambda(NaN) && m.lambda == 0.04);
        QVERIFY(m.setMu(20) && !m.setMu(-Inf) && m.mu == 20);
    }

    void airLayerLambda_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("R"); // 0: the fixed thin-layer conductivity 0.045 applies
        // A width exactly on a break point belongs to the lower interval.
        using Row = std::pair<double, double>;
        const Row common[] = {{0.001, 0},    {0.005, 0},     {0.0050001, 0.110001}, {0.006, 0.12},
                              {0.007, 0.13}, {0.0085, 0.14}, {0.010, 0.15}};
        const std::vector<Row> up{{0.0125, 0.155}, {0.015, 0.16}, {0.0150001, 0.16}, {0.5, 0.16}};
        const std::vector<Row> down{{0.0125, 0.16}, {0.015, 0.17}, {0.02, 0.18},   {0.025, 0.19},
                                    {0.0375, 0.20}, {0.05, 0.21},  {0.075, 0.215}, {0.1, 0.22},
                                    {0.2, 0.225},   {0.3, 0.23},   {0.4, 0.23}};
        const std::vector<Row> horizontal{
            {0.0125, 0.16}, {0.015, 0.17}, {0.02, 0.175}, {0.025, 0.18}, {1.0, 0.18}};
        const std::vector<Row> *own[] = {&up, &down, &horizontal};
        const char *names[] = {"up", "down", "horizontal"};
        for (int dir = 0; dir < 3; ++dir) {
            for (const auto &[d, R] : common)
                QTest::addRow("%s %g", names[dir], d) << dir << d << R;
            for (const auto &[d, R] : *own[dir])
                QTest::addRow("%s %g", names[dir], d) << dir << d << R;
        }
        QTest::newRow("unknown direction counts as horizontal") << 7 << 0.02 << 0.175;
    }

    void airLayerLambda() {
        QFETCH(int, direction);
        QFETCH(double, d);
        QFETCH(double, R);
        const double expected = R == 0 ? 0.045 : d / R,
                     got = material('a').lambdaEff(d, HeatFlowDirection(direction));
        VERIFY_CLOSE("lambdaEff", got, expected, 0, 1e-9);
    }

    void otherLambdaAndMu() {
        QCOMPARE(material().lambdaEff(0.003, HeatFlowDirection::Upwards), 0.81); // only air uses the table
        QCOMPARE(material('a').lambdaEff(0, HeatFlowDirection::Horizontal),
                 0.025); // an air layer without width keeps its own value
        QCOMPARE(material().muEff(0.05), 10.0);
        for (const auto &c : {std::pair<double, double>{0.008, 1}, {0.01, 1}, {0.02, 0.5}, {0.05, 0.2}})
            QVERIFY2(near(material('a').muEff(c.first), c.second), qPrintable(QString::number(c.first)));
    }

    void formattedValue_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("lambda exactly 10") << 1 << 10.0 << "10";
        QTest::newRow("lambda < 0.01") << 1 << 0.005 << "0.00500";
        QTest::newRow("lambda normal, rounded") << 1 << 0.0351 << "0.035";
        QTest::newRow("mu < 10") << 2 << 5.24 << "5.2";
        QTest::newRow("mu >= 10000") << 2 << 100000.0 << "1.0e+05";
        QTest::newRow("w_80 small") << 3 << 0.0005 << "5.00e-04";
        QTest::newRow("w_sat normal") << 4 << 0.009 << "0.0090";
        QTest::newRow("Aw below 0.01") << 5 << 0.009 << "9.00e-03";
        QTest::newRow("sd large, no group separator") << 6 << 1500.4 << "1500";
        QTest::newRow("other kind") << 9 << 1234567.0 << "1.23457e+06";
    }

    void formattedValue() {
        QFETCH(int, kind);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Material::formattedValue(kind, value), text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // decimal comma, still no separator
        const QString german = Material::formattedValue(kind, value);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(german, QString(text).replace('.', ','));
    }

    void infoText() {
        Material m = material();
        m.setFlags(true, false, true, true); // only what is set appears; foils are not named
        m.measuringDate = QDate(2019, 3, 1);
        m.productionDate = QDate(2017, 1, 1);
        QCOMPARE(m.infoText(), QString("Data source: source\nNotes: notes\nAir\nWood based\n"
                                       "Measuring date: 03 2019\nProduction date: 01 2017\n"));
    }

    void layerWidthUnits() {
        MaterialLayer layer(material(), 0.1);
        QVERIFY(layer.setWidth(25, 10) && near(layer.width(), 2.5) && near(layer.width(10), 25)); // dm
        QVERIFY(layer.setWidth(25, 1000) && near(layer.width(), 0.025) && near(layer.width(1000), 25));
        QVERIFY(layer.setWidth(0.3, 7) && near(layer.width(), 0.3)); // an unknown factor means metres
        QVERIFY(!layer.setWidth(NaN, 1) && !layer.setWidth(Inf, 1000) && near(layer.width(), 0.3));
    }

    void layerThicknessFromSdValue() {
        MaterialLayer foil(material('f'), 0.2); // sd / mu, and width changes are ignored
        QVERIFY(near(foil.width(), 0.001) && !foil.setWidth(0.5, 1) && near(foil.width(), 0.001));
        Material m = material('a'); // an air material's mu depends on the width: evaluated once, old width
        m.sd_value = 0.05;
        MaterialLayer layer(material(), 0.02);
        layer.setMaterial(m); // muEff(0.02) = 0.5
        QVERIFY2(near(layer.width(), 0.1), qPrintable(QString::number(layer.width(), 'g', 17)));
        for (const auto &c : {std::pair<double, double>{0, 1e5}, {-1, 100}, {2, 0}}) { // no thickness follows
            m = material('f');
            m.sd_value = c.first;
            m.mu = c.second;
            MaterialLayer l(m, 0.2);
            QVERIFY(near(l.width(), 0.2) && l.setWidth(0.5) == (c.first == 0)); // any sd-value blocks changes
        }
    }

    void check_data() {
        QTest::addColumn<Construction>("c");
        QTest::newRow("valid") << Construction{{"b:0.02", "a:0.03"}, false, 0, true, true};
        QTest::newRow("empty construction") << Construction{{}, false, 0, true, false};
        QTest::newRow("bad climate") << Construction{{"b:0.02"}, true, 3, true, false};
        QTest::newRow("width 0 overrides bad climate") << Construction{{"b:0"}, true, 1, false, false};
        QTest::newRow("invalid material overrides bad climate")
            << Construction{{"x:0.1"}, true, 2, true, false};
        QTest::newRow("invalid material before width 0")
            << Construction{{"b:0.1", "x:0.1", "b:0"}, false, 2, false, false};
        QTest::newRow("width 0 before invalid material")
            << Construction{{"b:0", "x:0.1"}, false, 1, false, false};
        QTest::newRow("width checked before material") << Construction{{"x:-1"}, false, 1, false, false};
        QTest::newRow("NaN width") << Construction{{"b:nan"}, false, 1, false, false};
        QTest::newRow("infinite width") << Construction{{"b:inf"}, false, 1, false, false};
        QTest::newRow("lambda 0") << Construction{{"b:0.02:0"}, false, 2, false, false};
        QTest::newRow("air with lambda 0 can be calculated")
            << Construction{{"a:0.02:0"}, false, 2, true, true};
    }

    void check() {
        QFETCH(Construction, c);
        InputData d;
        d.layers() = layersFrom(c.layers);
        if (c.badClimate)
            d.assessmentConditions().setCondensationTime(0);
        d.setErrorState(3);
        QCOMPARE(d.check(), c.state);
        QCOMPARE(d.errorState(), c.state);
        QCOMPARE(d.layersValidForCalculation(), c.validForCalculation);
        QCOMPARE(d.hasAirLayer(), c.hasAir);
    }

    void inputDataEquality() {
        InputData a;
        a.layers() = layersFrom({"b:0.02", "b:0.1"});
        InputData b = a;
        b.layers()[1].setId(77); // ids are not compared; the conditions with their tolerance
        b.assessmentConditions().setCondensationTime(90.00005);
        QVERIFY(a == b);
        b.layers()[1].setWidth(0.1000001);
        QVERIFY(a != b);
        b.layers().removeLast();
        QVERIFY(a != b && b != a);
    }

    // The editing operations refuse indexes outside the construction and change nothing then.
    void editingOperations() {
        InputData d;
        d.layers() = layersFrom({"b:0.02", "a:0.03", "b:0.1"});
        const InputData before = d;
        QVERIFY(!d.insertLayer(4, MaterialLayer()) && !d.insertLayer(-1, MaterialLayer()));
        QVERIFY(!d.removeLayers(2, 2) && !d.removeLayers(-1, 1) && !d.swapLayers(0, 3));
        QVERIFY(!d.setLayer(3, MaterialLayer()) && !d.setLayerMaterial(-1, Material()));
        QVERIFY(!d.setLayerParameter(0, 6, 1.0) && !d.setLayerParameter(0, MaterialLayer::Width, qInf()));
        QVERIFY(d == before);
        QVector<MaterialLayer> removed;
        QVERIFY(d.insertLayers(3, {d.layer(0), d.layer(1)}) && d.removeLayers(1, 2, &removed));
        QVERIFY(removed.size() == 2 && removed.at(0) == before.layer(1) && removed.at(1) == before.layer(2));
        QVERIFY(d.swapLayers(0, 2) && d.layer(0) == before.layer(1) && d.layer(2) == before.layer(0));
        // a new material keeps the width, unless its sd-value sets it
        QVERIFY(d.setLayerMaterial(1, material('a')) && d.layer(1).width() == before.layer(0).width());
        Material f = material('f');
        f.sd_value = 50;
        f.mu = 1e5;
        QVERIFY(d.setLayerMaterial(1, f) && near(d.layer(1).width(), 5e-4));
        QVERIFY(!d.setLayerParameter(1, MaterialLayer::Width, 0.3)); // the sd-value decides
        QVERIFY(d.setLayerParameter(1, MaterialLayer::ResistanceFactor, 5e4) &&
                near(d.layer(1).width(), 1e-3));
    }

    void userMaterialIdsStartAt32768() {
        MaterialIdCounter::reset();
        QVERIFY(MaterialIdCounter::nextUserMaterialId() == 32768 &&
                MaterialIdCounter::peekUserMaterialId() == 32769);
    }

    void filter_data() {
        // Filters written "field=text"; category and flags as numbers. The result lists the
        // letters of the materials shown.
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const QStringList &filters, const char *shown) {
            QTest::newRow(name) << filters << QString(shown);
        };
        row("no filter", {}, "abcdefg");
        row("brick conc*", {"name=brick conc*"}, "abcd");
        row("any letter case", {"name=BRICK"}, "ab");
        row("blanks around and between", {"name=  wool\t  conc "}, "cdf");
        row("wildcard inside a word", {"name=c*e"}, "cd");
        row("question mark", {"name=03?/040"}, "f");
        row("regular expression characters are plain", {"name=(C25+)"}, "d");
        row("slash and dot", {"name=0.035/"}, "g");
        row("product name when the name fails", {"name=Poroton"}, "b");
        row("producer", {"producer=acme"}, "ae");
        row("producer and name", {"producer=acme", "name=brick"}, "a");
        row("data source", {"source=DIN*4108"}, "cd");
        row("comment", {"comment=estimated"}, "g");
        row("category", {"category=5"}, "fg");
        row("category and name", {"category=2", "name=conc*"}, "");
        row("wood based and foil flags", {"flags=" + QString::number((1 << MF_WoodBased) | (1 << MF_Foil))},
            "e");
    }

    void filter() {
        QFETCH(QStringList, filters);
        QFETCH(QString, shown);
        const auto make = [](const char *name, int category, const char *product, const char *producer,
                             const char *source, const char *notes) {
            return Material(name, MaterialCategory(category), notes, product, producer, source, 1, 1, 1, 0.1,
                            0.2, 0, 0);
        };
        QVector<Material> materials{
            make("Solid clay brick", 2, "", "Acme", "", ""),
            make("Perforated BRICK", 2, "Poroton T8", "", "", ""),
            make("Concrete wool", 4, "", "", "DIN 4108-4", ""),
            make("Lightweight concrete (C25+)", 4, "", "", "DIN EN 4108", ""),
            make("Timber", 7, "", "ACME boards", "", ""),
            make("Mineral wool 035/040", 5, "", "", "", ""),
            make("Wood fibre 0.035/0.040", 5, "", "", "", "values estimated"),
        };
        materials[4].setFlags(false, false, true, true);
        MaterialFilter filter;
        for (const QString &f : filters) {
            const QString field = f.section('=', 0, 0), text = f.section('=', 1);
            if (field == "name")
                filter.setNameFilter(text);
            else if (field == "producer")
                filter.setProducerFilter(text);
            else if (field == "source")
                filter.setDataSourceFilter(text);
            else if (field == "comment")
                filter.setCommentFilter(text);
            else if (field == "category")
                filter.setCategory(text.toInt());
            else
                filter.setRequiredFlags(text.toUInt());
        }
        QString result;
        for (int i = 0; i < materials.size(); ++i)
            if (filter.matches(materials[i]))
                result += QChar('a' + i);
        QCOMPARE(result, shown);
    }
};

QTEST_GUILESS_MAIN(tst_Material)
#include "tst_Material.moc"
