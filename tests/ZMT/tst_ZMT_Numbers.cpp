#include <QtTest>

#include <cmath>
#include <functional>
#include <locale>

#include "ZMT_Exception.h"
#include "ZMT_MathFunctions.h"
#include "ZMT_StringUtils.h"

using namespace ZMT;

namespace {

QString thrown(const std::function<void()> &f) {
    try {
        f();
    } catch (const Exception &ex) {
        return QString::fromStdString(ex.messages().back().location + "|" + ex.messages().back().message);
    }
    return QString();
}

// A locale that writes and reads numbers with a decimal comma.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

} // namespace

class tst_ZMT_Numbers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::locale::global(std::locale::classic()); }
    void string2valValid_data();
    void string2valValid();
    void string2valInvalid_data();
    void string2valInvalid();
    void string2valIgnoresTheGlobalLocale();
    void guardedMaths();
};

void tst_ZMT_Numbers::string2valValid_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("integer") << "1800" << 1800.0;
    QTest::newRow("blanks around, CR at end") << " \t12.5 \r" << 12.5;
    QTest::newRow("signs") << "-0.5" << -0.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("exponent") << "1.5E-3" << 0.0015;
    QTest::newRow("no leading digit") << ".5" << 0.5;
    QTest::newRow("no trailing digit") << "5." << 5.0;
    QTest::newRow("underflow to zero") << "1e-400" << 0.0;
}

void tst_ZMT_Numbers::string2valValid() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double v = string2val(text.toStdString());
    QVERIFY2(v == expected, qPrintable(QString("got %1, expected %2").arg(v).arg(expected)));
}

void tst_ZMT_Numbers::string2valInvalid_data() {
    QTest::addColumn<QString>("text");
    for (const char *t : {"", "   ", "abc", "1,5", "12abc", "1 2", "0x10", "1e", "inf", "nan", "1e999",
                          "-1e999", "1.#QNANx", "1.#QNAN 1"})
        QTest::newRow(*t ? t : "empty") << QString(t);
}

void tst_ZMT_Numbers::string2valInvalid() {
    QFETCH(QString, text);
    QCOMPARE(thrown([&] { string2val(text.toStdString()); }),
             "[string2val]|Could not convert '" + text + "' into value.");
}

void tst_ZMT_Numbers::string2valIgnoresTheGlobalLocale() {
    QVERIFY(std::isnan(string2val("1.#QNAN")));
    QVERIFY(std::isnan(string2val(" 1.#QNAN\r")));
    const std::locale old = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    const double v = string2val("1.25");
    std::locale::global(old);
    QCOMPARE(v, 1.25);
}

void tst_ZMT_Numbers::guardedMaths() {
    QCOMPARE(f_log10(1000), 3.0);
    QCOMPARE(f_pow10(-2), 0.01);
    QCOMPARE(f_pow10(-400), 0.0);
    QCOMPARE(f_pow(2, 10), 1024.0);
    QCOMPARE(f_pow(0, 0), 1.0);
    QCOMPARE(thrown([] { f_log10(0); }),
             QString("[ZMT::f_log10]|Negative or zero value in log function, x = 0"));
    QCOMPARE(thrown([] { f_log10(-2.5); }),
             QString("[ZMT::f_log10]|Negative or zero value in log function, x = -2.5"));
    QCOMPARE(thrown([] { f_pow10(309); }),
             QString("[ZMT::f_pow10]|Exponent too large in power function, exponent = 309"));
    QCOMPARE(thrown([] { f_pow(-2, 2); }),
             QString("[ZMT::f_pow]|Negative base in power function, base = -2"));
    QCOMPARE(thrown([] { f_pow(10, 400); }),
             QString("[ZMT::f_pow]|Exponent too large in power function, exponent = 400"));
}

QTEST_APPLESS_MAIN(tst_ZMT_Numbers)
#include "tst_ZMT_Numbers.moc"
