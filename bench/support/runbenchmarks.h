#pragma once

#include "support/pumpgapmeter.h"
#include "support/runshape.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <initializer_list>

namespace tessaly::bench {

enum class Yields { ToEventLoop, None };

// Times every run of a benchmark's loop, with the pump gaps measured round
// each run; returns the time spent in the runs alone.
std::chrono::steady_clock::duration timeRuns(benchmark::State &state, PumpGapMeter &gaps,
                                             const std::function<void()> &run);

// Sets the counters every generation benchmark reports: cells, ns per cell
// and ms per run, and for a yielding run the pumps per run and the longest
// stretches without a pump.
void reportRunCounters(benchmark::State &state, const RunShape &shape, Yields yields,
                       std::chrono::steady_clock::duration runTime, double pumps,
                       const PumpGapMeter &gaps);

using RunBenchmark = void (*)(benchmark::State &, RunShape, Yields);

// A kind of run, measured on every shape: family/Shape/Yielding and
// family/Shape/NoYield.
struct BenchmarkFamily
{
    const char *name;
    RunBenchmark run;
};

// The whole program of a generation benchmark: the application (offscreen
// unless QT_QPA_PLATFORM says otherwise), every family on every run shape,
// each yielding and not, the console report, and how the figures stand
// against the targets.
int runGenerationBenchmarks(int argc, char **argv, std::initializer_list<BenchmarkFamily> families);

} // namespace tessaly::bench
