#pragma once

#include "pattern/patternrecipe.h"

#include <array>
#include <optional>

namespace tessaly {

// How a photo pattern was made, for the guide to show beside its cubes.
struct PhotoFacts
{
    pattern::Method method = pattern::Method::Optimised;
    double turnWeight = 0;       // the optimised method's
    std::optional<int> maxTurns; // the optimised method's
    pattern::StickerPalette palette; // the colours the pattern may use
    // The builder's cubes: each cube colour as the chosen palette shows it,
    // also those left out of the pattern (a cube's grip may still name them).
    std::array<pattern::Srgb8, cube::ColourCount> cubeColours{};
    pattern::Adjustments adjustments;
    pattern::WallSize wall;
    std::optional<double> likeness; // none for a sticker map read as it is
};

} // namespace tessaly
