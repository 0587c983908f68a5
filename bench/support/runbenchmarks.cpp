#include "support/runbenchmarks.h"

#include "support/recordingreporter.h"
#include "support/targetchecks.h"

#include <QApplication>

#include <string>
#include <utility>

namespace tessaly::bench {

std::chrono::steady_clock::duration timeRuns(benchmark::State &state, PumpGapMeter &gaps,
                                             const std::function<void()> &run)
{
    std::chrono::steady_clock::duration runTime{};
    for (auto _ : state) {
        gaps.beginRun();
        const auto start = std::chrono::steady_clock::now();
        run();
        runTime += std::chrono::steady_clock::now() - start;
        gaps.endRun();
    }
    return runTime;
}

void reportRunCounters(benchmark::State &state, const RunShape &shape, Yields yields,
                       std::chrono::steady_clock::duration runTime, double pumps,
                       const PumpGapMeter &gaps)
{
    const double runs = double(state.iterations());
    const double cells = double(shape.cells());
    const double nanoseconds = std::chrono::duration<double, std::nano>(runTime).count();
    state.SetItemsProcessed(state.iterations() * shape.cells());
    state.counters["cells"] = cells;
    state.counters["ns_per_cell"] = nanoseconds / (runs * cells);
    state.counters["ms_per_run"] = nanoseconds / runs / 1e6;
    if (yields == Yields::ToEventLoop) {
        state.counters["pumps_per_run"] = pumps / runs;
        state.counters["max_gap_ms"] = gaps.longestGapMilliseconds();
        state.counters["typical_gap_ms"] = gaps.typicalLongestGapMilliseconds();
    }
}

int runGenerationBenchmarks(int argc, char **argv, std::initializer_list<BenchmarkFamily> families)
{
    // Another platform (xcb on a real X server) shows what its repaints cost.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    for (const RunShape &shape : {DefaultRun, MillionCellRun, PhotographRun}) {
        for (const BenchmarkFamily &family : families) {
            for (const auto &[yields, name] : {std::pair{Yields::ToEventLoop, "Yielding"},
                                               std::pair{Yields::None, "NoYield"}}) {
                const std::string fullName = std::string(family.name) + "/" + shape.name + "/" + name;
                benchmark::RegisterBenchmark(fullName.c_str(), family.run, shape, yields)
                    ->UseRealTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTargetChecks(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace tessaly::bench
