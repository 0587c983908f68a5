#pragma once

#include "pattern/palette.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

namespace tessaly::pattern {

// Each cell the palette colour nearest to its target by CIEDE2000 (of equally
// near colours the earlier in the palette). The palette must not be empty;
// the result has the target's size and only the palette's stickers.
StickerGrid nearestColour(const LinearGrid &target, const StickerPalette &palette);

} // namespace tessaly::pattern
