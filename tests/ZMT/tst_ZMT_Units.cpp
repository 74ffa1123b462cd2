#include <QtTest>

#include <cmath>
#include <functional>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_Unit.h"
#include "ZMT_UnitList.h"

using namespace ZMT;

namespace {

// Runs f and returns "location|message" of the newest exception entry, or "" when none is thrown.
QString thrown(const std::function<void()> &f) {
    try {
        f();
    } catch (const Exception &ex) {
        return QString::fromStdString(ex.messages().back().location + "|" + ex.messages().back().message);
    }
    return QString();
}

UnitList customList(const std::string &definition) {
    UnitList l;
    l.read(definition);
    return l;
}

} // namespace

class tst_ZMT_Units : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::locale::global(std::locale::classic()); }
    void builtInDefinitionHasTheBaseUnitsInOrder();
    void conversions_data();
    void conversions();
    void lowerCaseLitreNamesAreAliases();
    void relationKinds();
    void failures_data();
    void failures();
    void definitionErrors_data();
    void definitionErrors();
    void lookupErrors();
};

void tst_ZMT_Units::builtInDefinitionHasTheBaseUnitsInOrder() {
    const QStringList expected{
        "undefined", "m",         "m2",       "m3",    "s",       "s/s",     "m/s",     "m2/s",   "m/s2",
        "s/m",       "s2/m2",     "kg",       "kg/ms", "kg/s",    "kg/m2",   "kg/m2s",  "kg/m3",  "kg/m3s",
        "kg/m",      "kg/kg",     "kg/m2s05", "J",     "J/m2",    "J/m3",    "J/m3s",   "J/m3K",  "J/s",
        "J/kg",      "J/kgK",     "J/K",      "J/m2s", "W/mK",    "W/m2K",   "W/m2K2",  "W/mK2",  "L/m2s",
        "L/m3s",     "m3/m2s",    "m3/m2sPa", "m3/s",  "m3/m3",   "m3/m3d",  "---",     "---/d",  "K",
        "1/K",       "K/m",       "m2s/kg",   "Pa",    "1/Pa",    "Pa/m",    "Lux",     "Rad",    "m2/kg",
        "m2K/W",     "1/m",       "logcm",    "logm",  "logPa",   "K/Pa",    "mol/kg",  "kg/mol", "J/mol",
        "1/logcm",   "mol/m3",    "mol",      "-",     "mm/mK",   "m3m/m3m", "kg/m3sK", "1/s",    "W/m2s",
        "Person/m2", "m2/Person", "W/Person", "W/K",   "kWh/m2a", "kWh/a",   "m2/m3",   "Kh"};
    QCOMPARE(expected.size(), 80);
    QStringList firstWords;
    std::istringstream lines(UnitList::builtInDefinition());
    std::string line, word;
    while (std::getline(lines, line))
        if (std::istringstream(line) >> word)
            firstWords << QString::fromStdString(word);
    QCOMPARE(firstWords, expected);

    const UnitList &list = UnitList::instance(); // builds without a duplicate or malformed line
    QCOMPARE(QString::fromStdString(list.retrieve(0).name), QString("undefined"));
    for (const QString &name : expected) {
        const unsigned int id = Unit(name.toStdString()).id();
        QVERIFY2(list.retrieve(id).base == id, qPrintable(name + " is not a base unit"));
    }
}

void tst_ZMT_Units::conversions_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("src");
    QTest::addColumn<QString>("target");
    QTest::addColumn<double>("expected");
    QTest::newRow("20 C is 293.15 K") << 20.0 << "C"
                                      << "K" << 293.15;
    QTest::newRow("K to C") << 0.0 << "K"
                            << "C" << -273.15;
    QTest::newRow("m to mm") << 0.24 << "m"
                             << "mm" << 240.0;
    QTest::newRow("mm to cm through m") << 1500.0 << "mm"
                                        << "cm" << 150.0;
    QTest::newRow("d to s") << 60.0 << "d"
                            << "s" << 5184000.0;
    QTest::newRow("a to d") << 1.0 << "a"
                            << "d" << 365.0;
    QTest::newRow("kg/m3 to g/cm3") << 1800.0 << "kg/m3"
                                    << "g/cm3" << 1.8;
    QTest::newRow("kg/L is a thousand kg/m3") << 1.8 << "kg/L"
                                              << "kg/m3" << 1800.0;
    QTest::newRow("g/L to mg/L") << 1.0 << "g/L"
                                 << "mg/L" << 1000.0;
    QTest::newRow("kg/m2 to g/dm2") << 1.0 << "kg/m2"
                                    << "g/dm2" << 10.0;
    QTest::newRow("water uptake per root hour") << 1.0 << "kg/m2s05"
                                                << "kg/m2h05" << 60.0;
    QTest::newRow("percent") << 80.0 << "%"
                             << "---" << 0.8;
    QTest::newRow("Vol%") << 10.0 << "Vol%"
                          << "m3/m3" << 0.1;
    QTest::newRow("hPa") << 12.34 << "hPa"
                         << "Pa" << 1234.0;
    QTest::newRow("Bar") << 1.0 << "Bar"
                         << "Pa" << 1e5;
    QTest::newRow("kJ/kgK") << 1.5 << "kJ/kgK"
                            << "J/kgK" << 1500.0;
    QTest::newRow("l/m2h to L/m2s") << 3.6 << "l/m2h"
                                    << "L/m2s" << 0.001;
    QTest::newRow("sqrt(h) out") << 3.0 << "sqrt(h)"
                                 << "s" << 32400.0;
    QTest::newRow("sqrt(h) in") << 32400.0 << "s"
                                << "sqrt(h)" << 3.0;
    QTest::newRow("sqrt(s) to sqrt(h)") << 60.0 << "sqrt(s)"
                                        << "sqrt(h)" << 1.0;
    QTest::newRow("log(g/m3) out") << 2.0 << "log(g/m3)"
                                   << "kg/m3" << 0.1;
    QTest::newRow("log(mg/m3) in") << 0.1 << "kg/m3"
                                   << "log(mg/m3)" << 5.0;
    QTest::newRow("log(µg/m3) to log(g/m3)") << 9.0 << "log(µg/m3)"
                                             << "log(g/m3)" << 3.0;
}

void tst_ZMT_Units::conversions() {
    QFETCH(double, value);
    QFETCH(QString, src);
    QFETCH(QString, target);
    QFETCH(double, expected);
    double v = value;
    convert(v, Unit(src.toStdString()), Unit(target.toStdString()));
    QVERIFY2(std::fabs(v - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)),
             qPrintable(QString("got %1, expected %2").arg(v, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void tst_ZMT_Units::lowerCaseLitreNamesAreAliases() {
    for (const char *name : {"L/m2s", "L/m2h", "L/m2d", "L/m3s", "L/m3h"}) {
        std::string lower(name);
        lower[0] = 'l';
        QCOMPARE(Unit(lower).id(), Unit(name).id());
        QCOMPARE(Unit(lower).name(), std::string(name));
    }
}

void tst_ZMT_Units::relationKinds() {
    const UnitList &list = UnitList::instance();
    const UnitList::Relation toK = list.relate_units(Unit("C").id(), Unit("K").id());
    QVERIFY(toK.additive);
    QCOMPARE(toK.value, 273.15);
    const UnitList::Relation toC = list.relate_units(Unit("K").id(), Unit("C").id());
    QVERIFY(toC.additive);
    QCOMPARE(toC.value, -273.15);
    const UnitList::Relation same = list.relate_units(Unit("C").id(), Unit("C").id());
    QVERIFY(!same.additive);
    QCOMPARE(same.value, 1.0);
    const UnitList::Relation mmToCm = list.relate_units(Unit("mm").id(), Unit("cm").id());
    QVERIFY(!mmToCm.additive);
    QVERIFY(std::fabs(mmToCm.value - 0.1) < 1e-15);
}

void tst_ZMT_Units::failures_data() {
    QTest::addColumn<QString>("definition"); // empty: the program's catalogue
    QTest::addColumn<QString>("src");
    QTest::addColumn<QString>("target");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("error");
    const QString rel = "[UnitList::relate_units]|";
    const QString special = "[UnitList::convert_special]|";
    QTest::newRow("mm to kg") << ""
                              << "mm"
                              << "kg" << 1.0 << rel + "Can't relate unit [mm] to [kg]";
    QTest::newRow("C to mm") << ""
                             << "C"
                             << "mm" << 1.0 << rel + "Can't relate unit [C] to [mm]";
    QTest::newRow("special to other base") << ""
                                           << "sqrt(s)"
                                           << "m" << 1.0 << special + "Can't relate unit [sqrt(s)] to [m]";
    QTest::newRow("root of negative time")
        << ""
        << "s"
        << "sqrt(h)" << -1.0 << special + "Trying to take square root of negative number!";
    QTest::newRow("log of zero") << ""
                                 << "kg/m3"
                                 << "log(g/m3)" << 0.0
                                 << special + "Trying to take logarithm of zero or negative number!";
    QTest::newRow("log out of range")
        << ""
        << "log(g/m3)"
        << "kg/m3" << 400.0 << "[ZMT::f_pow10]|Exponent too large in power function, exponent = 400";
    const QString mixed = "T - 10 A * 2 B";
    QTest::newRow("offset then factor")
        << mixed << "A"
        << "B" << 1.0
        << rel + "* and / operations not allowed when using + and - operations! "
                 "(tried to convert [A] to [B] )!";
    QTest::newRow("factor then offset")
        << mixed << "B"
        << "A" << 1.0
        << rel + "+ and - operations not allowed when using * and / operations! "
                 "(tried to convert [B] to [A] )!";
    QTest::newRow("zero factor") << "X * 0 Y"
                                 << "Y"
                                 << "X" << 1.0 << rel + "Div by zero! (tried to convert [Y] to [X] )!";
    QTest::newRow("zero divisor") << "X / 0 Y"
                                  << "X"
                                  << "Y" << 1.0 << rel + "Div by zero! (tried to convert [X] to [Y] )!";
    QTest::newRow("special that is no root or log") << "X * 2 Y % 0 Z"
                                                    << "Z"
                                                    << "X" << 1.0 << special + "Can't relate unit [Z] to [X]";
}

void tst_ZMT_Units::failures() {
    QFETCH(QString, definition);
    QFETCH(QString, src);
    QFETCH(QString, target);
    QFETCH(double, value);
    QFETCH(QString, error);
    const UnitList list = definition.isEmpty() ? UnitList::instance() : customList(definition.toStdString());
    double v = value;
    QCOMPARE(
        thrown([&] { list.convert(v, *list.find(src.toStdString()), *list.find(target.toStdString())); }),
        error);
    QCOMPARE(v, value); // a failed conversion leaves the value alone
}

void tst_ZMT_Units::definitionErrors_data() {
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("error");
    QTest::newRow("related unit twice") << "m * 1e3 mm\nq * 1 mm"
                                        << "[UnitList::read]|Duplicate unit 'mm' defined.";
    QTest::newRow("base unit twice") << "m\n\nm"
                                     << "[UnitList::read]|Duplicate unit 'm' defined.";
    QTest::newRow("triple without name") << "m * 1e3"
                                         << "[UnitList::read]|Invalid unit definition 'm * 1e3'.";
    QTest::newRow("unknown operator") << "m ^ 2 q"
                                      << "[UnitList::read]|Invalid unit definition 'm ^ 2 q'.";
    QTest::newRow("factor not a number") << "m * x mm"
                                         << "[UnitList::read]|Invalid unit definition 'm * x mm'.";
}

void tst_ZMT_Units::definitionErrors() {
    QFETCH(QString, definition);
    QFETCH(QString, error);
    QCOMPARE(thrown([&] { customList(definition.toStdString()); }), error);
}

void tst_ZMT_Units::lookupErrors() {
    const unsigned int count = UnitList::instance().size();
    const QString last = QString::number(count - 1);
    QCOMPARE(thrown([&] { Unit u(count); }),
             "[Unit::Unit]|Unit index " + QString::number(count) + " out of range 0.." + last + ".");
    QCOMPARE(thrown([&] { UnitList::instance().retrieve(count); }),
             "[UnitList::retrieve]|Unit index " + QString::number(count) + " out of range 0.." + last + ".");
    QCOMPARE(thrown([] { Unit u("furlong"); }), QString("[Unit::Unit]|Unit 'furlong' not found."));
    QCOMPARE(thrown([] { Unit u("KG/M3"); }),
             QString("[Unit::Unit]|Unit 'KG/M3' not found.")); // names are exact
}

QTEST_APPLESS_MAIN(tst_ZMT_Units)
#include "tst_ZMT_Units.moc"
