#include "pattern/likeness.h"

#include "pattern/opponentblur.h"
#include "pattern/opponentcolour.h"
#include "pattern/structuralsimilarity.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <limits>

namespace tessaly::pattern {

namespace {

// The widest window scikit-image would take by default that fits the grid:
// 7, or the narrower side made odd.
int similarityWindow(int width, int height)
{
    const int side = std::min(width, height);
    return std::min(7, side % 2 == 1 ? side : side - 1);
}

Grid<Lab> labOf(const LinearGrid &colours)
{
    Grid<Lab> lab(colours.width(), colours.height());
    for (std::size_t i = 0; i < colours.size(); ++i)
        lab.values()[i] = labOf(colours.values()[i]);
    return lab;
}

Grid<Lab> labOf(const OpponentGrid &colours)
{
    Grid<Lab> lab(colours.width(), colours.height());
    for (std::size_t i = 0; i < colours.size(); ++i)
        lab.values()[i] = labOf(xyzOf(colours.values()[i]));
    return lab;
}

Grid<double> lightnessOf(const Grid<Lab> &lab)
{
    Grid<double> lightness(lab.width(), lab.height());
    for (std::size_t i = 0; i < lab.size(); ++i)
        lightness.values()[i] = lab.values()[i].l;
    return lightness;
}

} // namespace

LinearGrid mosaicColours(const StickerGrid &stickers, const StickerPalette &palette)
{
    std::array<LinearRgb, std::size_t(Sticker::Unmatched) + 1> colourOfSticker;
    colourOfSticker.fill(linearOf(UnmatchedColour));
    for (const PaletteColour &colour : palette.colours)
        colourOfSticker[std::size_t(colour.sticker)] = linearOf(colour.colour);
    colourOfSticker[std::size_t(Sticker::Unmatched)] = linearOf(UnmatchedColour);

    LinearGrid colours(stickers.width(), stickers.height());
    for (std::size_t i = 0; i < stickers.size(); ++i)
        colours.values()[i] = colourOfSticker[std::size_t(stickers.values()[i])];
    return colours;
}

Grid<Lab> seenLab(const LinearGrid &colours)
{
    return labOf(blurOpponents(opponentOf(colours)));
}

double meanCiede2000(const Grid<Lab> &one, const Grid<Lab> &other)
{
    assert(one.width() == other.width() && one.height() == other.height());
    double sum = 0;
    for (std::size_t i = 0; i < one.size(); ++i)
        sum += ciede2000(one.values()[i], other.values()[i]);
    return sum / double(one.size());
}

double spatialDifference(const Grid<Lab> &seenTarget, const StickerGrid &stickers, const StickerPalette &palette)
{
    return meanCiede2000(seenTarget, seenLab(mosaicColours(stickers, palette)));
}

Likeness likeness(const LinearGrid &target, const StickerGrid &stickers, const StickerPalette &palette)
{
    assert(target.width() == stickers.width() && target.height() == stickers.height());
    const LinearGrid mosaic = mosaicColours(stickers, palette);
    const Grid<Lab> seenTarget = seenLab(target);
    const Grid<Lab> seenMosaic = seenLab(mosaic);

    Likeness result;
    result.sde = meanCiede2000(seenTarget, seenMosaic);
    result.de = meanCiede2000(labOf(target), labOf(mosaic));
    const int window = similarityWindow(target.width(), target.height());
    result.ssim = window >= 3
                    ? structuralSimilarity(lightnessOf(seenTarget), lightnessOf(seenMosaic), window, 100.0)
                    : std::numeric_limits<double>::quiet_NaN();
    return result;
}

} // namespace tessaly::pattern
