#pragma once

#include "pattern/colourscience.h"
#include "pattern/grid.h"
#include "pattern/palette.h"
#include "pattern/picture.h"
#include "pattern/sticker.h"

namespace tessaly::pattern {

// How much a pattern looks like its target.
struct Likeness
{
    // The mean CIEDE2000 of the cells as a viewer sees the wall from a few
    // steps away: each opponent channel blurred (see opponentblur.h), then
    // CIELAB. Lower is better: about 1 is just noticeable side by side, 5
    // clearly different, 20 and more another colour.
    double sde = 0;
    // The mean CIEDE2000 of the cells, unblurred.
    double de = 0;
    // The structural similarity of the seen L* channels (7 x 7 window, or
    // the largest odd one the grid takes; data range 100); NaN when the
    // grid's narrower side is under 3 cells.
    double ssim = 0;
};

// The likeness of the stickers, in the palette's colours, to the target of
// the same size. Unmatched cells and stickers the palette lacks count as
// UnmatchedColour. Every figure is NaN for an empty grid.
Likeness likeness(const LinearGrid &target, const StickerGrid &stickers, const StickerPalette &palette);

// The parts of the score, for work that scores many patterns against one
// target: see the target once, then only the stickers.

// Each cell the linear colour of its sticker (UnmatchedColour as above).
LinearGrid mosaicColours(const StickerGrid &stickers, const StickerPalette &palette);

// The colours as seen from afar: opponent channels blurred, in CIELAB.
Grid<Lab> seenLab(const LinearGrid &colours);

// The mean CIEDE2000 of the cells of two grids of one size.
double meanCiede2000(const Grid<Lab> &one, const Grid<Lab> &other);

// Likeness::sde of the stickers to a target already seen with seenLab.
double spatialDifference(const Grid<Lab> &seenTarget, const StickerGrid &stickers, const StickerPalette &palette);

} // namespace tessaly::pattern
