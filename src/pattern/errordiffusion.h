#pragma once

#include "pattern/palette.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

namespace tessaly::pattern {

// Error diffusion: cells are chosen row by row, even rows (from 0) left to
// right and odd rows right to left, each the palette colour nearest by
// CIEDE2000 to its target plus the error its neighbours passed on. The error
// (that value less the chosen colour) is spread in linear light, where
// colours average as the eye sees them from afar, to the cells not yet
// chosen. The corrected value is held to -0.5 to 1.5 a channel, so a target
// the palette cannot reach does not pile up error without end. The palette
// must not be empty; the result has the target's size and only the
// palette's stickers.

// Floyd-Steinberg: 7/16 of the error ahead, 3/16, 5/16 and 1/16 below
// behind, below and below ahead. Keeps the mean of a flat area.
StickerGrid floydSteinberg(const LinearGrid &target, const StickerPalette &palette);

// Atkinson: 1/8 of the error to each of two cells ahead, three below and one
// two rows down. The other 1/4 is dropped: flat areas near a palette colour
// stay clean, but a mix of two colours far apart drifts towards the one
// nearer by CIEDE2000 (halfway between near black and white, linear 0.5,
// comes out about 0.6).
StickerGrid atkinson(const LinearGrid &target, const StickerPalette &palette);

} // namespace tessaly::pattern
