#pragma once

#include "pattern/palette.h"
#include "pattern/patternrecipe.h"
#include "pattern/picture.h"

#include <string>

namespace tessaly::pattern {

// Changes the cells' colours as the adjustments say, in CIELAB, in this
// order:
// - auto-levels stretches L* linearly so that the cells' 1st and 99th
//   percentile lightness become the palette's darkest and lightest L*
//   (nothing for a flat picture, whose percentiles are within 0.01 L*);
// - brightness adds brightness / 2 to L* (100 brightens by 50 L*);
// - contrast scales L* about 50 by 1 + contrast / 100;
// - saturation scales a* and b* by 1 + saturation / 100.
// The result is clamped to 0 to 1 per linear channel. Adjustments that
// change nothing leave the cells exactly as they are. The values must pass
// checkAdjustments.
void adjust(LinearGrid &cells, const Adjustments &adjustments, const StickerPalette &palette);

// Why the adjustments cannot be made, naming the option and its value
// (brightness, contrast or saturation outside -100 to 100); empty when they
// can.
std::string checkAdjustments(const Adjustments &adjustments);

} // namespace tessaly::pattern
