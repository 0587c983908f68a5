#pragma once

#include "engine/colorclassifier.h"
#include "pattern/picture.h"
#include "pattern/sourceregion.h"
#include "pattern/sticker.h"

namespace tessaly::bench {

// The tolerance fields' defaults in the window: orange, yellow, red, green,
// blue, white.
inline constexpr Tolerances WindowTolerances = {111, 190, 220, 220, 260, 250};

// The window's mosaic rule on a photo pattern's cells, the baseline the
// photo pattern is measured against: the region split into columns x rows
// cells, each cell the picture's pixel under its centre (no averaging),
// classified by the engine's ClassifyColor (the first reference colour
// within its tolerance wins). A cell the classifier leaves black, or whose
// tolerance cannot be read, is Unmatched, which the likeness score counts as
// mid grey. Centres outside the picture read white, as the pattern's
// resampling counts them.
pattern::StickerGrid windowMosaic(const pattern::SrgbPicture &picture, const pattern::SourceRegion &region,
                                  int columns, int rows, const Tolerances &tolerances = WindowTolerances);

} // namespace tessaly::bench
