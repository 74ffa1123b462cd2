// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <cmath>
#include <locale>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_Parameter.h"
#include "ZMT_StringUtils.h"
#include "ZMT_Unit.h"
#include "ZMT_UnitList.h"

using namespace ZMT;

namespace {

// Every exception entry, oldest first, as "location|message" lines; "" when nothing is thrown.
template <class F> QString thrown(F f) {
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

QString pair(double got, double expected) {
    return QString("got %1, expected %2").arg(got, 0, 'g', 17).arg(expected, 0, 'g', 17);
}

// A locale that writes and reads numbers with a decimal comma.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

const QString rel = "[UnitList::relate_units]|";
const QString special = "[UnitList::convert_special]|";
const QString readErr = "[Parameter::read]|Error reading parameter.";

// A conversion in the program's catalogue (or in a small custom one) that gives a value or fails.
struct Conversion {
    QString definition, src, target;
    double value, expected;
    QString error;
};

void conv(const char *name, double value, const char *src, const char *target, double expected) {
    QTest::newRow(name) << Conversion{"", src, target, value, expected, ""};
}
void fail(const char *name, const char *def, const char *src, const char *target, double v,
          const QString &error) {
    QTest::newRow(name) << Conversion{def, src, target, v, v, error}; // a failure leaves the value alone
}

// A parameter read that succeeds, or fails and leaves the parameter as it was ("old", 20 C).
struct Read {
    QString text;
    bool noName;
    QString name, unit;
    double base;
    QString error;
};

void readFail(const char *name, const char *text, bool noName, const QString &error) {
    QTest::newRow(name) << Read{text, noName, "old", "C", 293.15, error};
}

} // namespace

Q_DECLARE_METATYPE(Conversion)
Q_DECLARE_METATYPE(Read)

class tst_ZMT_Units : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::locale::global(std::locale::classic()); }

    void conversions_data() {
        QTest::addColumn<Conversion>("c");
        conv("20 C is 293.15 K", 20, "C", "K", 293.15);
        conv("mm to cm through m", 1500, "mm", "cm", 150);
        conv("water uptake per root hour", 1, "kg/m2s05", "kg/m2h05", 60);
        conv("l/m2h to L/m2s", 3.6, "l/m2h", "L/m2s", 0.001);
        conv("sqrt(h) in", 32400, "s", "sqrt(h)", 3);
        conv("log(g/m3) out", 2, "log(g/m3)", "kg/m3", 0.1);
        conv("log(µg/m3) to log(g/m3)", 9, "log(µg/m3)", "log(g/m3)", 3);
        fail("mm to kg", "", "mm", "kg", 1, rel + "Can't relate unit [mm] to [kg]");
        fail("C to mm", "", "C", "mm", 1, rel + "Can't relate unit [C] to [mm]");
        fail("special to other base", "", "sqrt(s)", "m", 1, special + "Can't relate unit [sqrt(s)] to [m]");
        fail("root of negative", "", "s", "sqrt(h)", -1,
             special + "Trying to take square root of negative number!");
        fail("log of zero", "", "kg/m3", "log(g/m3)", 0,
             special + "Trying to take logarithm of zero or negative number!");
        const QString ops = " operations not allowed when using ";
        fail("offset then factor", "T - 10 A * 2 B", "A", "B", 1,
             rel + "* and /" + ops + "+ and - operations! (tried to convert [A] to [B] )!");
        fail("factor then offset", "T - 10 A * 2 B", "B", "A", 1,
             rel + "+ and -" + ops + "* and / operations! (tried to convert [B] to [A] )!");
        fail("zero factor", "X * 0 Y", "Y", "X", 1, rel + "Div by zero! (tried to convert [Y] to [X] )!");
        fail("special: no root or log", "X * 2 Y % 0 Z", "Z", "X", 1,
             special + "Can't relate unit [Z] to [X]");
    }

    void conversions() {
        QFETCH(Conversion, c);
        UnitList custom;
        custom.read(c.definition.toStdString());
        const UnitList &list = c.definition.isEmpty() ? UnitList::instance() : custom;
        double v = c.value;
        QCOMPARE(thrown([&] {
                     list.convert(v, *list.find(c.src.toStdString()), *list.find(c.target.toStdString()));
                 }),
                 c.error);
        QVERIFY2(near(v, c.expected), qPrintable(pair(v, c.expected)));
    }

    void litreAliasesAndTemperatureOffset() {
        for (const std::string name : {"L/m2s", "L/m2h", "L/m2d", "L/m3s", "L/m3h"})
            QCOMPARE(Unit("l" + name.substr(1)).name(), name); // the lower-case name is an alias
        const UnitList &list = UnitList::instance();
        const UnitList::Relation toK = list.relate_units(Unit("C").id(), Unit("K").id());
        const UnitList::Relation toC = list.relate_units(Unit("K").id(), Unit("C").id());
        QVERIFY(toK.additive && toK.value == 273.15);
        QVERIFY(toC.additive && toC.value == -273.15);
    }

    void lookupErrors() {
        const unsigned int count = UnitList::instance().size();
        QCOMPARE(thrown([&] { Unit u(count); }),
                 QString("[Unit::Unit]|Unit index %1 out of range 0..%2.").arg(count).arg(count - 1));
        QCOMPARE(thrown([] { Unit u("KG/M3"); }),
                 QString("[Unit::Unit]|Unit 'KG/M3' not found.")); // exact names
    }

    void parameterRead_data() {
        QTest::addColumn<Read>("r");
        QTest::newRow("tabs and line breaks")
            << Read{"rho\t=\r\n 1.8e3\tkg/m3", false, "rho", "kg/m3", 1800, ""};
        QTest::newRow("width without name") << Read{"24 cm", true, "old", "cm", 0.24, ""};
        readFail("no equals sign", "rho 1800 kg/m3", false, readErr);
        readFail("unit only without name", "kg/m3", true, readErr);
        readFail("decimal comma", "rho = 1,8 kg/m3", false,
                 "[string2val]|Could not convert '1,8' into value.\n" + readErr);
        readFail("overflow into base unit", "rho = 1e306 kg/dm3", false, readErr);
        readFail("logarithm overflow", "c = 400 log(g/m3)", false,
                 "[ZMT::f_pow10]|Exponent too large in power function, exponent = 400\n" + readErr);
    }

    void parameterRead() {
        QFETCH(Read, r);
        Parameter p("old", 20, "C");
        std::istringstream in(r.text.toStdString());
        QCOMPARE(thrown([&] { p.read(in, r.noName); }), r.error);
        QCOMPARE(QString::fromStdString(p.name()), r.name);
        QCOMPARE(QString::fromStdString(p.ioUnit().name()), r.unit);
        QVERIFY2(near(p.value(), r.base), qPrintable(pair(p.value(), r.base)));
    }

    void string2val() {
        QCOMPARE(ZMT::string2val(" \t1.5E-3 \r"), 0.0015); // blanks and a CR around
        QCOMPARE(ZMT::string2val("1e-400"), 0.0);
        QVERIFY(std::isnan(ZMT::string2val(" 1.#QNAN\r")));
        for (const char *t : {"", "1,5", "12abc", "1 2", "0x10", "1e", "inf", "nan", "-1e999", "1.#QNANx"})
            QCOMPARE(thrown([&] { ZMT::string2val(t); }),
                     "[string2val]|Could not convert '" + QString(t) + "' into value.");
        const std::locale old = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
        const double v = ZMT::string2val("1.25"); // a decimal comma locale does not matter
        std::locale::global(old);
        QCOMPARE(v, 1.25);
    }
};

QTEST_APPLESS_MAIN(tst_ZMT_Units)
#include "tst_ZMT_Units.moc"
