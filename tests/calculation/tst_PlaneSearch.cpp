// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "CalculationControl.h"
#include "CalculationMonitor.h"
#include "CalculationTestHelpers.h"
#include "ConstructionGenerator.h"
#include "ExtendedCalculation.h"
#include "PlaneSearch.h"
#include "SaturationPressure.h"
#include "SearchComparison.h"
#include "SteadyStateProfile.h"

using namespace TestMaterials;

namespace {

std::uint64_t bit(int interface) {
    return std::uint64_t(1) << (interface - 1);
}

// The plane search of the last pass of a construction, with the straight vapour pressure line of
// that pass (what the search starts from) beside it.
struct Pass {
    PlaneSearch search;
    std::vector<double> psat;
    std::vector<double> pv;
    double pvIn = 0;
    double pvOut = 0;
};

Pass lastPass(const InputData &input) {
    CalculationControl exhaustive(nullptr, CalculationControl::ExhaustiveSearch);
    ExtendedCalculation calculation;
    CalculationResults results;
    results.resize(input.layers().size());
    QStringList messages;
    calculation.run(input, HeatFlowDirection::Horizontal, results, messages);
    Pass pass{calculation.planeSearch(), results.psat, {}, 0, 0};
    const ClimateCondition &in = input.assessmentConditions().interiorClimate();
    const ClimateCondition &out = input.assessmentConditions().exteriorClimate();
    pass.pvIn = saturationPressurePower(in.temperature()) * in.relativeHumidity() / 100;
    pass.pvOut = saturationPressurePower(out.temperature()) * out.relativeHumidity() / 100;
    SteadyStateProfile::vapourField(results.Z_layers, pass.pvIn, pass.pvOut, pass.pv);
    return pass;
}

// Counts the calls and cancels at the call given (0: never).
class TestMonitor : public CalculationMonitor {
public:
    explicit TestMonitor(int cancelAt) : m_cancelAt(cancelAt) {}
    bool proceed(double fraction, double elapsed) override {
        ++proceeds;
        fractionsInRange = fractionsInRange && fraction >= 0 && fraction <= 1 && elapsed > 0;
        return proceeds != m_cancelAt;
    }
    void finished() override { ++finishes; }
    int proceeds = 0;
    int finishes = 0;
    bool fractionsInRange = true;

private:
    int m_cancelAt;
};

} // namespace

class tst_PlaneSearch : public QObject {
    Q_OBJECT
private slots:
    void directSearchAgreesWithExhaustive();
    void closeTies_data();
    void closeTies();
    void leftOutCombinationsAreRejected();
    void thinSlicesWithoutUptake();
    void monitor_data();
    void monitor();
};

// Generated constructions (plasters, masonry, concrete, insulation in slices, boards, foils, air
// spaces, layers without water uptake; DIN and custom climates) give bit for bit the same record
// with either search; the zones stand for the accepted combination. bench/plane_differential runs
// the same comparison on as many constructions as one likes.
void tst_PlaneSearch::directSearchAgreesWithExhaustive() {
    ConstructionGenerator generator(4108);
    int searched = 0;
    int fellBack = 0;
    for (int c = 0; c < 2000; ++c) {
        const InputData input = generator.next(2, 14);
        const SearchComparison comparison = SearchComparison::of(input);
        QVERIFY2(comparison.equal(), qPrintable(QString("#%1: calcState %2 / %3: %4")
                                                    .arg(c)
                                                    .arg(comparison.direct.calcState)
                                                    .arg(comparison.exhaustive.calcState)
                                                    .arg(ConstructionGenerator::describe(input))));
        searched += comparison.searched();
        fellBack += comparison.directStatistics.exhaustive > 0;
    }
    // About half of them condense inside; a few of those have no acceptable combination at all,
    // which the direct search hands over to the exhaustive one.
    QVERIFY2(searched > 800 && fellBack > 20 && fellBack < searched / 5,
             qPrintable(QString("%1 searched, %2 fell back").arg(searched).arg(fellBack)));
}

// The two zones of a wall whose first plane (interface 2) is moved to the edge of a tie: its
// saturation pressure is set to what the wall without that plane gives there, plus delta. Within
// 1e-8 Pa below, the wall without the plane is accepted as well as the one with it (whose flux
// is then close to 0); the exhaustive search takes the lower mask, so must the direct one.
void tst_PlaneSearch::closeTies_data() {
    QTest::addColumn<double>("delta"); // Pa
    QTest::addColumn<int>("planesAccepted");
    QTest::addColumn<bool>("tie");
    QTest::newRow("both accepted, the lower wins") << -0.5e-8 << 2 << true;
    QTest::newRow("just oversaturated without the plane") << -2e-8 << 3 << true;
    QTest::newRow("clearly below saturation") << 1.0 << 2 << false;
    QTest::newRow("clearly oversaturated") << -1.0 << 3 << false;
}

void tst_PlaneSearch::closeTies() {
    QFETCH(double, delta);
    QFETCH(int, planesAccepted);
    QFETCH(bool, tie);
    Pass pass = lastPass(testConstruction({{calciumSilicate, 0.069},
                                           {mineralWool, 0.031},
                                           {brick, 0.189},
                                           {mineralWool, 0.017},
                                           {spruce, 0.159},
                                           {concrete, 0.179}}));
    const std::uint64_t withPlane = bit(2) | bit(4) | bit(5);
    const std::uint64_t withoutPlane = bit(4) | bit(5);
    QCOMPARE(pass.search.acceptedMask(), withPlane);
    QStringList messages;
    std::vector<double> psat = pass.psat;
    psat[2] = 1e9; // no oversaturation there, whatever the pressure
    pass.search.setProfiles(psat.data(), pass.pv.data(), pass.pvIn, pass.pvOut);
    QCOMPARE(pass.search.tryCombination(withoutPlane, messages), PlaneSearch::TrialAccepted);
    psat[2] = pass.search.vapourPressure()[2] + delta;
    pass.search.setProfiles(psat.data(), pass.pv.data(), pass.pvIn, pass.pvOut);

    PlaneSearch exhaustive = pass.search;
    exhaustive.setExhaustiveOnly(true);
    QCOMPARE(exhaustive.search(0, messages), PlaneSearch::Accepted);
    QCOMPARE(exhaustive.acceptedMask(), planesAccepted == 3 ? withPlane : withoutPlane);
    pass.search.setExhaustiveOnly(false);
    pass.search.resetStatistics();
    QCOMPARE(pass.search.search(0, messages), PlaneSearch::Accepted);
    QCOMPARE(pass.search.acceptedMask(), exhaustive.acceptedMask());
    QCOMPARE(pass.search.statistics().tieSearches, std::uint64_t(tie ? 1 : 0));
    QCOMPARE(pass.search.statistics().exhaustive, std::uint64_t(0));
    // Wherever the direct search comes out, from the set with the plane too.
    QCOMPARE(pass.search.acceptLowestAmongTies(withPlane, messages), planesAccepted == 3 || tie);
    if (planesAccepted == 3 || tie)
        QCOMPARE(pass.search.acceptedMask(), exhaustive.acceptedMask());
}

// The combinations the fall-back leaves out as singular by the make-up of the construction (a
// plane between two layers without capillary uptake, a run of planes linked by capillary layers
// between two such layers) are rejected by the specified search as well: every combination of
// generated constructions with such layers is tried. (For the exception see the next test.)
void tst_PlaneSearch::leftOutCombinationsAreRejected() {
    ConstructionGenerator generator(68800);
    std::uint64_t leftOut = 0;
    for (int c = 0; c < 400; ++c) {
        const InputData input = generator.next(3, 9);
        PlaneSearch search = lastPass(input).search;
        if (search.statistics().searches == 0)
            continue; // no condensation inside: no profiles to try combinations on
        QStringList messages;
        for (std::uint64_t mask = 1; mask <= search.lastMask(); ++mask) {
            if (!search.singularByMakeUp(mask))
                continue;
            ++leftOut;
            QVERIFY2(search.tryCombination(mask, messages) != PlaneSearch::TrialAccepted,
                     qPrintable(QString("mask %1 of #%2").arg(mask).arg(c)));
        }
    }
    QVERIFY2(leftOut > 1000, qPrintable(QString::number(leftOut)));
}

// A layer without water uptake cut into two identical thin slices: the plane between the slices
// makes the system singular, but the other equations imply its own so nearly that the solver's
// least-squares fall-back accepts it, and no other combination is acceptable. The direct search
// finds it without trying every combination.
void tst_PlaneSearch::thinSlicesWithoutUptake() {
    ConstructionGenerator generator(1);
    for (int c = 0; c < 2979; ++c)
        generator.next(2, 14);
    const InputData input = generator.next(2, 14);
    QCOMPARE(input.layers().size(), 12);
    QCOMPARE(input.layers()[9].material().m_Aw, 0.0);
    QCOMPARE(input.layers()[10].width(), input.layers()[9].width());
    const SearchComparison comparison = SearchComparison::of(input);
    QVERIFY(comparison.equal());
    QCOMPARE(comparison.direct.zones, (std::vector<CalculationResults::IndexRange>{{5, 11}}));
    QCOMPARE(comparison.directStatistics.exhaustive, std::uint64_t(0));
}

// A long calculation (24 layers with condensation only in front of a layer that takes up no
// water: no combination is acceptable, and the specified search tries every one) tells its
// monitor how it gets on and stops when asked to.
void tst_PlaneSearch::monitor_data() {
    QTest::addColumn<int>("cancelAt");
    QTest::newRow("cancelled at the first call") << 1;
    QTest::newRow("cancelled at the third call") << 3;
}

void tst_PlaneSearch::monitor() {
    QFETCH(int, cancelAt);
    TestLayers layers{{gypsumBoard, 0.0125}};
    for (int i = 0; i < 21; ++i)
        layers.append({mineralWool, 0.01});
    layers.append({epsDry, 0.05});
    layers.append({bitumen, 0.004});
    const InputData input = testConstruction(layers);
    TestMonitor monitor(cancelAt);
    CalculationControl control(&monitor, CalculationControl::ExhaustiveSearch);
    Calculation calculation;
    calculation.calculate(input, HeatFlowDirection::Horizontal);
    QCOMPARE(monitor.proceeds, cancelAt);
    QCOMPARE(monitor.finishes, 1);
    QVERIFY(monitor.fractionsInRange);
    QVERIFY(calculation.wasCancelled());
    QCOMPARE(calculation.results().calcState, int(CalculationResults::CS_AlgorithmFailure));
    QCOMPARE(calculation.results().messages, QStringList{"The calculation was cancelled."});
    // The next calculation starts afresh.
    calculation.calculate(testConstruction({{gypsumBoard, 0.0125}, {mineralWool, 0.2}, {osb, 0.015}}),
                          HeatFlowDirection::Horizontal);
    QVERIFY(!calculation.wasCancelled());
    QCOMPARE(calculation.results().calcState, int(CalculationResults::CS_OnePlane));
    QCOMPARE(monitor.finishes, 1);
}

QTEST_GUILESS_MAIN(tst_PlaneSearch)
#include "tst_PlaneSearch.moc"
