#pragma once

#include "support/runbenchmarks.h"

namespace tessaly::bench {

// One generation run through the engine alone, over a BenchHost: yielding
// to an EventPump as the window does, or without any yield.
void generateThroughEngine(benchmark::State &state, RunShape shape, Yields yields);

} // namespace tessaly::bench
