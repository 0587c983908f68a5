#pragma once

#include "support/photoset.h"
#include "support/recordingreporter.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaly::bench {

// One point of the score-against-turns curve.
struct ScoreTurns
{
    double score = 0;        // the likeness score; lower is better
    double turnsPerCube = 0; // the mean optimal turns per cube
};

// The optimiser at one turn weight, or another method, on the photographs.
struct CurveRow
{
    std::string label;                              // "w5", "ordered", ...
    bool onWeightLine = false;                      // the optimiser at a turn weight
    double turnWeight = 0;                          // when on the line
    std::vector<std::optional<ScoreTurns>> byPhoto; // in the order of the curve's photos
    std::optional<ScoreTurns> mean;                 // over the photos; only when every one ran
};

// The score against the turns per cube of the photographs (the set without
// its flat art) at 1,600 cubes: the optimiser at every curve weight, by
// increasing weight, then ordered, diffusion, atkinson and nearest.
struct ScoreTurnsCurve
{
    std::vector<std::string> photos;
    std::vector<CurveRow> rows;
};

// The curve of what ran (the Curve cases and the Pattern cases at 1,600 cubes).
ScoreTurnsCurve scoreTurnsCurve(const RecordingReporter &results, const PhotoSet &set);

// Prints the curve as a table, the mean over the photographs and each
// photograph; nothing when no point of it ran.
void printCurveReport(const ScoreTurnsCurve &curve);

} // namespace tessaly::bench
