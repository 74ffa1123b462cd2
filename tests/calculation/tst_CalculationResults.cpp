#include <QtTest>

#include <functional>

#include "CalculationResults.h"

namespace {

using Change = std::function<void(CalculationResults &)>;

CalculationResults filled() {
    CalculationResults r;
    r.resize(2);
    r.calcState = CalculationResults::CS_OnePlane;
    r.glaserCase = CalculationResults::GC_OnePlane;
    r.d_total = 0.3;
    r.kFirst_Glaser = r.kLast_Glaser = 1;
    r.condRanges_Glaser = {{1, 1}};
    r.zones = {{0, 1}};
    r.T_Glaser = {19, 5, -4};
    r.mc = 0.2;
    r.mev = 1.5;
    r.messages = QStringList{"x"};
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_CalculationResults : public QObject {
    Q_OBJECT
private slots:
    void resetValues();
    void resize();
    void equality_data();
    void equality();
    void uValueUsesStandardSurfaceResistances();
};

void tst_CalculationResults::resetValues() {
    CalculationResults r = filled();
    r.reset();
    QCOMPARE(r.calcState, 1);
    QCOMPARE(r.glaserCase, 1);
    QCOMPARE(r.kFirst_Glaser, -1);
    QCOMPARE(r.kLast_Glaser, -1);
    QCOMPARE(r.d_total, 0.0);
    QCOMPARE(r.mc, 0.0);
    QVERIFY(r.T_Glaser.empty() && r.zones.empty() && r.condRanges_Glaser.empty() && r.messages.isEmpty());
    QVERIFY(r == CalculationResults());
}

void tst_CalculationResults::resize() {
    CalculationResults r;
    r.resize(3);
    QCOMPARE(int(r.R_layers.size()), 3);
    QCOMPARE(int(r.mc_layers.size()), 3);
    QCOMPARE(int(r.T.size()), 4);
    QCOMPARE(int(r.pv_Glaser.size()), 4);
    QVERIFY(r.zones.empty());
}

void tst_CalculationResults::equality_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("calcState") << Change([](CalculationResults &r) { r.calcState = 7; });
    QTest::newRow("scalar") << Change([](CalculationResults &r) { r.mev += 1e-12; });
    QTest::newRow("vector element") << Change([](CalculationResults &r) { r.T_Glaser[2] = -4.1; });
    QTest::newRow("vector length") << Change([](CalculationResults &r) { r.w_left.push_back(0); });
    QTest::newRow("zones") << Change([](CalculationResults &r) { r.zones = {{0, 0}}; });
    QTest::newRow("condensation runs") << Change([](CalculationResults &r) { r.condRanges_Glaser.clear(); });
    QTest::newRow("messages") << Change([](CalculationResults &r) { r.messages.clear(); });
}

void tst_CalculationResults::equality() {
    QFETCH(Change, change);
    const CalculationResults a = filled();
    CalculationResults b = a;
    QVERIFY(a == b);
    change(b);
    QVERIFY(a != b);
}

void tst_CalculationResults::uValueUsesStandardSurfaceResistances() {
    CalculationResults r;
    r.R_dry = 2.83;
    r.R_total_dry = 5; // whatever the climate said
    QVERIFY2(qAbs(r.U_ISO6946() - 1 / 3.0) < 1e-12, qPrintable(QString::number(r.U_ISO6946(), 'g', 17)));
}

QTEST_GUILESS_MAIN(tst_CalculationResults)
#include "tst_CalculationResults.moc"
