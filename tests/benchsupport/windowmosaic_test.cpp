#include "support/windowmosaic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::bench {
namespace {

using pattern::Srgb8;
using pattern::Sticker;

constexpr Srgb8 Orange{255, 128, 0};
constexpr Srgb8 Green{0, 255, 0};
constexpr Srgb8 White{255, 255, 255};
constexpr Srgb8 Red{255, 0, 0};
constexpr Srgb8 MidGrey{128, 128, 128};
// 72 from orange, 55 from yellow: orange is tested first and wins.
constexpr Srgb8 Amber{255, 200, 0};

// A picture of width x height pixels, all `fill` but the listed ones.
struct Pixel
{
    int x, y;
    Srgb8 colour;
};

pattern::SrgbPicture pictureOf(int width, int height, Srgb8 fill, std::vector<Pixel> pixels)
{
    pattern::SrgbPicture picture{width, height, std::vector<std::uint8_t>(std::size_t(width * height) * 3)};
    const auto paint = [&](int x, int y, Srgb8 colour) {
        const std::size_t at = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
        picture.rgb[at] = colour.r;
        picture.rgb[at + 1] = colour.g;
        picture.rgb[at + 2] = colour.b;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            paint(x, y, fill);
    }
    for (const Pixel &pixel : pixels)
        paint(pixel.x, pixel.y, pixel.colour);
    return picture;
}

struct MosaicCase
{
    std::string name;
    pattern::SrgbPicture picture;
    pattern::SourceRegion region;
    int columns, rows;
    Tolerances tolerances;
    std::vector<Sticker> expected; // row by row
};

class WindowMosaicTest : public testing::TestWithParam<MosaicCase> {};

TEST_P(WindowMosaicTest, ClassifiesThePixelUnderEachCellCentre)
{
    const MosaicCase &c = GetParam();
    const pattern::StickerGrid mosaic = windowMosaic(c.picture, c.region, c.columns, c.rows, c.tolerances);
    ASSERT_EQ(mosaic.width(), c.columns);
    ASSERT_EQ(mosaic.height(), c.rows);
    EXPECT_EQ(mosaic.values(), c.expected);
}

constexpr Tolerances Tight = {10, 10, 10, 10, 10, 10};

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowMosaicTest,
    testing::Values(
        // Cells 2 pixels wide over 3 rows: centres at x 1, 3, 5 and y 1.5; red all round them.
        MosaicCase{"CentresOfAStrip",
                   pictureOf(6, 3, Red, {{1, 1, Orange}, {3, 1, Green}, {5, 1, White}}),
                   {0, 0, 6, 3}, 3, 1, WindowTolerances,
                   {Sticker::Orange, Sticker::Green, Sticker::White}},
        // A region of the right half: centres at x 2.5, 3.5 and y 0.5, 1.5.
        MosaicCase{"CentresInsideTheRegion",
                   pictureOf(4, 2, Red, {{2, 0, Orange}, {3, 0, Green}, {2, 1, White}}),
                   {2, 0, 2, 2}, 2, 2, WindowTolerances,
                   {Sticker::Orange, Sticker::Green, Sticker::White, Sticker::Red}},
        MosaicCase{"FirstColourWithinToleranceNotNearest", pictureOf(1, 1, Amber, {}), {0, 0, 1, 1}, 1, 1,
                   WindowTolerances, {Sticker::Orange}},
        // 221 from green and red (tolerance 220), 221 from blue (260).
        MosaicCase{"MidGreyIsBlueAtTheDefaults", pictureOf(1, 1, MidGrey, {}), {0, 0, 1, 1}, 1, 1,
                   WindowTolerances, {Sticker::Blue}},
        MosaicCase{"BlackIsUnmatched", pictureOf(1, 1, MidGrey, {}), {0, 0, 1, 1}, 1, 1, Tight,
                   {Sticker::Unmatched}},
        // The classifier gives up at orange's unreadable field.
        MosaicCase{"UnreadableToleranceIsUnmatched", pictureOf(1, 1, Orange, {}), {0, 0, 1, 1}, 1, 1,
                   Tolerances{std::nullopt, 190, 220, 220, 260, 250}, {Sticker::Unmatched}},
        // A padded region from x -2: the first centre (x -1) lies left of the picture.
        MosaicCase{"WhiteOutsideThePicture", pictureOf(2, 1, Red, {}), {-2, 0, 4, 1}, 2, 1, WindowTolerances,
                   {Sticker::White, Sticker::Red}}),
    [](const testing::TestParamInfo<MosaicCase> &info) { return info.param.name; });

} // namespace
} // namespace tessaly::bench
