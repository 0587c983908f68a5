#pragma once

#include "pattern/palette.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

namespace tessaly::pattern {

// Bayer 8 x 8 ordered dithering in CIELAB: each cell's lightness moved by the
// Bayer threshold of its place times the palette's spacing there, then the
// nearest colour by CIEDE2000. A flat area between two neighbouring colours
// becomes a fixed pattern of both whose mean lightness follows the target; a
// flat area of a palette colour stays that colour. The palette must not be
// empty; the result has the target's size and only the palette's stickers.
StickerGrid orderedDither(const LinearGrid &target, const StickerPalette &palette);

} // namespace tessaly::pattern
