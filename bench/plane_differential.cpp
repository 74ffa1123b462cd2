// SPDX-License-Identifier: GPL-3.0-or-later
// Differential run of the condensation plane search: generated constructions are calculated with
// the direct search and with the exhaustive search (every combination in counting order); the results
// records must agree in every field, bit for bit (the zones stand for the accepted combination).
// The test suite does the same for a few thousand constructions; this tool is for long runs.
//
// Run: build-dir/bench/plane_differential [constructions (default 100000)] [seed (default 1)]
//      [min layers (2)] [max layers (14)]
// Exit code 0 when there was no difference.

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "ConstructionGenerator.h"
#include "SearchComparison.h"

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int minLayers = argc > 3 ? std::atoi(argv[3]) : 2;
    const int maxLayers = argc > 4 ? std::atoi(argv[4]) : 14;

    ConstructionGenerator generator(seed);
    std::uint64_t searched = 0, differences = 0, fallbacks = 0, ties = 0;
    std::uint64_t directTrials = 0, exhaustiveTrials = 0;
    double directSeconds = 0, exhaustiveSeconds = 0, slowestDirect = 0;
    std::map<int, std::uint64_t> byState;
    std::map<int, double> exhaustiveSecondsByState;
    for (std::uint64_t c = 0; c < count; ++c) {
        const InputData input = generator.next(minLayers, maxLayers);
        const SearchComparison comparison = SearchComparison::of(input);
        ++byState[comparison.exhaustive.calcState];
        exhaustiveSecondsByState[comparison.exhaustive.calcState] += comparison.exhaustiveSeconds;
        directSeconds += comparison.directSeconds;
        exhaustiveSeconds += comparison.exhaustiveSeconds;
        if (comparison.searched()) {
            ++searched;
            slowestDirect = std::max(slowestDirect, comparison.directSeconds);
            directTrials += comparison.directStatistics.trials;
            exhaustiveTrials += comparison.exhaustiveStatistics.trials;
            fallbacks += comparison.directStatistics.exhaustive > 0;
            ties += comparison.directStatistics.tieSearches > 0;
        }
        if (!comparison.equal()) {
            ++differences;
            std::printf("difference in #%llu: calcState %d / %d, zones %d / %d: %s\n",
                        static_cast<unsigned long long>(c), comparison.direct.calcState,
                        comparison.exhaustive.calcState, static_cast<int>(comparison.direct.zones.size()),
                        static_cast<int>(comparison.exhaustive.zones.size()),
                        qPrintable(ConstructionGenerator::describe(input)));
        }
        if ((c + 1) % 10000 == 0) {
            std::printf("%llu constructions, %llu differences\n", static_cast<unsigned long long>(c + 1),
                        static_cast<unsigned long long>(differences));
            std::fflush(stdout);
        }
    }
    std::printf(
        "\nconstructions %llu (%d to %d layers, seed %llu), %llu with a plane search; differences %llu\n",
        static_cast<unsigned long long>(count), minLayers, maxLayers, static_cast<unsigned long long>(seed),
        static_cast<unsigned long long>(searched), static_cast<unsigned long long>(differences));
    std::printf("calcState:");
    for (const auto &e : byState)
        std::printf(" %d: %llu (exhaustive %.3f s)", e.first, static_cast<unsigned long long>(e.second),
                    exhaustiveSecondsByState[e.first]);
    std::printf("\nwith a search: direct %.2f trials and exhaustive %.2f trials per calculation; "
                "%llu went through the combinations, %llu tried close ties\n",
                searched ? static_cast<double>(directTrials) / static_cast<double>(searched) : 0.0,
                searched ? static_cast<double>(exhaustiveTrials) / static_cast<double>(searched) : 0.0,
                static_cast<unsigned long long>(fallbacks), static_cast<unsigned long long>(ties));
    std::printf("time: direct %.3f s, exhaustive %.3f s in all; slowest direct calculation %.3f ms\n",
                directSeconds, exhaustiveSeconds, slowestDirect * 1e3);
    return differences == 0 ? 0 : 1;
}
