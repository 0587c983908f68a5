// The generation run's own cost, through the real Qt event loop on the
// offscreen platform: a default run and a million-cell run, each yielding to
// an EventPump as the window does and without any yield, so the price of
// staying responsive shows next to the bare computation.

#include "engine/generationrun.h"
#include "platform/eventpump.h"
#include "support/benchhost.h"
#include "support/huegradient.h"
#include "support/runbenchmarks.h"

namespace tessaly::bench {
namespace {

void generateThroughEngine(benchmark::State &state, RunShape shape, Yields yields)
{
    const QImage source = makeHueGradient(shape.picture);
    EventPump pump;
    BenchHost host(source, shape.columnCount, shape.rowCount,
                   yields == Yields::ToEventLoop ? &pump : nullptr);
    PumpGapMeter gaps;
    std::int16_t scaleDivisor = 0;

    const auto runTime = timeRuns(state, gaps, [&] { generateMosaic(host, StandardPalette, scaleDivisor); });

    if (host.errors() != 0 || host.cellsDrawn() != shape.cells()) {
        state.SkipWithError("the run did not draw the expected cells");
        return;
    }
    reportRunCounters(state, shape, yields, runTime, double(pump.pumpCount()), gaps);
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    return tessaly::bench::runGenerationBenchmarks(argc, argv, "Engine",
                                                   tessaly::bench::generateThroughEngine);
}
