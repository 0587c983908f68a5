#pragma once

#include "pattern/palette.h"
#include "pattern/photopattern.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

#include <optional>

namespace tessaly::pattern {

struct LikenessOptimiserSettings
{
    int maxSweeps = 12;                // passes over the cells at the most
    double minimumImprovement = 0.001; // a pass that lowers the score by a smaller share is the last
    unsigned threads = 0;              // 0: every core; the pattern is the same on any number
};

// Improves a pattern cell by cell towards the lowest likeness score: every
// cell takes the palette colour that lowers the score most, judged on the
// blurred colours of all the cells it touches, until a pass changes nothing
// worth keeping. The score's CIEDE2000 is taken locally as a quadratic form
// in the blurred opponent space, renewed after every pass; the pattern with
// the lowest true score is returned. Empty when progress cancels.
std::optional<StickerGrid> optimiseLikeness(const LinearGrid &target, const StickerPalette &palette,
                                            const StickerGrid &start,
                                            const LikenessOptimiserSettings &settings = {},
                                            const PatternProgress &progress = {});

} // namespace tessaly::pattern
