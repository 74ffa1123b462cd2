// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the Glaser calculation with condensation zones on realistic condensing constructions of
// 4 to 60 layers: the whole calculate() with the direct and with the exhaustive plane search, the
// exhaustive search alone per trial beside bare LU factor-and-solve calls on exactly the systems it
// tries, and the constructions for which no combination of planes is acceptable.
//
// Run: build-dir/bench/calculation [--benchmark_repetitions=5] [other Google Benchmark flags]
// After the usual output a summary table compares the figures (fastest repetition of each).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Calculation.h"
#include "CalculationControl.h"
#include "CalculationResults.h"
#include "ExtendedCalculation.h"
#include "InputData.h"
#include "LUdecomp.h"
#include "PlaneSearch.h"

namespace {

// lambda W/mK, mu, w_80 and w_sat m³/m³, A_w kg/(m²·s^0.5): values of the bundled examples.
struct Mat {
    const char *name;
    double lambda, mu, w80, wsat, Aw;
};
const Mat gypsumBoard{"gypsum board", 0.25, 4, 0.007, 0.35, 0.13};
const Mat limePlaster{"lime plaster", 1.0, 15, 0.01, 0.28, 0.06};
const Mat limeCementRender{"lime cement render", 1.0, 35, 0.015, 0.25, 0.035};
const Mat mineralWool{"mineral wool", 0.035, 1, 0.0005, 0.9, 0.0005};
const Mat woodFibre{"wood fibre board", 0.045, 5, 0.02, 0.5, 0.003};
const Mat osb{"OSB", 0.13, 200, 0.072, 0.6, 0.002};
const Mat spruce{"spruce", 0.12, 50, 0.072, 0.55, 0.002};
// Without any water uptake, as in many first-generation files.
const Mat epsDry{"EPS without water uptake", 0.035, 100, 0.0005, 0.05, 0};
const Mat bitumenDry{"bitumen without water uptake", 0.23, 50000, 0.0001, 0.001, 0};
const Mat gypsumDry{"gypsum board without water uptake", 0.25, 4, 0.007, 0.35, 0};
const Mat gypsumFibre{"gypsum fibreboard", 0.32, 13, 0.012, 0.4, 0.05};
const Mat airSpace{"air space without water uptake", 0.17, 0.33, 0.001, 0.01, 0};
const Mat fibreCement{"fibre cement board", 0.45, 400, 0.04, 0.25, 0.01};

struct Construction {
    std::string description;
    std::vector<std::pair<Mat, double>> layers;
};

void add(Construction &c, const Mat &m, double d, int slices = 1) {
    for (int i = 0; i < slices; ++i)
        c.layers.emplace_back(m, d / slices);
}

// Failure cases, numbered past the layer counts.
constexpr int NoneAcceptable = 1024; // 24 layers
constexpr int NoAnswer = 1023;       // 23 layers

// Timber constructions without a vapour retarder, condensing at the cold side of the insulation
// in front of an OSB board; the insulation is modelled in slices, as one does for a finer profile.
Construction construction(int layers) {
    Construction c;
    switch (layers) {
    case 4:
        c.description = "timber frame wall: gypsum board, mineral wool 160 mm, OSB, wood fibre board";
        add(c, gypsumBoard, 0.0125);
        add(c, mineralWool, 0.16);
        add(c, osb, 0.022);
        add(c, woodFibre, 0.06);
        break;
    case 8:
        c.description = "timber frame wall with service cavity: 2 gypsum boards, mineral wool 40 mm, OSB, "
                        "mineral wool 200 mm in 2 slices, OSB, wood fibre board";
        add(c, gypsumBoard, 0.0125, 2);
        add(c, mineralWool, 0.04);
        add(c, osb, 0.015);
        add(c, mineralWool, 0.2, 2);
        add(c, osb, 0.015);
        add(c, woodFibre, 0.06);
        break;
    case 12:
        c.description =
            "pitched roof: 2 gypsum boards, spruce boarding, mineral wool 300 mm in 6 slices, OSB, "
            "wood fibre sarking 80 mm in 2 slices";
        add(c, gypsumBoard, 0.0125, 2);
        add(c, spruce, 0.024);
        add(c, mineralWool, 0.3, 6);
        add(c, osb, 0.022);
        add(c, woodFibre, 0.08, 2);
        break;
    case 16:
        c.description =
            "timber frame wall with rendered wood fibre board: 2 gypsum boards, wood fibre 40 mm, "
            "mineral wool 200 mm in 8 slices, OSB, wood fibre 60 mm in 2 slices, lime plaster, "
            "lime cement render";
        add(c, gypsumBoard, 0.0125, 2);
        add(c, woodFibre, 0.04);
        add(c, mineralWool, 0.2, 8);
        add(c, osb, 0.022);
        add(c, woodFibre, 0.06, 2);
        add(c, limePlaster, 0.01);
        add(c, limeCementRender, 0.01);
        break;
    case NoneAcceptable:
        c.description = "no acceptable combination: gypsum board, mineral wool 210 mm in 21 slices, EPS and "
                        "bitumen without water uptake";
        add(c, gypsumBoard, 0.0125);
        add(c, mineralWool, 0.21, 21);
        add(c, epsDry, 0.05);
        add(c, bitumenDry, 0.004);
        break;
    case NoAnswer:
        c.description = "no answer from the direct search: boards between layers without water uptake; "
                        "gypsum board, gypsum fibreboard in 10 slices, air space, fibre cement in 10 "
                        "slices, bitumen";
        add(c, gypsumDry, 0.02412);
        add(c, gypsumFibre, 0.01146, 10);
        add(c, airSpace, 0.03024);
        add(c, fibreCement, 0.01036, 10);
        add(c, bitumenDry, 0.00466);
        break;
    default: {
        // 20 layers and more: the flat roof with the insulation in more and more slices.
        const int slices = layers - 8;
        c.description = "timber flat roof: 2 gypsum boards, OSB, mineral wool 240 mm in " +
                        std::to_string(slices) +
                        " slices, OSB, wood fibre 40 mm in 2 slices, lime plaster, lime cement render";
        add(c, gypsumBoard, 0.0125, 2);
        add(c, osb, 0.015);
        add(c, mineralWool, 0.24, slices);
        add(c, osb, 0.022);
        add(c, woodFibre, 0.04, 2);
        add(c, limePlaster, 0.01);
        add(c, limeCementRender, 0.01);
        break;
    }
    }
    return c;
}

// DIN 4108-3 (2014 to 2024) climate, the default of a new InputData.
InputData inputData(int layers) {
    InputData input;
    for (const auto &l : construction(layers).layers) {
        const Mat &m = l.first;
        input.layers().append(MaterialLayer(Material(QString::fromLatin1(m.name),
                                                     MaterialCategory(MaterialCategory::BuildingBoards), {},
                                                     {}, {}, {}, 500, m.lambda, m.mu, m.w80, m.wsat, m.Aw, 1),
                                            l.second));
    }
    input.check();
    return input;
}

constexpr HeatFlowDirection HeatFlow = HeatFlowDirection::Horizontal;

struct Figures {
    int calcState = 0;
    std::uint64_t trials[2] = {0, 0}; // direct, exhaustive: trials of one whole calculation
    std::uint64_t searchTrials = 0;   // trials of one exhaustive search from mask 1
    double meanOrder = 0;
};
std::map<int, Figures> g_figures;

// The plane search of the last pass of a calculation, ready to run again from mask 1.
PlaneSearch lastSearch(int layers) {
    ExtendedCalculation extended;
    CalculationResults results;
    QStringList messages;
    extended.run(inputData(layers), HeatFlow, results, messages);
    PlaneSearch search = extended.planeSearch();
    search.setExhaustiveOnly(true);
    return search;
}

// One whole calculation; range(1) 0 for the direct search, 1 for the exhaustive one.
void BM_Calculate(benchmark::State &state) {
    const int layers = static_cast<int>(state.range(0));
    const int exhaustive = static_cast<int>(state.range(1));
    const InputData input = inputData(layers);
    CalculationControl control(nullptr, exhaustive ? CalculationControl::ExhaustiveSearch
                                                   : CalculationControl::DirectSearch);
    Calculation calculation;
    for (auto _ : state) {
        calculation.calculate(input, HeatFlow);
        benchmark::DoNotOptimize(calculation.results().mc);
    }
    Figures &f = g_figures[layers];
    f.trials[exhaustive] = calculation.planeSearchStatistics().trials;
    f.calcState = calculation.results().calcState;
    state.counters["calcState"] = f.calcState;
    state.counters["trials"] = static_cast<double>(f.trials[exhaustive]);
}

void BM_PlaneSearch(benchmark::State &state) {
    const int layers = static_cast<int>(state.range(0));
    PlaneSearch search = lastSearch(layers);
    QStringList messages;
    search.resetStatistics();
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.search(0, messages));
    }
    const std::uint64_t trials = search.statistics().trials / state.iterations();
    g_figures[layers].searchTrials = trials;
    state.counters["trials"] = static_cast<double>(trials);
    state.counters["per_trial"] =
        benchmark::Counter(static_cast<double>(search.statistics().trials),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BareLU(benchmark::State &state) {
    const int layers = static_cast<int>(state.range(0));
    PlaneSearch search = lastSearch(layers);
    QStringList messages;
    search.search(0, messages);
    const std::uint64_t accepted = search.acceptedMask();
    std::vector<DenseMatrix<double>> systems(accepted);
    std::vector<std::vector<double>> rhs(accepted);
    double orderSum = 0;
    for (std::uint64_t mask = 1; mask <= accepted; ++mask) {
        search.buildSystem(mask, systems[mask - 1], rhs[mask - 1]);
        orderSum += systems[mask - 1].rows();
    }
    g_figures[layers].meanOrder = orderSum / static_cast<double>(accepted);
    LUdecomp<double> lu;
    std::vector<double> x(static_cast<std::size_t>(layers));
    for (auto _ : state) {
        for (std::size_t i = 0; i < systems.size(); ++i) {
            lu.decompose(systems[i]);
            lu.solve(rhs[i], x);
            benchmark::DoNotOptimize(x.data());
        }
    }
    state.counters["systems"] = static_cast<double>(systems.size());
    state.counters["per_solve"] =
        benchmark::Counter(static_cast<double>(systems.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Keeps the fastest repetition of every benchmark, in processor time of the thread: the least
// disturbed by other processes on a shared machine.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            const std::string name = run.run_name.function_name + "/" + run.run_name.args;
            auto it = m_best.find(name);
            if (it == m_best.end() || seconds < it->second)
                m_best[name] = seconds;
        }
    }
    double best(const std::string &name) const {
        auto it = m_best.find(name);
        return it == m_best.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> m_best;
};

void calculateArguments(benchmark::internal::Benchmark *b) {
    for (int layers : {8, 12, 16, 20, 24})
        for (int exhaustive : {0, 1})
            b->Args({layers, exhaustive});
    for (int layers : {40, 60})
        b->Args({layers, 0});
    for (int failure : {NoneAcceptable, NoAnswer})
        b->Args({failure, 0});
}

} // namespace

BENCHMARK(BM_Calculate)->Apply(calculateArguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaneSearch)->Arg(4)->Arg(8)->Arg(12)->Arg(16)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareLU)->Arg(4)->Arg(8)->Arg(12)->Arg(16)->Arg(20)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nSummary (fastest repetition of each figure, processor time)\n");
    std::printf("%8s %9s %14s %12s %18s %16s\n", "layers", "calcState", "direct trials", "direct ms",
                "exhaustive trials", "exhaustive ms");
    for (const auto &entry : g_figures) {
        const int layers = entry.first;
        const Figures &f = entry.second;
        const std::string name = "BM_Calculate/" + std::to_string(layers);
        const double direct = reporter.best(name + "/0");
        const double exhaustive = reporter.best(name + "/1");
        if (direct < 0)
            continue;
        std::printf("%8d %9d %14llu %12.4f", layers > 1000 ? layers - 1000 : layers, f.calcState,
                    static_cast<unsigned long long>(f.trials[0]), direct * 1e3);
        if (exhaustive >= 0)
            std::printf(" %18llu %16.4f\n", static_cast<unsigned long long>(f.trials[1]), exhaustive * 1e3);
        else
            std::printf(" %18s %16s\n", "-", "-");
    }
    std::printf("\nExhaustive search per trial\n%6s %14s %13s %12s %12s %8s\n", "layers", "search trials",
                "mean order", "us/trial", "us/LU solve", "ratio");
    for (int layers : {4, 8, 12, 16, 20}) {
        const Figures &f = g_figures[layers];
        const double search = reporter.best("BM_PlaneSearch/" + std::to_string(layers));
        const double lu = reporter.best("BM_BareLU/" + std::to_string(layers));
        if (search < 0 || lu < 0 || f.searchTrials == 0)
            continue;
        const double perTrial = search / static_cast<double>(f.searchTrials);
        const double perSolve = lu / static_cast<double>(f.searchTrials);
        std::printf("%6d %14llu %13.2f %12.3f %12.3f %8.2f\n", layers,
                    static_cast<unsigned long long>(f.searchTrials), f.meanOrder, perTrial * 1e6,
                    perSolve * 1e6, perTrial / perSolve);
    }
    std::printf("\n");
    for (int layers : {4, 8, 12, 16, 20, 24, 40, 60, NoAnswer, NoneAcceptable}) {
        const Construction c = construction(layers);
        std::printf("%2d layers: %s\n", static_cast<int>(c.layers.size()), c.description.c_str());
    }
    return 0;
}
