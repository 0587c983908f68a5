#include "pattern/ordereddither.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly::pattern {
namespace {

using test::colourIn;
using test::paletteOf;

class OrderedGreyTest : public testing::TestWithParam<double> {};

// Two colours with only lightness between them: the Bayer thresholds spread
// a grey's lightness evenly over the whole way between them, so the share of
// white in a tile grows with the grey's L*, and the mix's mean L* follows the
// target. It is off by the 1/64 steps of the thresholds and by CIEDE2000
// weighing lightness steps near L* 50 more than near the ends, which moves
// the point between the two a few units off their middle.
TEST_P(OrderedGreyTest, MixesToTheGreysLightness)
{
    const Srgb8 nearBlack{0x20, 0x20, 0x20};
    const StickerPalette palette = paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}}, {Sticker::Blue, nearBlack}});
    const double lightness = GetParam();
    const StickerGrid stickers = orderedDither(LinearGrid(16, 16, linearOf(Lab{lightness, 0, 0})), palette);

    double sum = 0;
    for (Sticker sticker : stickers.values())
        sum += labOf(linearOf(colourIn(palette, sticker))).l;
    EXPECT_NEAR(sum / double(stickers.size()), lightness, 5.0);

    // A mix in every 8 x 8 tile, the same in each.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(stickers.at(x, y), stickers.at(x % 8, y % 8));
    }
    const auto whites = std::count(stickers.values().begin(), stickers.values().end(), Sticker::White);
    EXPECT_GT(whites, 0);
    EXPECT_LT(whites, 256);
}

INSTANTIATE_TEST_SUITE_P(Greys, OrderedGreyTest, testing::Values(25.0, 40.0, 50.0, 60.0, 75.0, 90.0));

} // namespace
} // namespace tessaly::pattern
