// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the batch program's JSON and CSV output must read back to the same bits; a
// fault here would pass the golden comparison (which allows 1e-12) unnoticed.
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "RoundTripNumber.h"

class tst_BatchFormatting : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("json"); // empty: only the round trip is checked
        using L = std::numeric_limits<double>;
        QTest::newRow("sum with a tail") << 0.1 + 0.2 << QByteArray("0.30000000000000004");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
        QTest::newRow("smallest subnormal") << L::denorm_min() << QByteArray("5e-324");
        QTest::newRow("NaN") << L::quiet_NaN() << QByteArray("null");
        QTest::newRow("-infinity") << -L::infinity() << QByteArray("null");
    }
    void roundTrip() {
        QFETCH(double, value);
        QFETCH(QByteArray, json);
        const QByteArray text = RoundTripNumber::text(value);
        QCOMPARE(RoundTripNumber::json(value), json.isEmpty() ? text : json);
        const double back = std::strtod(text.constData(), nullptr);
        if (std::isfinite(value))
            QVERIFY2(std::memcmp(&back, &value, sizeof(double)) == 0, text.constData());
        else
            QCOMPARE(text, QByteArray()); // CSV leaves the field empty
    }
};

QTEST_GUILESS_MAIN(tst_BatchFormatting)
#include "tst_BatchFormatting.moc"
