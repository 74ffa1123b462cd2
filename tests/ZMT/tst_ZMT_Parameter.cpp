#include <QtTest>

#include <cmath>
#include <functional>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_Parameter.h"

using namespace ZMT;

namespace {

// Runs f and returns every exception entry, oldest first, as "location|message" lines.
QString thrown(const std::function<void()> &f) {
    try {
        f();
    } catch (const Exception &ex) {
        QStringList entries;
        for (const Exception::Entry &e : ex.messages())
            entries << QString::fromStdString(e.location + "|" + e.message);
        return entries.join('\n');
    }
    return QString();
}

bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(b));
}

} // namespace

class tst_ZMT_Parameter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::locale::global(std::locale::classic()); }
    void read_data();
    void read();
    void readErrors_data();
    void readErrors();
    void readLeavesTheRestOfTheStream();
    void getValueErrors();
    void textRoundTrip();
};

void tst_ZMT_Parameter::read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("baseValue");
    QTest::newRow("temperature in C") << "Temperatur = 20 C" << false << "Temperatur"
                                      << "C" << 293.15;
    QTest::newRow("density") << "rho = 1800 kg/m3" << false << "rho"
                             << "kg/m3" << 1800.0;
    QTest::newRow("tabs and line breaks") << "rho\t=\r\n 1.8e3\tkg/m3" << false << "rho"
                                          << "kg/m3" << 1800.0;
    QTest::newRow("width without name") << "24 cm" << true << "old"
                                        << "cm" << 0.24;
    QTest::newRow("period in days") << "60 d" << true << "old"
                                    << "d" << 5184000.0;
    QTest::newRow("lower-case litre") << "q = 2 l/m2h" << false << "q"
                                      << "L/m2h" << 2.0 / 3600;
    QTest::newRow("upper-case litre") << "q = 2 L/m2h" << false << "q"
                                      << "L/m2h" << 2.0 / 3600;
    QTest::newRow("dimensionless dash") << "Mew = 10 -" << false << "Mew"
                                        << "-" << 10.0;
    QTest::newRow("relative humidity") << "RelHum = 80 %" << false << "RelHum"
                                       << "%" << 0.8;
    QTest::newRow("negative temperature") << "T = -5 C" << false << "T"
                                          << "C" << 268.15;
    QTest::newRow("root unit") << "t = 3 sqrt(h)" << false << "t"
                               << "sqrt(h)" << 32400.0;
}

void tst_ZMT_Parameter::read() {
    QFETCH(QString, text);
    QFETCH(bool, noName);
    QFETCH(QString, name);
    QFETCH(QString, unit);
    QFETCH(double, baseValue);
    Parameter p("old", 1, "m");
    std::istringstream in(text.toStdString());
    p.read(in, noName);
    QCOMPARE(QString::fromStdString(p.name()), name);
    QCOMPARE(QString::fromStdString(p.ioUnit().name()), unit);
    QVERIFY2(near(p.value(), baseValue),
             qPrintable(QString("base value %1, expected %2").arg(p.value()).arg(baseValue)));
}

void tst_ZMT_Parameter::readErrors_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noName");
    QTest::addColumn<QString>("error");
    const QString err = "[Parameter::read]|Error reading parameter.";
    QTest::newRow("empty") << "" << false << err;
    QTest::newRow("name only") << "rho" << false << err;
    QTest::newRow("no equals sign") << "rho 1800 kg/m3" << false << err;
    QTest::newRow("colon instead of equals") << "rho : 1800 kg/m3" << false << err;
    QTest::newRow("no unit") << "rho = 1800" << false << err;
    QTest::newRow("unit only without name") << "kg/m3" << true << err;
    QTest::newRow("not a number") << "rho = abc kg/m3" << false
                                  << "[string2val]|Could not convert 'abc' into value.\n" + err;
    QTest::newRow("decimal comma") << "rho = 1,8 kg/m3" << false
                                   << "[string2val]|Could not convert '1,8' into value.\n" + err;
    QTest::newRow("undefined value") << "rho = 1.#QNAN kg/m3" << false << err;
    QTest::newRow("overflowing number")
        << "rho = 1e999 kg/m3" << false << "[string2val]|Could not convert '1e999' into value.\n" + err;
    QTest::newRow("infinity") << "rho = inf kg/m3" << false
                              << "[string2val]|Could not convert 'inf' into value.\n" + err;
    QTest::newRow("overflow into base unit") << "rho = 1e306 kg/dm3" << false << err;
    QTest::newRow("logarithm overflow")
        << "c = 400 log(g/m3)" << false
        << "[ZMT::f_pow10]|Exponent too large in power function, exponent = 400\n" + err;
    QTest::newRow("unknown unit") << "rho = 1800 kg/m4" << false << "[Unit::Unit]|Unit 'kg/m4' not found.";
}

void tst_ZMT_Parameter::readErrors() {
    QFETCH(QString, text);
    QFETCH(bool, noName);
    QFETCH(QString, error);
    Parameter p("before", 20, "C");
    std::istringstream in(text.toStdString());
    QCOMPARE(thrown([&] { p.read(in, noName); }), error);
    // A failed read keeps what the parameter held.
    QCOMPARE(p.name(), std::string("before"));
    QCOMPARE(p.ioUnit().name(), std::string("C"));
    QCOMPARE(p.value(), 293.15);
}

void tst_ZMT_Parameter::readLeavesTheRestOfTheStream() {
    std::istringstream in("Lambda = 0.04 W/mK rho = 30 kg/m3 rest");
    Parameter a, b;
    a.read(in);
    b.read(in);
    QCOMPARE(a.name(), std::string("Lambda"));
    QCOMPARE(b.name(), std::string("rho"));
    std::string rest;
    in >> rest;
    QCOMPARE(rest, std::string("rest"));
}

void tst_ZMT_Parameter::getValueErrors() {
    const Parameter p("rho", 1800, "kg/m3");
    QVERIFY(near(p.get_value("g/cm3"), 1.8));
    QVERIFY(near(p.get_value(), 1800));
    QCOMPARE(thrown([&] { p.get_value("m"); }),
             QString("[UnitList::relate_units]|Can't relate unit [kg/m3] to [m]\n"
                     "[Parameter::get_value]|Error converting unit in parameter 'rho'."));
    QCOMPARE(thrown([&] { p.get_value("furlong"); }),
             QString("[Unit::Unit]|Unit 'furlong' not found.\n"
                     "[Parameter::get_value]|Error converting unit in parameter 'rho'."));
    QCOMPARE(thrown([] { Parameter().get_value("m"); }),
             QString("[UnitList::relate_units]|Can't relate unit [undefined] to [m]\n"
                     "[Parameter::get_value]|Error converting unit in parameter ''."));
}

void tst_ZMT_Parameter::textRoundTrip() {
    const Parameter p("Temperatur", -12.5, "C");
    QCOMPARE(p.toString(), std::string("Temperatur = -12.5 C"));
    std::istringstream in(p.toString());
    Parameter q;
    q.read(in);
    QCOMPARE(q.value(), p.value());
}

QTEST_APPLESS_MAIN(tst_ZMT_Parameter)
#include "tst_ZMT_Parameter.moc"
