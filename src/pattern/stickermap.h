#pragma once

#include "pattern/colourscience.h"
#include "pattern/grid.h"
#include "pattern/palette.h"
#include "pattern/sticker.h"

#include <optional>
#include <string>

namespace tessaly::pattern {

// A sticker map: a picture with one pixel a sticker, each pixel exactly one
// of the palette's colours, 3 x 3 pixels a cube's face.

// The stickers a map shows, or why it shows none.
struct StickerMapReading
{
    std::optional<StickerGrid> stickers;
    std::string error; // empty when stickers is set
};

// Reads the map's pixels as the palette's stickers. Refused, with the reason
// in error: a palette giving two stickers the same colour (the map could not
// tell them apart), a map without pixels or whose width or height is not a
// multiple of 3, and a pixel of no palette colour (the first in reading
// order, named by its position, its cube and its colour).
StickerMapReading readStickerMap(const Grid<Srgb8> &pixels, const StickerPalette &palette);

// The map of a pattern: each cell its sticker's colour in the palette, and
// UnmatchedColour for Unmatched and stickers the palette lacks. Reading it
// back with the same palette gives the stickers again when they are all the
// palette's.
Grid<Srgb8> stickerMapPixels(const StickerGrid &stickers, const StickerPalette &palette);

} // namespace tessaly::pattern
