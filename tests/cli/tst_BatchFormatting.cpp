// The two formatting helpers of the batch program whose faults would silently corrupt output:
// the round-trip numbers of JSON and CSV, and the plain text of the terminal output.
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "PlainText.h"
#include "RoundTripNumber.h"

class tst_BatchFormatting : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void nonFinite();
    void plainText_data();
    void plainText();
};

void tst_BatchFormatting::roundTrip_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("shortest"); // empty: only the round trip is checked
    QTest::newRow("one tenth") << 0.1 << QByteArray("0.1");
    QTest::newRow("sum with a tail") << 0.1 + 0.2 << QByteArray("0.30000000000000004");
    QTest::newRow("integer") << 1168.0 << QByteArray("1168");
    QTest::newRow("large") << 5.4e9 * 0.2 << QByteArray();
    QTest::newRow("third") << 1.0 / 3 << QByteArray("0.3333333333333333");
    QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << QByteArray("5e-324");
    QTest::newRow("largest") << std::numeric_limits<double>::max() << QByteArray();
    QTest::newRow("negative temperature") << -4.873822341857334 << QByteArray("-4.873822341857334");
}

void tst_BatchFormatting::roundTrip() {
    QFETCH(double, value);
    QFETCH(QByteArray, shortest);
    const QByteArray text = RoundTripNumber::text(value);
    if (!shortest.isEmpty())
        QCOMPARE(text, shortest);
    QVERIFY2(!text.contains(','), text.constData());
    const double back = std::strtod(text.constData(), nullptr);
    QVERIFY2(std::memcmp(&back, &value, sizeof(double)) == 0, text.constData());
    QCOMPARE(RoundTripNumber::json(value), text);
}

void tst_BatchFormatting::nonFinite() {
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        QCOMPARE(RoundTripNumber::text(v), QByteArray());
        QCOMPARE(RoundTripNumber::json(v), QByteArray("null"));
    }
}

void tst_BatchFormatting::plainText_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::newRow("unit with superscript") << "m<sup>2</sup>K/W"
                                           << "m2K/W";
    QTest::newRow("coloured verdict") << "<font color=\"#FF0000\"><b>Requirement not fulfilled</b></font>"
                                      << "Requirement not fulfilled";
    QTest::newRow("comparison entities") << "M<sub>c</sub> &lt;= 1.0 &amp; A<sub>w</sub> &le; 0.1"
                                         << QString::fromUtf8("Mc <= 1.0 & Aw ≤ 0.1");
    QTest::newRow("numeric entities") << "&#916;u &#x3bb;" << QString::fromUtf8("Δu λ");
    QTest::newRow("line breaks") << "Invalid input!<br/>Layer 1<br />Layer 2<br/>"
                                 << "Invalid input!\nLayer 1\nLayer 2";
    QTest::newRow("link kept as its text") << "<a href=\"layer-2\">Layer 2</a> has no width"
                                           << "Layer 2 has no width";
    QTest::newRow("unknown entity stays") << "a &bogus; b"
                                          << "a &bogus; b";
    QTest::newRow("lone brackets stay") << "R < 1 & 2 > 1"
                                        << "R < 1 & 2 > 1";
    QTest::newRow("non-character code") << "&#0;&#xD800;x"
                                        << "&#0;&#xD800;x";
}

void tst_BatchFormatting::plainText() {
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QCOMPARE(PlainText::fromHtml(html), plain);
}

QTEST_GUILESS_MAIN(tst_BatchFormatting)
#include "tst_BatchFormatting.moc"
