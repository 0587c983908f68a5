#include "pattern/ordereddither.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly::pattern {
namespace {

using test::meanLinearColour;
using test::paletteOf;

constexpr Srgb8 White{0xFF, 0xFF, 0xFF};
constexpr Srgb8 NearBlack{0x20, 0x20, 0x20};

// Whether every 8 x 8 tile repeats the top left one.
bool tilesRepeat(const StickerGrid &stickers)
{
    for (int y = 0; y < stickers.height(); ++y) {
        for (int x = 0; x < stickers.width(); ++x) {
            if (stickers.at(x, y) != stickers.at(x % 8, y % 8))
                return false;
        }
    }
    return true;
}

long long countOf(const StickerGrid &stickers, Sticker sticker)
{
    return std::count(stickers.values().begin(), stickers.values().end(), sticker);
}

class OrderedGreyTest : public testing::TestWithParam<double> {};

// Two colours with only lightness between them: a grey becomes a fixed tile
// of both whose mean in linear light, where the plan mixes, comes near the
// grey's (its mean L* does not: a tile half white and half near black is
// linear 0.51, L* 77). The plan's error weight leaves the mean short of the
// grey, towards the nearer colour, by about the grey's way to the boundary
// between the two (near L* 56, linear 0.24; at most 0.33 for these greys)
// over weight times length (4.8), plus a pick (1/32): within 0.1. Greys
// nearer either end stay that colour by design.
TEST_P(OrderedGreyTest, MixesToTheGreysLinearMean)
{
    const StickerPalette palette = paletteOf({{Sticker::White, White}, {Sticker::Blue, NearBlack}});
    const LinearRgb grey = linearOf(Lab{GetParam(), 0, 0});
    const StickerGrid stickers = orderedDither(LinearGrid(16, 16, grey), palette);

    EXPECT_TRUE(tilesRepeat(stickers));
    EXPECT_GT(countOf(stickers, Sticker::White), 0);
    EXPECT_GT(countOf(stickers, Sticker::Blue), 0);
    EXPECT_NEAR(meanLinearColour(stickers, palette).g, grey.g, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Greys, OrderedGreyTest, testing::Values(40.0, 50.0, 60.0, 70.0, 80.0));

} // namespace
} // namespace tessaly::pattern
