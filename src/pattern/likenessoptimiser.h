#pragma once

#include "pattern/palette.h"
#include "pattern/photopattern.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

#include <optional>

namespace tessaly::cube {
class FaceTurnTable;
}

namespace tessaly::pattern {

struct LikenessOptimiserSettings
{
    int maxSweeps = 8;                 // passes over the cells at the most
    double minimumImprovement = 0.001; // a pass that lowers the score by a smaller share is the last
    unsigned threads = 0;              // 0: every core; the pattern is the same on any number

    // Twisting: with a table, the search lowers the score's sum over the
    // cells plus turnWeight times the wall's total turns (each cube's front
    // face being 3 x 3 cells from the top left, the grid whole cubes), and
    // keeps every cube at maxTurns or fewer.
    const cube::FaceTurnTable *turnTable = nullptr;
    double turnWeight = 0;
    std::optional<int> maxTurns;
};

// Improves a pattern cell by cell towards the lowest likeness score (and,
// with a turn table, the fewest turns as the settings weigh them). A cell
// takes another palette colour only when the true score of every blurred
// cell it reaches, plus the weighted turns of its cube, says that lowers the
// whole; a fast local form of CIEDE2000 picks which colours to try. Passes
// over the cells go on until one gains too little. Progress is told in
// thousandths of a pass, within passes too; empty when it cancels.
std::optional<StickerGrid> optimiseLikeness(const LinearGrid &target, const StickerPalette &palette,
                                            const StickerGrid &start,
                                            const LikenessOptimiserSettings &settings = {},
                                            const PatternProgress &progress = {});

} // namespace tessaly::pattern
