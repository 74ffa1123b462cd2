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
    void equality_data();
    void equality();
};

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

QTEST_GUILESS_MAIN(tst_CalculationResults)
#include "tst_CalculationResults.moc"
