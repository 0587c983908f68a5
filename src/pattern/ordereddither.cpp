#include "pattern/ordereddither.h"

#include "pattern/palettelab.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace tessaly::pattern {

namespace {

// The classic 8 x 8 Bayer index matrix, rows top to bottom.
constexpr std::array<std::array<int, 8>, 8> BayerIndex{{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

// The threshold of a cell, centred on 0: -31.5/64 to 31.5/64 in steps of 1/64.
double bayerThreshold(int x, int y)
{
    return (BayerIndex[std::size_t(y % 8)][std::size_t(x % 8)] + 0.5) / 64.0 - 0.5;
}

Lab lighter(const Lab &colour, double offset)
{
    return {colour.l + offset, colour.a, colour.b};
}

// Whether the palette colour at index, moved by every threshold times
// spread, is still nearest to itself.
bool staysItself(const PaletteLab &palette, int index, double spread)
{
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (palette.nearest(lighter(palette.entry(index).lab, bayerThreshold(x, y) * spread)) != index)
                return false;
        }
    }
    return true;
}

// Below this a spread moves nothing visibly (in L*).
constexpr double SmallestSpread = 0.5;

// The CIEDE2000 distance from the palette colour at index to its nearest
// neighbour in the palette; 0 for a palette of one colour.
double spacing(const PaletteLab &palette, int index)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (int other = 0; other < palette.size(); ++other) {
        if (other != index)
            nearest = std::min(nearest, palette.distance(palette.entry(index).lab, other));
    }
    return palette.size() < 2 ? 0.0 : nearest;
}

// The spread of the cells whose nearest colour is the one at index: the
// palette's spacing there. Over a tile, a cell halfway to the neighbour then
// sweeps the whole way between the two, and a cell of exactly the colour
// moves under half the way and stays itself. CIEDE2000 is not symmetric
// enough to promise that for every palette, so a spread that would tip its
// colour over is narrowed until it does not.
double spreadOf(const PaletteLab &palette, int index)
{
    double spread = spacing(palette, index);
    while (spread > SmallestSpread && !staysItself(palette, index, spread))
        spread *= 0.8;
    return spread > SmallestSpread ? spread : 0.0;
}

} // namespace

// The threshold moves a cell along L* alone. The classic method adds one
// threshold to R, G and B alike, which moves a colour along the grey axis:
// in CIELAB that axis is L*. It is also the axis on which a CIELAB step and a
// CIEDE2000 step are about the same size, so the spread, a CIEDE2000
// distance, applies to it as it is; CIEDE2000 shrinks chroma and hue steps
// several times for saturated colours, so the same offsets on a* and b*
// swing a flat saturated area between neighbouring colours and tint flat
// areas in a fixed pattern, and on mixes of cube colours they brought the
// pattern's average no closer to the target.
StickerGrid orderedDither(const LinearGrid &target, const StickerPalette &palette)
{
    const PaletteLab lab(palette);
    std::vector<double> spreads;
    for (int index = 0; index < lab.size(); ++index)
        spreads.push_back(spreadOf(lab, index));
    StickerGrid stickers(target.width(), target.height());
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const Lab colour = labOf(target.at(x, y));
            const double spread = spreads[std::size_t(lab.nearest(colour))];
            stickers.at(x, y) = lab.entry(lab.nearest(lighter(colour, bayerThreshold(x, y) * spread))).sticker;
        }
    }
    return stickers;
}

} // namespace tessaly::pattern
