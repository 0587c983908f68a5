// The generation run's own cost, through the real Qt event loop on the
// offscreen platform: a default run, a million-cell run and a photograph's
// run, each yielding to an EventPump as the window does and without any
// yield, so the price of staying responsive shows next to the bare
// computation.

#include "support/enginerun.h"

int main(int argc, char **argv)
{
    const tessaly::bench::BenchmarkFamily engine{"Engine", tessaly::bench::generateThroughEngine};
    return tessaly::bench::runGenerationBenchmarks(argc, argv, {engine});
}
