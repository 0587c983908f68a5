#pragma once

#include "pattern/palette.h"
#include "pattern/sticker.h"

#include <QImage>

namespace tessaly {

// The largest side of a preview picture, in pixels: picture programs and
// viewers take pictures under 16,384 pixels a side.
constexpr int MaxPreviewSide = 16383;

// The pixels a sticker a preview of the stickers gets: pixelsPerSticker, or
// fewer where the picture would otherwise be wider or taller than
// MaxPreviewSide; 0 when not even one pixel a sticker fits.
int fittingPreviewScale(const pattern::StickerGrid &stickers, int pixelsPerSticker);

// The wall as built, for people to look at: every sticker a slightly
// rounded square of its palette colour (displayColour) on the black body of
// its cube, and a hairline between cubes, at fittingPreviewScale pixels a
// sticker (below 4 pixels, plain squares without body or hairlines). Null
// when the grid is empty or no scale fits.
QImage renderWallPreview(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette,
                         int pixelsPerSticker);

} // namespace tessaly
