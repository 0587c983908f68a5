#pragma once

#include "support/recordingreporter.h"

namespace tessaly::bench {

// Prints how the recorded figures stand against the run's speed targets,
// for the families that ran (Engine, Window):
//   the engine's million-cell run at most 20 ns a cell without yields, and
//   with yields at most 1.2 times that;
//   the million-cell run through the window at most 1.3 times the engine's;
//   the default run through the window at most 0.5 ms;
//   no stretch of more than 5 ms without an event pump in a million-cell run.
// The photograph's figures are printed beside them: the build guide's run of
// that size is held to 1.3 times the engine's. Targets whose benchmarks did
// not run are said to be unmeasured.
void printTargetChecks(const RecordingReporter &results);

} // namespace tessaly::bench
