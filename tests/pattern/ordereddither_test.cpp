#include "pattern/nearestcolour.h"
#include "pattern/ordereddither.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessaly::pattern {
namespace {

using test::cubePalette;
using test::linearMix;
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

class OrderedHueTest : public testing::TestWithParam<double> {};

// Red and a green of the same L* (53): moving lightness alone, as a
// threshold on L* does, never turns one into the other, so only a plan
// that mixes colours shows a colour between them. As for greys, the tile's
// mean falls short of the target by about its way to the boundary between
// the two (under half the way) over 4.8, plus a pick: under 0.15 of the way.
TEST_P(OrderedHueTest, MixesTwoHuesOfOneLightness)
{
    constexpr Srgb8 Red{0xFF, 0x00, 0x00}, Green{0x00, 0x94, 0x00};
    const StickerPalette palette = paletteOf({{Sticker::Red, Red}, {Sticker::Green, Green}});
    const LinearRgb target = linearMix(Red, Green, GetParam());
    const StickerGrid stickers = orderedDither(LinearGrid(16, 16, target), palette);

    const LinearRgb mean = meanLinearColour(stickers, palette);
    const LinearRgb red = linearOf(Red), green = linearOf(Green);
    EXPECT_NEAR(mean.r, target.r, 0.15 * (red.r - green.r));
    EXPECT_NEAR(mean.g, target.g, 0.15 * (green.g - red.g));
    EXPECT_GT(countOf(stickers, Sticker::Red), 0);
    EXPECT_GT(countOf(stickers, Sticker::Green), 0);
}

INSTANTIATE_TEST_SUITE_P(Mixes, OrderedHueTest, testing::Values(0.4, 0.5, 0.6));

// Colours no mix of the cube colours reaches (darker than every sticker,
// or more saturated) pile up error in a plan, which can pull in colours
// that move the mix away; such a colour is shown as a mix only where the
// mix's mean comes nearer to it than its nearest colour alone. Cells a few
// 8-bit levels apart share a plan, made for the middle of their bin, which
// for these colours is under 2 CIEDE2000 away.
TEST(OrderedDitherTest, MixesAColourOutOfReachOnlyWhereThatComesNearer)
{
    const StickerPalette palette = cubePalette();
    for (const Srgb8 colour : {Srgb8{0x00, 0x00, 0x00}, Srgb8{0x08, 0x0C, 0x30}, Srgb8{0x0A, 0x12, 0x50},
                               Srgb8{0x30, 0x00, 0x00}, Srgb8{0x00, 0x20, 0x10}, Srgb8{0xFF, 0x00, 0xFF},
                               Srgb8{0x80, 0x00, 0xFF}, Srgb8{0x00, 0xFF, 0xFF}}) {
        const LinearGrid target(8, 8, linearOf(colour));
        const Lab wanted = labOf(target.at(0, 0));
        const Lab mix = labOf(meanLinearColour(orderedDither(target, palette), palette));
        const Lab nearest = labOf(linearOf(test::colourIn(palette, nearestColour(target, palette).at(0, 0))));
        EXPECT_LE(ciede2000(wanted, mix), ciede2000(wanted, nearest) + 2.0)
            << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b);
    }
}

// Plans are shared between cells of one colour; a cell's sticker must still
// depend only on its own colour and its place in the tile.
TEST(OrderedDitherTest, ChoosesEachCellByItsColourAndPlaceAlone)
{
    const StickerPalette palette = cubePalette();
    std::mt19937 random(5);
    std::uniform_real_distribution<float> channel(0, 1);
    LinearGrid target(16, 16);
    for (LinearRgb &cell : target.values())
        cell = {channel(random), channel(random), channel(random)};

    const StickerGrid stickers = orderedDither(target, palette);
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const StickerGrid alone = orderedDither(LinearGrid(8, 8, target.at(x, y)), palette);
            ASSERT_EQ(stickers.at(x, y), alone.at(x % 8, y % 8)) << x << ", " << y;
        }
    }
}

} // namespace
} // namespace tessaly::pattern
