#include "support/testpalettes.h"

#include "pattern/colourscience.h"

#include <cassert>

namespace tessaly::test {

using namespace pattern;

StickerPalette paletteOf(std::initializer_list<std::pair<Sticker, Srgb8>> colours)
{
    StickerPalette palette;
    for (const auto &[sticker, colour] : colours)
        palette.colours.push_back({sticker, colour, {}});
    return palette;
}

StickerPalette cubePalette()
{
    return paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}},
                      {Sticker::Yellow, {0xFF, 0xD5, 0x00}},
                      {Sticker::Red, {0xB7, 0x12, 0x34}},
                      {Sticker::Orange, {0xFF, 0x58, 0x00}},
                      {Sticker::Blue, {0x00, 0x46, 0xAD}},
                      {Sticker::Green, {0x00, 0x9B, 0x48}}});
}

Srgb8 colourIn(const StickerPalette &palette, Sticker sticker)
{
    for (const PaletteColour &colour : palette.colours) {
        if (colour.sticker == sticker)
            return colour.colour;
    }
    assert(false && "the sticker is not in the palette");
    return {};
}

LinearGrid flatTarget(int width, int height, Srgb8 colour)
{
    return LinearGrid(width, height, linearOf(colour));
}

LinearRgb linearMix(Srgb8 from, Srgb8 to, double fraction)
{
    const LinearRgb a = linearOf(from), b = linearOf(to);
    const auto mix = [fraction](float one, float other) { return float(one + (other - one) * fraction); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

LinearRgb meanLinearColour(const StickerGrid &stickers, const StickerPalette &palette)
{
    double r = 0, g = 0, b = 0;
    for (Sticker sticker : stickers.values()) {
        const LinearRgb colour = linearOf(colourIn(palette, sticker));
        r += colour.r;
        g += colour.g;
        b += colour.b;
    }
    const double count = double(stickers.size());
    return {float(r / count), float(g / count), float(b / count)};
}

} // namespace tessaly::test
