#pragma once

#include "pattern/palette.h"
#include "pattern/sticker.h"

#include <QImage>

namespace tessaly::bench {

// How a preview draws a pattern: each sticker a square of StickerSide
// pixels in its palette colour (Unmatched mid grey), the cubes' 3 x 3
// blocks parted by lines of CubeLine pixels in LineColour. A pattern of
// 3C x 3R cells thus draws 3C x StickerSide + (C - 1) x CubeLine pixels
// wide, and likewise high.
inline constexpr int StickerSide = 6;
inline constexpr int CubeLine = 1;
inline constexpr QRgb LineColour = 0xFF202020;

// The pattern drawn as above, Format_RGB32; null for an empty pattern.
// Cells past the last whole cube (a width or height not a multiple of 3)
// are drawn like the others.
QImage drawPatternPreview(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette);

} // namespace tessaly::bench
