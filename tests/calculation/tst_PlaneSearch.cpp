#include <QtTest>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "Calculation.h"
#include "ExtendedCalculationTestHelpers.h"
#include "PlaneSearch.h"
#include "SaturationPressure.h"
#include "solveSystem.h"

using namespace TestMaterials;

namespace {

// Layer values and pass profiles of one construction with the dry thermal resistances, as the
// first pass of the extended calculation sees them.
struct SearchInput {
    int n = 0;
    std::vector<double> Z, L, r, psat, pv;
    double pvIn = 0, pvOut = 0;
};

SearchInput searchInput(const InputData &input) {
    SearchInput s;
    const QVector<MaterialLayer> &layers = input.layers();
    s.n = layers.size();
    std::vector<double> R;
    for (const MaterialLayer &l : layers) {
        const double freePores = l.w_sat - l.w_80 * 95 / 80;
        const double K = l.m_Aw * l.m_Aw * 5e-8 / (freePores * freePores * freePores);
        s.Z.push_back(l.muEff() * l.width() * 5.4e9);
        s.L.push_back(K > 0 ? l.width() / K / 1000 : std::numeric_limits<double>::infinity());
        R.push_back(l.width() / l.lambdaEff(2));
    }
    s.r.assign(static_cast<std::size_t>(s.n) + 1, 0.0);
    for (int k = 1; k < s.n; ++k)
        s.r[k] = (layers[k - 1].w_sat - layers[k - 1].w_80 * 95 / 80) /
                 (layers[k].w_sat - layers[k].w_80 * 95 / 80);
    const AssessmentConditions &ac = input.assessmentConditions();
    s.pvIn = saturationPressurePower(ac.interiorClimate().temperature()) *
             ac.interiorClimate().relativeHumidity() / 100;
    s.pvOut = saturationPressurePower(ac.exteriorClimate().temperature()) *
              ac.exteriorClimate().relativeHumidity() / 100;
    std::vector<double> T;
    Calculation::temperatureProfile(
        R, ac.interiorClimate().surfaceResistance(), ac.exteriorClimate().surfaceResistance(),
        ac.interiorClimate().temperature(), ac.exteriorClimate().temperature(), T);
    for (double t : T)
        s.psat.push_back(saturationPressurePower(t));
    Calculation::vapourField(s.Z, s.pvIn, s.pvOut, s.pv);
    return s;
}

// The search written down literally, one trial after the other with fresh storage: the walk over
// the layers builds each system, every test runs in the written order.
struct ReferenceResult {
    PlaneSearch::Outcome outcome = PlaneSearch::NoValidCombination;
    std::uint64_t mask = 0;
    std::vector<double> x, pv;
    QStringList messages;
    std::uint64_t trials = 0;
};

bool isPlane(std::uint64_t mask, int interface) {
    return interface >= 1 && ((mask >> (interface - 1)) & 1u);
}

// Trial result: 0 accepted, 1 solve failed, 2 rejected.
int referenceTrial(const SearchInput &s, std::uint64_t mask, ReferenceResult &res) {
    ++res.trials;
    res.messages.clear();
    int k = 0;
    for (int j = 1; j < s.n; ++j)
        k += isPlane(mask, j);
    DenseMatrix<double> A(k + 1, k + 1);
    std::vector<double> b(static_cast<std::size_t>(k) + 1, 0.0), x;
    std::vector<int> planeIndex(static_cast<std::size_t>(s.n) + 1, 0);
    double S = 0;
    int r = 0;
    for (int i = 0; i < s.n; ++i) {
        if (isPlane(mask, i)) {
            planeIndex[i] = ++r;
            A(r - 1, 0) = S;
            b[r - 1] = s.pvIn - s.psat[i];
        }
        if (isPlane(mask, i + 1)) {
            const int q = r + 1;
            for (int rho = q - 1; rho <= k; ++rho)
                A(rho, q) += s.Z[i] / (2 * s.L[i]);
        }
        if (isPlane(mask, i)) {
            const int q = planeIndex[i];
            for (int rho = q; rho <= k; ++rho)
                A(rho, q) -= s.Z[i] / (2 * s.L[i] * (s.r[i] * s.r[i]));
        }
        S += s.Z[i];
    }
    A(k, 0) = S;
    b[k] = s.pvIn - s.pvOut;
    if (!solveSystem(A, b, x, 1e-10))
        return 1;
    for (int q = 1; q <= k; ++q)
        if (x[q] < 0)
            return 2;
    std::vector<double> pv(static_cast<std::size_t>(s.n) + 1);
    pv[0] = s.pv[0];
    for (int i = 0; i < s.n; ++i) {
        pv[i + 1] = pv[i] - x[0] * s.Z[i];
        if (isPlane(mask, i))
            pv[i + 1] += x[planeIndex[i]] * (s.Z[i] / (2 * s.L[i] * (s.r[i] * s.r[i])));
        if (isPlane(mask, i + 1)) {
            int q = 0;
            for (int j = 1; j <= i + 1; ++j)
                q += isPlane(mask, j);
            pv[i + 1] -= x[q] * (s.Z[i] / (2 * s.L[i]));
        }
    }
    if (std::abs(pv[s.n] - s.pv[s.n]) > 0.001) {
        res.messages << "pv_e not correctly calculated! Algorithm error!";
        return 2;
    }
    for (int j = 1; j < s.n; ++j)
        if (!isPlane(mask, j) && s.psat[j] - pv[j] < -1e-8)
            return 2;
    res.mask = mask;
    res.x = x;
    res.pv = pv;
    return 0;
}

ReferenceResult referenceSearch(const SearchInput &s, std::uint64_t remembered) {
    ReferenceResult res;
    if (remembered != 0 && referenceTrial(s, remembered, res) == 0) {
        res.outcome = PlaneSearch::Accepted;
        return res;
    }
    const std::uint64_t last = (std::uint64_t(1) << (s.n - 1)) - 1;
    for (std::uint64_t m = 1; m <= last; ++m) {
        const int t = referenceTrial(s, m, res);
        if (t == 0) {
            res.outcome = PlaneSearch::Accepted;
            return res;
        }
        if (t == 1 && m == last) {
            res.messages << "No Solution found!";
            res.outcome = PlaneSearch::NoSolution;
            return res;
        }
    }
    res.messages << "Could not find valid combination of k-planes! Algorithm error!";
    return res;
}

bool sameBits(const std::vector<double> &a, const std::vector<double> &b, std::size_t count) {
    return a.size() >= count && b.size() >= count &&
           std::memcmp(a.data(), b.data(), count * sizeof(double)) == 0;
}

const TestMaterial catalogue[] = {gypsumBoard, limePlaster,   limeCementRender,
                                  brick,       historicBrick, calciumSilicate,
                                  concrete,    mineralWool,   woodFibre,
                                  eps,         osb,           spruce,
                                  xps,         bitumen,       peFoil};

InputData randomConstruction(std::mt19937 &rng, int maxLayers, bool withNonCapillary) {
    const int n = 2 + static_cast<int>(rng() % static_cast<unsigned>(maxLayers - 1));
    const unsigned materials = withNonCapillary ? 15 : 12;
    QVector<TestLayer> layers;
    for (int i = 0; i < n; ++i) {
        const TestMaterial &m = catalogue[rng() % materials];
        const double fraction = (rng() % 1000) / 1000.0;
        layers.append({m, m.mu > 10000 ? 0.0002 + 0.004 * fraction : 0.005 + 0.2 * fraction});
    }
    return testConstruction(layers);
}

} // namespace

class tst_PlaneSearch : public QObject {
    Q_OBJECT
private slots:
    void matchesLiteralSearch_data();
    void matchesLiteralSearch();
    void rememberedCombinationFirst();
    void failedRememberedLastCombinationRestarts();
};

void tst_PlaneSearch::matchesLiteralSearch_data() {
    QTest::addColumn<bool>("nonCapillary");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("capillary layers") << false << false << 1u;
    QTest::newRow("capillary layers, remembered set") << false << true << 2u;
    QTest::newRow("with non-capillary layers") << true << false << 3u;
    QTest::newRow("with non-capillary layers, remembered set") << true << true << 4u;
}

// The fast search must find exactly what the literal one finds: the same outcome, set, numbers
// to the last bit, messages and number of trials.
void tst_PlaneSearch::matchesLiteralSearch() {
    QFETCH(bool, nonCapillary);
    QFETCH(bool, remember);
    QFETCH(unsigned, seed);
    std::mt19937 rng(seed);
    PlaneSearch search;
    int condensing = 0;
    int outcomes[3] = {0, 0, 0};
    for (int iteration = 0; iteration < 400; ++iteration) {
        const SearchInput s = searchInput(randomConstruction(rng, 8, nonCapillary));
        bool condensation = false;
        for (int k = 1; k < s.n; ++k)
            condensation = condensation || s.psat[k] < s.pv[k];
        if (!condensation || s.psat[0] < s.pv[0] || s.psat[s.n] < s.pv[s.n])
            continue;
        ++condensing;
        const std::uint64_t last = (std::uint64_t(1) << (s.n - 1)) - 1;
        const std::uint64_t remembered = remember ? 1 + rng() % last : 0;

        const ReferenceResult expected = referenceSearch(s, remembered);
        search.setConstruction(s.n, s.Z.data(), s.L.data(), s.r.data());
        search.setProfiles(s.psat.data(), s.pv.data(), s.pvIn, s.pvOut);
        search.resetStatistics();
        QStringList messages{"stale"};
        const PlaneSearch::Outcome outcome = search.search(remembered, messages);

        const QByteArray where = QByteArray("construction ") + QByteArray::number(iteration);
        QVERIFY2(outcome == expected.outcome, where);
        QVERIFY2(search.statistics().trials == expected.trials, where);
        QCOMPARE(messages, expected.messages);
        ++outcomes[outcome];
        if (outcome != PlaneSearch::Accepted)
            continue;
        QVERIFY2(search.acceptedMask() == expected.mask, where);
        QVERIFY2(sameBits(search.solution(), expected.x, expected.x.size()), where);
        QVERIFY2(sameBits(search.vapourPressure(), expected.pv, expected.pv.size()), where);
    }
    QVERIFY2(condensing > 50, QByteArray::number(condensing));
    QVERIFY(outcomes[PlaneSearch::Accepted] > 0);
    if (nonCapillary)
        QVERIFY(outcomes[PlaneSearch::NoSolution] > 0);
}

void tst_PlaneSearch::rememberedCombinationFirst() {
    // Timber frame wall: the plane between mineral wool and OSB is interface 2 (mask 2).
    const SearchInput s =
        searchInput(testConstruction({{gypsumBoard, 0.0125}, {mineralWool, 0.2}, {osb, 0.015}}));
    PlaneSearch search;
    search.setConstruction(s.n, s.Z.data(), s.L.data(), s.r.data());
    search.setProfiles(s.psat.data(), s.pv.data(), s.pvIn, s.pvOut);
    QStringList messages;
    QCOMPARE(search.search(0, messages), PlaneSearch::Accepted);
    QCOMPARE(search.acceptedMask(), std::uint64_t(2));
    QCOMPARE(search.statistics().trials, std::uint64_t(2));

    search.resetStatistics();
    QCOMPARE(search.search(2, messages), PlaneSearch::Accepted);
    QCOMPARE(search.statistics().trials, std::uint64_t(1));

    // A remembered set that fails is tried once, then the search starts again at 1.
    search.resetStatistics();
    QCOMPARE(search.search(3, messages), PlaneSearch::Accepted);
    QCOMPARE(search.acceptedMask(), std::uint64_t(2));
    QCOMPARE(search.statistics().trials, std::uint64_t(3));
    QCOMPARE(search.statistics().trialsByOrder[3], std::uint64_t(1));
    QCOMPARE(search.statistics().trialsByOrder[2], std::uint64_t(2));
}

void tst_PlaneSearch::failedRememberedLastCombinationRestarts() {
    // Both planes together (the last combination) leave the plane between the two non-capillary
    // layers without any liquid transport: its column is zero and the system cannot be solved.
    // The plane in front of the bitumen alone is the answer.
    const SearchInput s = searchInput(testConstruction({{mineralWool, 0.2}, {bitumen, 0.004}, {xps, 0.05}}));
    PlaneSearch search;
    search.setConstruction(s.n, s.Z.data(), s.L.data(), s.r.data());
    search.setProfiles(s.psat.data(), s.pv.data(), s.pvIn, s.pvOut);
    QStringList messages;
    QCOMPARE(search.tryCombination(3, messages), PlaneSearch::SolveFailed);
    search.resetStatistics();
    QCOMPARE(search.search(3, messages), PlaneSearch::Accepted);
    QCOMPARE(search.acceptedMask(), std::uint64_t(1));
    QCOMPARE(search.statistics().trials, std::uint64_t(2));
    QVERIFY(messages.isEmpty());
}

QTEST_GUILESS_MAIN(tst_PlaneSearch)
#include "tst_PlaneSearch.moc"
