// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "ResultsSummary.h"

using Zones = std::vector<CalculationResults::IndexRange>;
Q_DECLARE_METATYPE(Zones)

namespace {

CalculationResults results(int calcState, const Zones &zones) {
    CalculationResults r;
    r.calcState = calcState;
    r.zones = zones;
    r.messages = QStringList{"m1", "m2"};
    return r;
}

const auto red = [](const QString &t) { return "<font color=\"#FF0000\">" + t + "</font>"; };
const auto blue = [](const QString &t) { return "<font color=\"#0000FF\">" + t + "</font>"; };

} // namespace

// The verdict line shared by the results panel, the batch program and the report.
class tst_ResultsSummary : public QObject {
    Q_OBJECT
private slots:
    void verdict_data() {
        QTest::addColumn<int>("calcState");
        QTest::addColumn<Zones>("zones");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 no layers") << 0 << Zones{} << red("No input!");
        QTest::newRow("2 failure, every message") << 2 << Zones{} << red("m1") + "<br/>" + red("m2");
        QTest::newRow("4 warm surface")
            << 4 << Zones{} << red("Condensation on the surface (warm side). No calculation possible.");
        QTest::newRow("5 cold surface")
            << 5 << Zones{} << red("Condensation on the surface (cold side). No calculation possible.");
        QTest::newRow("6 single layer") << 6 << Zones{} << blue("Only one layer. No condensate possible!");
        QTest::newRow("7 no condensation") << 7 << Zones{} << blue("No condensate emerges!");
        QTest::newRow("9 one plane, 1-based")
            << 9 << Zones{{1, 2}} << blue("Condensation between layer 2 and 3!");
        QTest::newRow("10 one zone") << 10 << Zones{{0, 3}} << blue("Condensation between layer 1 and 4!");
        QTest::newRow("11 two zones")
            << 11 << Zones{{1, 3}, {5, 6}} << blue("Condensation between layer 2 and 4, 6 and 7.");
        QTest::newRow("3 unknown") << 3 << Zones{} << red("Unknown result!");
        QTest::newRow("zone state without zone") << 11 << Zones{} << red("Unknown result!");
    }
    void verdict() {
        QFETCH(int, calcState);
        QFETCH(Zones, zones);
        QTEST(ResultsSummary::verdictText(results(calcState, zones)), "expected");
    }
};

QTEST_MAIN(tst_ResultsSummary)
#include "tst_ResultsSummary.moc"
