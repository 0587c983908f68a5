#pragma once

#include "pattern/patternrecipe.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

#include <functional>
#include <optional>
#include <string>

namespace tessaly::pattern {

// Asked now and then during long work: the stage done so far of the total;
// returning false cancels the work.
using PatternProgress = std::function<bool(long long done, long long total)>;

// A picture made into a pattern.
struct PhotoPattern
{
    StickerGrid stickers; // 3 x columns by 3 x rows cells of the recipe's wall
    LinearGrid target;    // each cell's colour after framing, resampling and adjustments
    double likeness = 0;  // the likeness score of the stickers to the target; lower is better
};

// The outcome of making a pattern: the pattern, or why there is none.
struct PhotoPatternResult
{
    std::optional<PhotoPattern> pattern;
    std::string error;      // a recipe the picture cannot take (a crop outside it, ...)
    bool cancelled = false; // progress returned false
};

// Frames, resamples, adjusts and matches the picture as the recipe says.
// The recipe's wall must be set (columns and rows at least 1); Method::Exact
// is not made here (a sticker map is read as it is).
PhotoPatternResult makePhotoPattern(const SrgbPicture &picture, const PatternRecipe &recipe,
                                    const PatternProgress &progress = {});

} // namespace tessaly::pattern
