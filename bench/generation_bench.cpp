// The generation run's own cost, through the real Qt event loop on the
// offscreen platform: a default run and a million-cell run, each yielding to
// an EventPump as the window does and without any yield, so the price of
// staying responsive shows next to the bare computation.

#include "engine/generationrun.h"
#include "platform/eventpump.h"
#include "support/benchhost.h"
#include "support/huegradient.h"
#include "support/pumpgapmeter.h"
#include "support/recordingreporter.h"
#include "support/runshape.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <string>

namespace tessaly::bench {
namespace {

enum class Yields { ToEventLoop, None };

void generateThroughEngine(benchmark::State &state, RunShape shape, Yields yields)
{
    const QImage source = makeHueGradient(shape.picture);
    EventPump pump;
    BenchHost host(source, shape.columnCount, shape.rowCount,
                   yields == Yields::ToEventLoop ? &pump : nullptr);
    PumpGapMeter gaps;
    std::int16_t scaleDivisor = 0;
    std::chrono::steady_clock::duration runTime{};

    for (auto _ : state) {
        gaps.beginRun();
        const auto start = std::chrono::steady_clock::now();
        generateMosaic(host, StandardPalette, scaleDivisor);
        runTime += std::chrono::steady_clock::now() - start;
        gaps.endRun();
    }

    if (host.errors() != 0 || host.cellsDrawn() != shape.cells()) {
        state.SkipWithError("the run did not draw the expected cells");
        return;
    }
    const double runs = double(state.iterations());
    const double cells = double(shape.cells());
    const double nanoseconds = std::chrono::duration<double, std::nano>(runTime).count();
    state.SetItemsProcessed(state.iterations() * shape.cells());
    state.counters["cells"] = cells;
    state.counters["ns_per_cell"] = nanoseconds / (runs * cells);
    state.counters["ms_per_run"] = nanoseconds / runs / 1e6;
    if (yields == Yields::ToEventLoop) {
        state.counters["pumps_per_run"] = double(pump.pumpCount()) / runs;
        state.counters["max_gap_ms"] = gaps.longestGapMilliseconds();
        state.counters["typical_gap_ms"] = gaps.typicalLongestGapMilliseconds();
    }
}

void registerEngineBenchmarks()
{
    for (const RunShape &shape : {DefaultRun, MillionCellRun}) {
        for (const auto &[yields, name] : {std::pair{Yields::ToEventLoop, "Yielding"},
                                           std::pair{Yields::None, "NoYield"}}) {
            const std::string fullName = std::string("Engine/") + shape.name + "/" + name;
            benchmark::RegisterBenchmark(fullName.c_str(), generateThroughEngine, shape, yields)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    tessaly::bench::registerEngineBenchmarks();
    tessaly::bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    tessaly::bench::printTargetChecks(reporter, "Engine");
    benchmark::Shutdown();
    return 0;
}
