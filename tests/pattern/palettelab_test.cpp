#include "pattern/palettelab.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly::pattern {
namespace {

using test::cubePalette;
using test::paletteOf;

TEST(PaletteLabTest, NearestIsTheSmallestCiede2000Distance)
{
    const PaletteLab lab(paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}},
                                    {Sticker::Red, {0xB7, 0x12, 0x34}},
                                    {Sticker::Orange, {0xFF, 0x58, 0x00}},
                                    {Sticker::Blue, {0x00, 0x46, 0xAD}}}));
    std::mt19937 random(99);
    // Beyond 0 to 1 too: error diffusion asks about corrected values.
    std::uniform_real_distribution<float> channel(-0.5f, 1.5f);
    for (int sample = 0; sample < 5000; ++sample) {
        const Lab colour = labOf(LinearRgb{channel(random), channel(random), channel(random)});
        double least = ciede2000(colour, lab.entry(0).lab);
        for (int index = 1; index < lab.size(); ++index)
            least = std::min(least, ciede2000(colour, lab.entry(index).lab));
        const int nearest = lab.nearest(colour);
        ASSERT_NEAR(ciede2000(colour, lab.entry(nearest).lab), least, 1e-9);
        ASSERT_NEAR(lab.distance(colour, nearest), least, 1e-9);
    }
}

TEST(PaletteLabTest, EquallyNearColoursGoToTheEarlier)
{
    const PaletteLab lab(paletteOf({{Sticker::Blue, {0x00, 0x46, 0xAD}},
                                    {Sticker::Green, {0x10, 0x10, 0x10}},
                                    {Sticker::Red, {0x10, 0x10, 0x10}}}));
    EXPECT_EQ(lab.nearest(labOf(linearOf(Srgb8{0x10, 0x10, 0x10}))), 1);
    EXPECT_EQ(lab.nearest(labOf(linearOf(Srgb8{0x00, 0x00, 0x00}))), 1);
}

struct KnownNearest
{
    Srgb8 colour;
    Sticker sticker;
};

class CubeNearestTest : public testing::TestWithParam<KnownNearest> {};

// Colours a few steps from one cube colour and far from the others.
TEST_P(CubeNearestTest, FindsTheObviousCubeColour)
{
    const PaletteLab lab(cubePalette());
    EXPECT_EQ(lab.entry(lab.nearest(labOf(linearOf(GetParam().colour)))).sticker, GetParam().sticker);
}

INSTANTIATE_TEST_SUITE_P(CubeColours, CubeNearestTest,
                         testing::Values(KnownNearest{{0xF4, 0xF4, 0xF0}, Sticker::White},
                                         KnownNearest{{0xFF, 0xDD, 0x10}, Sticker::Yellow},
                                         KnownNearest{{0xAA, 0x10, 0x30}, Sticker::Red},
                                         KnownNearest{{0xF5, 0x60, 0x08}, Sticker::Orange},
                                         KnownNearest{{0x08, 0x40, 0xB8}, Sticker::Blue},
                                         KnownNearest{{0x10, 0xA0, 0x50}, Sticker::Green},
                                         KnownNearest{{0x20, 0xE0, 0x20}, Sticker::Green},
                                         KnownNearest{{0x10, 0x20, 0xFF}, Sticker::Blue}));

} // namespace
} // namespace tessaly::pattern
