#include "pattern/adjustments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace tessaly::pattern {
namespace {

// CIE lightness and luminance, from their definitions (for L* > 8).
double luminanceOfLightness(double lightness)
{
    return std::pow((lightness + 16) / 116, 3);
}

double lightnessOfLuminance(double luminance)
{
    return 116 * std::cbrt(luminance) - 16;
}

LinearRgb greyOfLightness(double lightness)
{
    const auto y = float(luminanceOfLightness(lightness));
    return {y, y, y};
}

// A grey's lightness, checking it is still grey.
double lightnessOfGrey(LinearRgb grey)
{
    EXPECT_NEAR(grey.r, grey.g, 1e-3);
    EXPECT_NEAR(grey.b, grey.g, 1e-3);
    return lightnessOfLuminance(grey.g);
}

LinearGrid oneCell(LinearRgb colour)
{
    return LinearGrid(1, 1, colour);
}

LinearRgb adjusted(LinearRgb colour, const Adjustments &adjustments)
{
    LinearGrid cells = oneCell(colour);
    adjust(cells, adjustments, standardPalette());
    return cells.at(0, 0);
}

// A 5 x 4 grid of varied colours.
LinearGrid variedCells()
{
    LinearGrid cells(5, 4);
    for (int i = 0; i < 20; ++i)
        cells.at(i % 5, i / 5) = {float(i) / 19, float((i * 7) % 20) / 19, float((i * 13) % 20) / 23};
    return cells;
}

TEST(AdjustTest, NoAdjustmentLeavesCellsBitIdentical)
{
    LinearGrid cells = variedCells();
    adjust(cells, Adjustments{}, standardPalette());
    EXPECT_EQ(cells, variedCells());
}

TEST(AdjustTest, AutoLevelsOfAFlatPictureLeavesItBitIdentical)
{
    LinearGrid cells(4, 3, LinearRgb{0.3f, 0.2f, 0.1f});
    adjust(cells, Adjustments{.autoLevels = true}, standardPalette());
    EXPECT_EQ(cells, LinearGrid(4, 3, LinearRgb{0.3f, 0.2f, 0.1f}));
}

struct GreyCase
{
    std::string name;
    double lightness;
    Adjustments adjustments;
    double expected;
};

void PrintTo(const GreyCase &grey, std::ostream *out)
{
    *out << grey.name;
}

class GreyLightnessTest : public ::testing::TestWithParam<GreyCase>
{
};

TEST_P(GreyLightnessTest, MovesAsWorkedOutByHand)
{
    const LinearRgb grey = adjusted(greyOfLightness(GetParam().lightness), GetParam().adjustments);
    EXPECT_NEAR(lightnessOfGrey(grey), GetParam().expected, 0.02);
}

INSTANTIATE_TEST_SUITE_P(
    Greys, GreyLightnessTest,
    ::testing::Values(GreyCase{"BrighterBy40", 50, {.brightness = 40}, 70},
                      GreyCase{"DarkerBy30", 60, {.brightness = -30}, 45},
                      GreyCase{"MoreContrastAboveMiddle", 70, {.contrast = 50}, 80},
                      GreyCase{"MoreContrastBelowMiddle", 30, {.contrast = 100}, 10},
                      GreyCase{"LessContrast", 80, {.contrast = -50}, 65},
                      GreyCase{"NoContrastAtAll", 90, {.contrast = -100}, 50},
                      // Brightness first: (50 + 10 - 50) x 1.5 + 50.
                      GreyCase{"BrightnessThenContrast", 50, {.brightness = 20, .contrast = 50}, 65},
                      GreyCase{"SaturationLeavesGreyAlone", 40, {.saturation = 100}, 40}),
    [](const ::testing::TestParamInfo<GreyCase> &info) { return info.param.name; });

TEST(AdjustTest, ResultIsClampedToBlackAndWhite)
{
    EXPECT_EQ(adjusted(greyOfLightness(20), {.brightness = -100}), (LinearRgb{0, 0, 0}));
    EXPECT_EQ(adjusted(greyOfLightness(80), {.brightness = 100}), (LinearRgb{1, 1, 1}));
    const LinearRgb vivid = adjusted({0.8f, 0.05f, 0.02f}, {.saturation = 100});
    for (const float channel : {vivid.r, vivid.g, vivid.b}) {
        EXPECT_GE(channel, 0.0f);
        EXPECT_LE(channel, 1.0f);
    }
}

TEST(AdjustTest, NoSaturationGivesTheGreyOfTheSameLuminance)
{
    // The luminance of linear sRGB: 0.212671 r + 0.715160 g + 0.072169 b.
    const LinearRgb colour{0.5f, 0.2f, 0.1f};
    const double luminance = 0.212671 * 0.5 + 0.715160 * 0.2 + 0.072169 * 0.1;
    const LinearRgb grey = adjusted(colour, {.saturation = -100});
    EXPECT_NEAR(grey.r, luminance, 1e-3);
    EXPECT_NEAR(grey.g, luminance, 1e-3);
    EXPECT_NEAR(grey.b, luminance, 1e-3);
}

TEST(AdjustTest, SaturationScalesChromaAndKeepsLightnessAndHue)
{
    const LinearRgb colour{0.3f, 0.25f, 0.15f};
    const Lab before = labOf(colour);
    const Lab after = labOf(adjusted(colour, {.saturation = 50}));
    EXPECT_NEAR(after.l, before.l, 0.01);
    EXPECT_NEAR(after.a, 1.5 * before.a, 0.01);
    EXPECT_NEAR(after.b, 1.5 * before.b, 0.01);
}

// ---- Auto-levels ----

// 101 greys from L* 10 to 30 in steps of 0.2: the 1st percentile is the
// second of them, L* 10.2, and the 99th the last but one, L* 29.8.
LinearGrid dimRamp()
{
    LinearGrid cells(101, 1);
    for (int i = 0; i <= 100; ++i)
        cells.at(i, 0) = greyOfLightness(10 + 0.2 * i);
    return cells;
}

TEST(AutoLevelsTest, StretchesADimRampToBlackAndWhite)
{
    const StickerPalette blackAndWhite = *parsePalette("W #FFFFFF\nB #000000\n").palette;
    LinearGrid cells = dimRamp();
    adjust(cells, {.autoLevels = true}, blackAndWhite);

    // L* 10.2 to 29.8 becomes 0 to 100: L*' = (L* - 10.2) x 100 / 19.6.
    EXPECT_NEAR(lightnessOfGrey(cells.at(50, 0)), 50, 0.02);
    EXPECT_NEAR(lightnessOfGrey(cells.at(75, 0)), 75.5102, 0.02);
    EXPECT_NEAR(lightnessOfGrey(cells.at(99, 0)), 100, 0.05);
    EXPECT_NEAR(cells.at(1, 0).g, 0, 1e-4);
    EXPECT_EQ(cells.at(0, 0), (LinearRgb{0, 0, 0})); // below the 1st percentile
    EXPECT_EQ(cells.at(100, 0), (LinearRgb{1, 1, 1}));
}

TEST(AutoLevelsTest, ReachesThePalettesDarkestAndLightest)
{
    // The standard palette's darkest colour is its blue, the lightest white.
    const double blue = labOf(linearOf(Srgb8{0x00, 0x46, 0xAD})).l;
    LinearGrid cells = dimRamp();
    adjust(cells, {.autoLevels = true}, standardPalette());
    EXPECT_NEAR(lightnessOfGrey(cells.at(1, 0)), blue, 0.02);
    EXPECT_NEAR(lightnessOfGrey(cells.at(50, 0)), (blue + 100) / 2, 0.02);
}

TEST(AutoLevelsTest, ComesBeforeBrightness)
{
    const StickerPalette blackAndWhite = *parsePalette("W #FFFFFF\nB #000000\n").palette;
    LinearGrid cells = dimRamp();
    adjust(cells, {.brightness = 20, .autoLevels = true}, blackAndWhite);
    EXPECT_NEAR(lightnessOfGrey(cells.at(50, 0)), 60, 0.02);
}

// ---- Checking the values ----

struct RangeCase
{
    std::string name;
    Adjustments adjustments;
    std::string error;
};

void PrintTo(const RangeCase &range, std::ostream *out)
{
    *out << range.name;
}

class CheckAdjustmentsTest : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(CheckAdjustmentsTest, NamesTheOptionAndValueOutOfRange)
{
    EXPECT_EQ(checkAdjustments(GetParam().adjustments), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CheckAdjustmentsTest,
    ::testing::Values(RangeCase{"Limits", {100, -100, 100, true}, ""},
                      RangeCase{"OtherLimits", {-100, 100, -100, false}, ""},
                      RangeCase{"Brightness", {101, 0, 0, false}, "--brightness 101 is outside -100 to 100"},
                      RangeCase{"Contrast", {0, -101, 0, false}, "--contrast -101 is outside -100 to 100"},
                      RangeCase{"Saturation", {0, 0, 250, false}, "--saturation 250 is outside -100 to 100"}),
    [](const ::testing::TestParamInfo<RangeCase> &info) { return info.param.name; });

} // namespace
} // namespace tessaly::pattern
