#pragma once

#include "guide/buildguide.h"
#include "pattern/sticker.h"

namespace tessaly {

class MosaicCells;

// The wall of cubes that shows a pattern: cell (i, j) is the place at row
// j mod 3 and column i mod 3 of cube (i / 3 + 1, j / 3 + 1). Places of the
// last cube column or row that lie beyond the pattern are outside; black
// cells stay black (free). Counts the figures; twists are left empty.

// The window's mosaic: a cell's palette index is its mark.
BuildGuide buildGuide(const MosaicCells &cells);

// A photo pattern: a sticker is the mark of its colour, an Unmatched cell
// black. Its grid is whole cubes, so no place is outside.
BuildGuide buildGuide(const pattern::StickerGrid &stickers);

} // namespace tessaly
