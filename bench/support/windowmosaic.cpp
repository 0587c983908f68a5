#include "windowmosaic.h"

#include "engine/palette.h"

#include <cmath>

namespace tessaly::bench {

namespace {

using pattern::Sticker;

Sticker stickerOfPaletteIndex(std::int16_t index)
{
    switch (index) {
    case PaletteIndex::Red: return Sticker::Red;
    case PaletteIndex::Green: return Sticker::Green;
    case PaletteIndex::Blue: return Sticker::Blue;
    case PaletteIndex::White: return Sticker::White;
    case PaletteIndex::Orange: return Sticker::Orange;
    case PaletteIndex::Yellow: return Sticker::Yellow;
    default: return Sticker::Unmatched;
    }
}

// The pixel whose square holds the point; white outside the picture.
pattern::Srgb8 pixelUnder(const pattern::SrgbPicture &picture, double x, double y)
{
    const double column = std::floor(x);
    const double row = std::floor(y);
    if (column < 0 || row < 0 || column >= picture.width || row >= picture.height)
        return {0xFF, 0xFF, 0xFF};
    return picture.pixel(int(column), int(row));
}

} // namespace

pattern::StickerGrid windowMosaic(const pattern::SrgbPicture &picture, const pattern::SourceRegion &region,
                                  int columns, int rows, const Tolerances &tolerances)
{
    pattern::StickerGrid mosaic(columns, rows, Sticker::Unmatched);
    const double cellWidth = region.width / columns;
    const double cellHeight = region.height / rows;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const pattern::Srgb8 sample =
                pixelUnder(picture, region.x + (x + 0.5) * cellWidth, region.y + (y + 0.5) * cellHeight);
            std::int16_t index = PaletteIndex::Black;
            if (ClassifyColor(sample.b, sample.g, sample.r, index, tolerances))
                mosaic.at(x, y) = stickerOfPaletteIndex(index);
        }
    }
    return mosaic;
}

} // namespace tessaly::bench
