// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the PDF report of an eight-layer wall (tests/data/cli/eight-layers.t2p):
//  - BM_BatchReport: the whole "tavo2-calc --report FILE.pdf" as a script runs it (process start,
//    offscreen platform, fonts, reading and calculating the project, the report, the PDF on disk),
//    once with the default frames and once with all fourteen;
//  - BM_ReportInProcess: the report alone (layout of all frames and the PDF into memory) in a
//    running application, to show how much of the batch time is the report itself.
//
// Run: build-dir/bench/report [--benchmark_repetitions=5] [other Google Benchmark flags]
// The target is a whole report through tavo2-calc in well under one second.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "Document.h"
#include "Report.h"
#include "ZMT_MessageHandler.h"

namespace {

const char *const EightLayers = TAVO_SOURCE_DIR "/tests/data/cli/eight-layers.t2p";

void BM_BatchReport(benchmark::State &state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("eight-layers.pdf"));
    QStringList args{QStringLiteral("--report"), pdf, QString::fromLatin1(EightLayers)};
    if (state.range(0) == 1)
        args << QStringLiteral("--frames") << QStringLiteral("all");
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TAVO_CALC_EXE), args);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("tavo2-calc failed");
            return;
        }
    }
    state.counters["pdf_kB"] = QFileInfo(pdf).size() / 1024.0;
    state.SetLabel(state.range(0) == 1 ? "all 14 frames" : "default frames");
}

void BM_ReportInProcess(benchmark::State &state) {
    Document document;
    QString error;
    if (!document.readFile(QString::fromLatin1(EightLayers), error)) {
        state.SkipWithError("cannot read the project");
        return;
    }
    document.recalculate();
    ReportSettings settings;
    for (int i = 0; i < Report::FrameCount; ++i)
        settings.setActivated(i, true);
    int pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        Report report;
        report.setData(document.inputData(), document.results(), document.projectInformation());
        report.setSettings(settings);
        report.print(writer);
        pages = report.pageCount();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.counters["pages"] = pages;
}

} // namespace

BENCHMARK(BM_BatchReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_ReportInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) {
    // Like tavo2-calc: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
