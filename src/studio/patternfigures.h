#pragma once

#include "pattern/sticker.h"

#include <array>
#include <optional>

namespace tessaly::studio {

// The numbers a builder plans with.
struct PatternFigures
{
    long long cubes = 0;
    // Stickers of each kind, by Sticker (Unmatched last).
    std::array<long long, pattern::StickerColourCount + 1> stickers{};
    // The least turns over the cubes whose faces are fully coloured (see
    // FaceTurnTable), and how many cubes that is.
    long long totalTurns = 0;
    long long countedCubes = 0;

    // The mean turns a counted cube; empty when none is counted.
    std::optional<double> averageTurns() const;
};

// The figures of the stickers of a wall of whole cubes (3 x 3 cells each).
// The first call builds the shared face turn table (see
// shippedfaceturntable.h): call it once off the window's thread first.
PatternFigures patternFigures(const pattern::StickerGrid &stickers);

} // namespace tessaly::studio
