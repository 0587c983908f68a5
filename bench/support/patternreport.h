#pragma once

#include "support/photoset.h"
#include "support/recordingreporter.h"

namespace tessaly::bench {

// Prints what the photo pattern benchmarks recorded, for the cases that ran:
// tables of the likeness score, the time (real and process CPU) and the
// peak memory of every picture, wall size and method, then how the figures
// stand against the targets:
//   optimised at most 0.85 x ordered's score on average over the set, and
//   at most 0.92 x on every picture and size;
//   optimised at most 0.45 x the window mosaic's score, on average and on
//   every picture and size;
//   nearest never worse than ordered on the logo;
//   optimised within 1 s for 4,000 cubes and 15 s for 100,000; the other
//   methods within 0.1 s for 4,000 cubes; each judged on real time, what a
//   user waits, and on the process's CPU time, which a busy machine's real
//   time hides;
//   no case raising the peak resident size more than 300 MB above the
//   picture it started with;
//   the same stickers from the optimiser on one thread and on two.
// Targets whose cases did not run are said to be unmeasured.
void printPatternReport(const RecordingReporter &results, const PhotoSet &set);

} // namespace tessaly::bench
