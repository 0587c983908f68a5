#include "support/enginerun.h"

#include "engine/generationrun.h"
#include "platform/eventpump.h"
#include "support/benchhost.h"
#include "support/huegradient.h"

namespace tessaly::bench {

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

} // namespace tessaly::bench
