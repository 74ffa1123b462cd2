#include <QtTest>

#include <limits>

#include "MoistStorageCheck.h"

class tst_MoistStorageCheck : public QObject {
    Q_OBJECT
private slots:
    void pair_data();
    void pair();
    void singleValues_data();
    void singleValues();
    void messages();
};

void tst_MoistStorageCheck::pair_data() {
    QTest::addColumn<double>("w80");
    QTest::addColumn<double>("wsat");
    QTest::addColumn<int>("code");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("valid") << 0.02 << 0.5 << 0;
    QTest::newRow("w_80 zero") << 0.0 << 0.5 << 1;
    QTest::newRow("w_80 not a number") << nan << 0.5 << 1;
    QTest::newRow("w_sat zero") << 0.02 << 0.0 << 2;
    QTest::newRow("w_80 equal to w_sat") << 0.1 << 0.1 << 3;
    QTest::newRow("w_95 above w_sat") << 0.1 << 0.11 << 4;
    QTest::newRow("w_95 equal to w_sat") << 0.08 << 0.08 * 0.95 / 0.8 << 4;
    QTest::newRow("w_95 just below w_sat") << 0.08 << 0.0951 << 0;
    // The pair check knows no upper limit of 1 (w_sat of 1 is a valid material).
    QTest::newRow("w_sat 1") << 0.02 << 1.0 << 0;
}

void tst_MoistStorageCheck::pair() {
    QFETCH(double, w80);
    QFETCH(double, wsat);
    QFETCH(int, code);
    QCOMPARE(int(MoistStorageCheck::check(w80, wsat)), code);
}

void tst_MoistStorageCheck::singleValues_data() {
    QTest::addColumn<bool>("isW80");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("code");
    QTest::newRow("w_80 valid") << true << 0.5 << 0;
    QTest::newRow("w_80 zero") << true << 0.0 << 1;
    QTest::newRow("w_80 one") << true << 1.0 << 5;
    QTest::newRow("w_sat valid") << false << 0.99 << 0;
    QTest::newRow("w_sat negative") << false << -0.1 << 2;
    QTest::newRow("w_sat one") << false << 1.0 << 6;
}

void tst_MoistStorageCheck::singleValues() {
    QFETCH(bool, isW80);
    QFETCH(double, value);
    QFETCH(int, code);
    QCOMPARE(int(isW80 ? MoistStorageCheck::checkW80(value) : MoistStorageCheck::checkWsat(value)), code);
}

void tst_MoistStorageCheck::messages() {
    QCOMPARE(MoistStorageCheck::message(0), QString());
    QCOMPARE(MoistStorageCheck::message(4),
             QString("Moisture content at 80%RH leads to a moisture content at 95%RH "
                     "greater or equal saturation moisture content"));
    QCOMPARE(MoistStorageCheck::message(6),
             QString("Moisture content at saturation greater or equal to 1.0"));
}

QTEST_GUILESS_MAIN(tst_MoistStorageCheck)
#include "tst_MoistStorageCheck.moc"
