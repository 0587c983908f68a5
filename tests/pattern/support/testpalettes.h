#pragma once

#include "pattern/palette.h"
#include "pattern/picture.h"

#include <initializer_list>
#include <utility>

namespace tessaly::test {

// A palette of the given stickers and colours, in that order, built by hand.
pattern::StickerPalette paletteOf(std::initializer_list<std::pair<pattern::Sticker, pattern::Srgb8>> colours);

// The cube colours W #FFFFFF, Y #FFD500, R #B71234, O #FF5800, B #0046AD,
// G #009B48.
pattern::StickerPalette cubePalette();

// The colour of a sticker in the palette; the sticker must be there.
pattern::Srgb8 colourIn(const pattern::StickerPalette &palette, pattern::Sticker sticker);

// A target of one colour.
pattern::LinearGrid flatTarget(int width, int height, pattern::Srgb8 colour);

// The linear colour a fraction of the way from one colour to the other.
pattern::LinearRgb linearMix(pattern::Srgb8 from, pattern::Srgb8 to, double fraction);

// The mean linear colour of a pattern's stickers in the palette.
pattern::LinearRgb meanLinearColour(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette);

} // namespace tessaly::test
