#include "pattern/errordiffusion.h"
#include "pattern/nearestcolour.h"
#include "pattern/ordereddither.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessaly::pattern {
namespace {

using test::cubePalette;
using test::flatTarget;
using test::paletteOf;

using MatchingMethod = StickerGrid (*)(const LinearGrid &, const StickerPalette &);

struct NamedMethod
{
    const char *name;
    MatchingMethod match;
};

class MatchingMethodTest : public testing::TestWithParam<NamedMethod> {};

// 40 x 30 cells of any colour, fixed seed.
LinearGrid randomTarget()
{
    std::mt19937 random(31);
    std::uniform_real_distribution<float> channel(0, 1);
    LinearGrid target(40, 30);
    for (LinearRgb &cell : target.values())
        cell = {channel(random), channel(random), channel(random)};
    return target;
}

TEST_P(MatchingMethodTest, LeavesAFlatPaletteColourAsItIs)
{
    for (const StickerPalette &palette :
         {cubePalette(), paletteOf({{Sticker::Yellow, {0xFF, 0xD5, 0x00}}, {Sticker::Orange, {0xFF, 0x58, 0x00}}})}) {
        for (const PaletteColour &colour : palette.colours) {
            const StickerGrid stickers = GetParam().match(flatTarget(24, 16, colour.colour), palette);
            EXPECT_EQ(stickers, StickerGrid(24, 16, colour.sticker)) << stickerLetter(colour.sticker);
        }
    }
}

TEST_P(MatchingMethodTest, UsesOnlyThePalettesStickers)
{
    const StickerPalette withoutGreen = paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}},
                                                   {Sticker::Yellow, {0xFF, 0xD5, 0x00}},
                                                   {Sticker::Red, {0xB7, 0x12, 0x34}},
                                                   {Sticker::Orange, {0xFF, 0x58, 0x00}},
                                                   {Sticker::Blue, {0x00, 0x46, 0xAD}}});
    const StickerGrid stickers = GetParam().match(randomTarget(), withoutGreen);
    ASSERT_EQ(stickers.width(), 40);
    ASSERT_EQ(stickers.height(), 30);
    for (Sticker sticker : stickers.values())
        ASSERT_TRUE(sticker != Sticker::Green && sticker != Sticker::Unmatched) << stickerLetter(sticker);
    // Green things still come out in some colour, and the other five all show up.
    for (const PaletteColour &colour : withoutGreen.colours)
        EXPECT_NE(std::count(stickers.values().begin(), stickers.values().end(), colour.sticker), 0);
}

INSTANTIATE_TEST_SUITE_P(Methods, MatchingMethodTest,
                         testing::Values(NamedMethod{"Nearest", nearestColour},
                                         NamedMethod{"Ordered", orderedDither},
                                         NamedMethod{"FloydSteinberg", floydSteinberg},
                                         NamedMethod{"Atkinson", atkinson}),
                         [](const testing::TestParamInfo<NamedMethod> &info) { return info.param.name; });

} // namespace
} // namespace tessaly::pattern
