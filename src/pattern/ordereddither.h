#pragma once

#include "pattern/palette.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

namespace tessaly::pattern {

// Pattern dithering with a Bayer 8 x 8 matrix: each cell's colour gets a
// mixing plan, a fixed number of palette colours whose mean in linear light
// comes near it (each picked as the nearest in CIELAB to the colour plus
// part of the error so far), sorted by L*; the cell shows the entry its
// Bayer level points to. A flat area thus becomes a fixed 8 x 8 tile that
// mixes the plan's colours, darker ones on the lower levels. A mix is used
// only where its mean comes nearer to the colour by CIEDE2000 than the
// nearest palette colour alone; a flat area of a palette colour stays that
// colour. Colours within a few 8-bit sRGB levels of each other share a
// plan; a cell's sticker depends only on its colour and its place. The
// palette must not be empty; the result has the target's size and only the
// palette's stickers.
StickerGrid orderedDither(const LinearGrid &target, const StickerPalette &palette);

} // namespace tessaly::pattern
