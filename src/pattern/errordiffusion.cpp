#include "pattern/errordiffusion.h"

#include "pattern/palettelab.h"

#include <algorithm>
#include <span>

namespace tessaly::pattern {

namespace {

// A share of a cell's error for the cell dx ahead (in the row's direction)
// and dy below.
struct ErrorShare
{
    int dx;
    int dy;
    float weight;
};

constexpr ErrorShare FloydSteinbergShares[] = {
    {1, 0, 7.0f / 16}, {-1, 1, 3.0f / 16}, {0, 1, 5.0f / 16}, {1, 1, 1.0f / 16}};

constexpr ErrorShare AtkinsonShares[] = {
    {1, 0, 1.0f / 8}, {2, 0, 1.0f / 8}, {-1, 1, 1.0f / 8}, {0, 1, 1.0f / 8}, {1, 1, 1.0f / 8}, {0, 2, 1.0f / 8}};

// The corrected values a cell may take, a channel.
constexpr float LowestValue = -0.5f;
constexpr float HighestValue = 1.5f;

LinearRgb held(LinearRgb colour)
{
    return {std::clamp(colour.r, LowestValue, HighestValue), std::clamp(colour.g, LowestValue, HighestValue),
            std::clamp(colour.b, LowestValue, HighestValue)};
}

void addShare(LinearRgb &cell, const LinearRgb &error, float weight)
{
    cell.r += error.r * weight;
    cell.g += error.g * weight;
    cell.b += error.b * weight;
}

StickerGrid diffuse(const LinearGrid &target, const StickerPalette &palette, std::span<const ErrorShare> shares)
{
    const PaletteLab lab(palette);
    LinearGrid corrected = target; // each cell's target plus the error passed on to it
    StickerGrid stickers(target.width(), target.height());
    for (int y = 0; y < target.height(); ++y) {
        const bool leftToRight = y % 2 == 0;
        const int ahead = leftToRight ? 1 : -1;
        for (int step = 0; step < target.width(); ++step) {
            const int x = leftToRight ? step : target.width() - 1 - step;
            const LinearRgb value = held(corrected.at(x, y));
            const PaletteLab::Entry &chosen = lab.entry(lab.nearest(labOf(value)));
            stickers.at(x, y) = chosen.sticker;

            const LinearRgb error{value.r - chosen.linear.r, value.g - chosen.linear.g, value.b - chosen.linear.b};
            for (const ErrorShare &share : shares) {
                const int toX = x + share.dx * ahead;
                const int toY = y + share.dy;
                if (toX >= 0 && toX < target.width() && toY < target.height())
                    addShare(corrected.at(toX, toY), error, share.weight);
            }
        }
    }
    return stickers;
}

} // namespace

StickerGrid floydSteinberg(const LinearGrid &target, const StickerPalette &palette)
{
    return diffuse(target, palette, FloydSteinbergShares);
}

StickerGrid atkinson(const LinearGrid &target, const StickerPalette &palette)
{
    return diffuse(target, palette, AtkinsonShares);
}

} // namespace tessaly::pattern
