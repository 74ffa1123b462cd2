// SPDX-License-Identifier: GPL-3.0-or-later
// Study of the condensation plane search on generated constructions: for every search the
// calculation makes (the first pass, on the dry profiles, and the last pass), every combination of
// planes is tried and the acceptable ones are counted. The direct search relies on there being at
// most one; this tool shows whether that holds, and checks on the way that the combinations the
// search leaves out as singular by make-up are never accepted, and that the direct search finds
// the combination the exhaustive one finds.
//
// Run: build-dir/bench/plane_study [constructions (default 20000)] [seed (default 1)]
//      [min layers (2)] [max layers (14)] [number of the one construction to study]

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "Calculation.h"
#include "CalculationResults.h"
#include "ConstructionGenerator.h"
#include "ExtendedCalculation.h"
#include "InputData.h"
#include "PlaneSearch.h"
#include "SaturationPressure.h"
#include "SteadyStateProfile.h"

namespace {

constexpr HeatFlowDirection HeatFlow = HeatFlowDirection::Horizontal;

struct Figures {
    std::uint64_t constructions = 0;
    std::uint64_t searches = 0;
    std::map<int, std::uint64_t> byAcceptable; // number of acceptable combinations -> searches
    std::uint64_t combinations = 0;
    std::uint64_t singularByMakeUp = 0;
    std::uint64_t singularAccepted = 0;   // must stay 0
    std::uint64_t otherSolveFailures = 0; // failures not explained by the make-up
    std::uint64_t directTrials = 0;
    std::uint64_t directFound = 0;
    std::uint64_t tieSearches = 0;
    std::uint64_t none = 0;      // searches the direct search showed to have no acceptable combination
    std::uint64_t noneWrong = 0; // of these, ones with an acceptable combination: must stay 0
    std::uint64_t fallbacks = 0;
    std::uint64_t differences = 0; // must stay 0
    std::uint64_t missed = 0;      // acceptable combination found only by going through them all
};

// Every combination of the search's current profiles; then the direct and the exhaustive search.
void study(const PlaneSearch &prepared, Figures &f, const QString &what) {
    PlaneSearch search = prepared;
    QStringList messages;
    int acceptable = 0;
    std::uint64_t first = 0;
    for (std::uint64_t mask = 1; mask <= search.lastMask(); ++mask) {
        const PlaneSearch::TrialResult result = search.tryCombination(mask, messages);
        ++f.combinations;
        const bool singular = search.singularByMakeUp(mask);
        f.singularByMakeUp += singular;
        if (result == PlaneSearch::TrialAccepted) {
            ++acceptable;
            if (!first)
                first = mask;
            if (singular) {
                ++f.singularAccepted;
                std::printf("accepted although singular by make-up: mask %llu of %s\n",
                            static_cast<unsigned long long>(mask), qPrintable(what));
            }
        } else if (result == PlaneSearch::SolveFailed && !singular) {
            ++f.otherSolveFailures;
        }
    }
    ++f.searches;
    ++f.byAcceptable[acceptable > 3 ? 4 : acceptable];
    if (acceptable > 1)
        std::printf("%d acceptable combinations (first %llu): %s\n", acceptable,
                    static_cast<unsigned long long>(first), qPrintable(what));

    PlaneSearch direct = prepared;
    direct.resetStatistics();
    const PlaneSearch::Outcome outcome = direct.search(0, messages);
    const PlaneSearch::Statistics &s = direct.statistics();
    f.directTrials += s.trials;
    f.directFound += s.directFound;
    f.tieSearches += s.tieSearches;
    f.none += s.directNone;
    f.fallbacks += s.exhaustive;
    if (s.exhaustive)
        std::printf("went through the combinations: %s\n", qPrintable(what));
    if (s.directNone && acceptable > 0) {
        ++f.noneWrong;
        std::printf("direct search found none, but %d are acceptable: %s\n", acceptable, qPrintable(what));
    }
    const std::uint64_t found = outcome == PlaneSearch::Accepted ? direct.acceptedMask() : 0;
    if (acceptable > 0 && s.directFound == 0) {
        ++f.missed;
        std::printf("direct search missed %llu: %s\n", static_cast<unsigned long long>(first),
                    qPrintable(what));
    }
    if (found != first) {
        ++f.differences;
        std::printf("direct search found %llu, exhaustive %llu: %s\n", static_cast<unsigned long long>(found),
                    static_cast<unsigned long long>(first), qPrintable(what));
    }
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 20000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int minLayers = argc > 3 ? std::atoi(argv[3]) : 2;
    const int maxLayers = argc > 4 ? std::atoi(argv[4]) : 14;
    const long long only = argc > 5 ? std::atoll(argv[5]) : -1; // study this construction only
    ConstructionGenerator generator(seed);
    Figures f;
    std::map<int, std::uint64_t> searchesByLayers;
    for (std::uint64_t c = 0; c < count; ++c) {
        const InputData input = generator.next(minLayers, maxLayers);
        const int n = input.layers().size();
        if (only >= 0 && static_cast<long long>(c) != only)
            continue;
        ++f.constructions;
        ExtendedCalculation extended;
        CalculationResults results;
        results.resize(n);
        QStringList messages;
        extended.run(input, HeatFlow, results, messages);
        if (extended.planeSearch().statistics().searches == 0)
            continue; // no condensation inside, or on a surface
        const QString what = QStringLiteral("#%1: ").arg(c) + ConstructionGenerator::describe(input);
        ++searchesByLayers[n];

        // The first pass searches on the dry profiles.
        PlaneSearch first = extended.planeSearch();
        std::vector<double> R(static_cast<std::size_t>(n)), T, psat(static_cast<std::size_t>(n) + 1), pv;
        for (int i = 0; i < n; ++i)
            R[static_cast<std::size_t>(i)] =
                input.layers()[i].width() / input.layers()[i].lambdaEff(HeatFlow);
        const AssessmentConditions &ac = input.assessmentConditions();
        const ClimateCondition &in = ac.interiorClimate();
        const ClimateCondition &out = ac.exteriorClimate();
        SteadyStateProfile::temperatureProfile(R, in.surfaceResistance(), out.surfaceResistance(),
                                               in.temperature(), out.temperature(), T);
        for (int k = 0; k <= n; ++k)
            psat[static_cast<std::size_t>(k)] = saturationPressurePower(T[static_cast<std::size_t>(k)]);
        const double pvIn = saturationPressurePower(in.temperature()) * in.relativeHumidity() / 100;
        const double pvOut = saturationPressurePower(out.temperature()) * out.relativeHumidity() / 100;
        SteadyStateProfile::vapourField(results.Z_layers, pvIn, pvOut, pv);
        bool condensing = false;
        for (int k = 1; k < n; ++k)
            condensing = condensing || psat[static_cast<std::size_t>(k)] < pv[static_cast<std::size_t>(k)];
        if (condensing) {
            first.setProfiles(psat.data(), pv.data(), pvIn, pvOut);
            study(first, f, QStringLiteral("pass 1 of ") + what);
        }
        study(extended.planeSearch(), f, QStringLiteral("last pass of ") + what);
    }

    std::printf("\nconstructions %llu (%d to %d layers, seed %llu), searches %llu\n",
                static_cast<unsigned long long>(f.constructions), minLayers, maxLayers,
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(f.searches));
    std::printf("searches by layer count:");
    for (const auto &e : searchesByLayers)
        std::printf(" %d:%llu", e.first, static_cast<unsigned long long>(e.second));
    std::printf("\nacceptable combinations per search:");
    for (const auto &e : f.byAcceptable)
        std::printf(" %s%d: %llu", e.first == 4 ? ">" : "", e.first == 4 ? 3 : e.first,
                    static_cast<unsigned long long>(e.second));
    std::printf(
        "\ncombinations tried %llu, singular by make-up %llu (accepted: %llu), other solve failures %llu\n",
        static_cast<unsigned long long>(f.combinations), static_cast<unsigned long long>(f.singularByMakeUp),
        static_cast<unsigned long long>(f.singularAccepted),
        static_cast<unsigned long long>(f.otherSolveFailures));
    std::printf("direct search: %llu found directly (%llu after trying close ties), %llu shown to have none "
                "(wrongly: %llu), %llu went through the combinations (%llu of them with an acceptable one); "
                "%.2f trials per search; differences %llu\n",
                static_cast<unsigned long long>(f.directFound),
                static_cast<unsigned long long>(f.tieSearches), static_cast<unsigned long long>(f.none),
                static_cast<unsigned long long>(f.noneWrong), static_cast<unsigned long long>(f.fallbacks),
                static_cast<unsigned long long>(f.missed),
                f.searches ? static_cast<double>(f.directTrials) / static_cast<double>(f.searches) : 0.0,
                static_cast<unsigned long long>(f.differences));
    return f.singularAccepted == 0 && f.differences == 0 && f.noneWrong == 0 ? 0 : 1;
}
