#include "pattern/arearesample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessaly::pattern {
namespace {

constexpr float Tolerance = 1e-6f;

void expectColour(LinearRgb got, LinearRgb expected)
{
    EXPECT_NEAR(got.r, expected.r, Tolerance);
    EXPECT_NEAR(got.g, expected.g, Tolerance);
    EXPECT_NEAR(got.b, expected.b, Tolerance);
}

// Bytes 0 and 255 only, so that every linear value is 0 or 1:
//   red    green  blue
//   white  black  red
const SrgbPicture ThreeByTwo{3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0}};

TEST(AreaAverageTest, AveragesInLinearLight)
{
    // Mid grey in sRGB bytes is not half of white's light.
    const SrgbPicture greys{2, 1, {0, 0, 0, 188, 188, 188}};
    const float half = linearOfByte(188) / 2;
    expectColour(areaAverage(greys, {0, 0, 2, 1}, 1, 1).at(0, 0), {half, half, half});
}

TEST(AreaAverageTest, WeighsPixelsByTheShareTheyCover)
{
    // Two cells across three pixels: each a whole pixel and half of the
    // middle one, that is 2/3 and 1/3 of the cell; the rows average first:
    // (1, 1/2, 1/2), (0, 1/2, 0), (1/2, 0, 1/2).
    const LinearGrid cells = areaAverage(ThreeByTwo, {0, 0, 3, 2}, 2, 1);
    expectColour(cells.at(0, 0), {2.0f / 3, 0.5f, 1.0f / 3});
    expectColour(cells.at(1, 0), {1.0f / 3, 1.0f / 6, 1.0f / 3});
}

TEST(AreaAverageTest, ReadsAFractionalRegion)
{
    // x from 0.5 to 2.5 of the top row: half red, all green, half blue.
    expectColour(areaAverage(ThreeByTwo, {0.5, 0, 2, 1}, 1, 1).at(0, 0), {0.25f, 0.5f, 0.25f});
}

TEST(AreaAverageTest, CountsTheRegionOutsideThePictureAsWhite)
{
    const SrgbPicture black{1, 1, {0, 0, 0}};
    const LinearGrid around = areaAverage(black, {-1, -1, 3, 3}, 3, 3);
    expectColour(around.at(1, 1), {0, 0, 0});
    expectColour(around.at(0, 0), {1, 1, 1});
    expectColour(around.at(2, 1), {1, 1, 1});
    expectColour(areaAverage(black, {-1, -1, 3, 3}, 1, 1).at(0, 0), {8.0f / 9, 8.0f / 9, 8.0f / 9});
    // Half a pixel of black in a cell two pixels wide.
    expectColour(areaAverage(black, {0.5, 0, 2, 1}, 1, 1).at(0, 0), {0.75f, 0.75f, 0.75f});
    expectColour(areaAverage(black, {5, 5, 2, 2}, 2, 1).at(1, 0), {1, 1, 1});
}

// Against the definition read directly: the mean over the cell's rectangle
// of every pixel's rectangle it overlaps, white where no pixel is.
LinearRgb cellByOverlaps(const SrgbPicture &picture, double left, double top, double width, double height)
{
    double sum[3] = {0, 0, 0};
    double inside = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const double across = std::max(0.0, std::min(left + width, x + 1.0) - std::max(left, double(x)));
            const double down = std::max(0.0, std::min(top + height, y + 1.0) - std::max(top, double(y)));
            const LinearRgb colour = linearOf(picture.pixel(x, y));
            sum[0] += across * down * colour.r;
            sum[1] += across * down * colour.g;
            sum[2] += across * down * colour.b;
            inside += across * down;
        }
    }
    const double area = width * height;
    const double white = area - inside;
    return {float((sum[0] + white) / area), float((sum[1] + white) / area), float((sum[2] + white) / area)};
}

struct RegionCase
{
    SourceRegion region;
    int columns;
    int rows;
};

class AreaAverageOverlapTest : public testing::TestWithParam<RegionCase> {};

TEST_P(AreaAverageOverlapTest, EqualsTheMeanOfTheOverlappedPixels)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    SrgbPicture picture{37, 23, {}};
    for (int i = 0; i < 37 * 23 * 3; ++i)
        picture.rgb.push_back(std::uint8_t(byte(random)));

    const RegionCase &c = GetParam();
    const LinearGrid cells = areaAverage(picture, c.region, c.columns, c.rows);
    const double width = c.region.width / c.columns;
    const double height = c.region.height / c.rows;
    for (int y = 0; y < c.rows; ++y) {
        for (int x = 0; x < c.columns; ++x) {
            SCOPED_TRACE(testing::Message() << "cell " << x << ", " << y);
            expectColour(cells.at(x, y),
                         cellByOverlaps(picture, c.region.x + x * width, c.region.y + y * height, width, height));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Regions, AreaAverageOverlapTest,
                         testing::Values(RegionCase{{0, 0, 37, 23}, 10, 7},      // the whole picture
                                         RegionCase{{0, 0, 37, 23}, 37, 23},     // a cell a pixel
                                         RegionCase{{0, 0, 37, 23}, 50, 40},     // more cells than pixels
                                         RegionCase{{3.3, 2.7, 20.1, 11.9}, 6, 4},   // inside, fractional
                                         RegionCase{{-4.5, -2, 46, 27}, 9, 5},       // padded all round
                                         RegionCase{{30.25, 18.5, 12, 9}, 4, 3}));   // over a corner

} // namespace
} // namespace tessaly::pattern
