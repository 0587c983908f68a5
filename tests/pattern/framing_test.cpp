#include "pattern/framing.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ostream>
#include <string>

namespace tessaly::pattern {

void PrintTo(const WallSize &wall, std::ostream *out)
{
    *out << wall.columns << " x " << wall.rows;
}

namespace {

// ---- Framing ----

const WallSize Square{10, 10};
const WallSize Wide{20, 10}; // 2 : 1

struct FramingCase
{
    std::string name;
    int width;
    int height;
    WallSize wall;
    Fit fit;
    std::optional<CropRect> crop;
    SourceRegion expected;
};

void PrintTo(const FramingCase &framing, std::ostream *out)
{
    *out << framing.name;
}

class FrameRegionTest : public ::testing::TestWithParam<FramingCase>
{
};

TEST_P(FrameRegionTest, IsTheRegionWorkedOutByHand)
{
    const FramingCase &framing = GetParam();
    const SourceRegion region = frameRegion(framing.width, framing.height, framing.wall, framing.fit, framing.crop);
    EXPECT_DOUBLE_EQ(region.x, framing.expected.x);
    EXPECT_DOUBLE_EQ(region.y, framing.expected.y);
    EXPECT_DOUBLE_EQ(region.width, framing.expected.width);
    EXPECT_DOUBLE_EQ(region.height, framing.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, FrameRegionTest,
    ::testing::Values(
        // A 4 : 3 picture, 400 x 300.
        FramingCase{"LandscapeSquareCrop", 400, 300, Square, Fit::Crop, {}, {50, 0, 300, 300}},
        FramingCase{"LandscapeSquarePad", 400, 300, Square, Fit::Pad, {}, {0, -50, 400, 400}},
        FramingCase{"LandscapeSquareStretch", 400, 300, Square, Fit::Stretch, {}, {0, 0, 400, 300}},
        FramingCase{"LandscapeWideCrop", 400, 300, Wide, Fit::Crop, {}, {0, 50, 400, 200}},
        FramingCase{"LandscapeWidePad", 400, 300, Wide, Fit::Pad, {}, {-100, 0, 600, 300}},
        FramingCase{"LandscapeWideStretch", 400, 300, Wide, Fit::Stretch, {}, {0, 0, 400, 300}},
        // A 3 : 4 picture, 300 x 400.
        FramingCase{"PortraitSquareCrop", 300, 400, Square, Fit::Crop, {}, {0, 50, 300, 300}},
        FramingCase{"PortraitSquarePad", 300, 400, Square, Fit::Pad, {}, {-50, 0, 400, 400}},
        FramingCase{"PortraitWideCrop", 300, 400, Wide, Fit::Crop, {}, {0, 125, 300, 150}},
        FramingCase{"PortraitWidePad", 300, 400, Wide, Fit::Pad, {}, {-250, 0, 800, 400}},
        // A picture of the wall's own aspect is framed whole by every fit.
        FramingCase{"SameAspectCrop", 400, 300, {4, 3}, Fit::Crop, {}, {0, 0, 400, 300}},
        FramingCase{"SameAspectPad", 400, 300, {4, 3}, Fit::Pad, {}, {0, 0, 400, 300}},
        // Odd sizes give fractional regions.
        FramingCase{"HalfPixelCrop", 4, 3, {1, 1}, Fit::Crop, {}, {0.5, 0, 3, 3}},
        FramingCase{"ThinPad", 5, 3, {1, 1}, Fit::Pad, {}, {0, -1, 5, 5}},
        // A 200 x 100 crop rectangle at (100, 50) of the 400 x 300 picture.
        FramingCase{"CropRectSquareCrop", 400, 300, Square, Fit::Crop, CropRect{100, 50, 200, 100},
                    {150, 50, 100, 100}},
        FramingCase{"CropRectSquarePad", 400, 300, Square, Fit::Pad, CropRect{100, 50, 200, 100},
                    {100, 0, 200, 200}},
        FramingCase{"CropRectStretch", 400, 300, Wide, Fit::Stretch, CropRect{100, 50, 200, 100},
                    {100, 50, 200, 100}},
        FramingCase{"CropRectPortraitWallCrop", 400, 300, {1, 2}, Fit::Crop, CropRect{100, 50, 200, 100},
                    {175, 50, 50, 100}}),
    [](const ::testing::TestParamInfo<FramingCase> &info) { return info.param.name; });

struct CropCheckCase
{
    std::string name;
    CropRect crop;
    std::string error;
};

void PrintTo(const CropCheckCase &check, std::ostream *out)
{
    *out << check.name;
}

class CheckCropTest : public ::testing::TestWithParam<CropCheckCase>
{
};

TEST_P(CheckCropTest, RefusesEmptyAndOutsideCropsWithTheirNumbers)
{
    EXPECT_EQ(checkCrop(GetParam().crop, 120, 90), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Crops, CheckCropTest,
    ::testing::Values(
        CropCheckCase{"WholePicture", {0, 0, 120, 90}, ""},
        CropCheckCase{"OnePixelInTheCorner", {119, 89, 1, 1}, ""},
        CropCheckCase{"NoWidth", {5, 5, 0, 10}, "the crop of 0 x 10 pixels at (5, 5) is empty"},
        CropCheckCase{"NegativeHeight", {5, 5, 10, -3}, "the crop of 10 x -3 pixels at (5, 5) is empty"},
        CropCheckCase{"LeftOfThePicture", {-1, 0, 10, 10},
                      "the crop of 10 x 10 pixels at (-1, 0) reaches outside the picture of 120 x 90 pixels"},
        CropCheckCase{"AboveThePicture", {0, -5, 10, 10},
                      "the crop of 10 x 10 pixels at (0, -5) reaches outside the picture of 120 x 90 pixels"},
        CropCheckCase{"PastTheRightEdge", {100, 0, 21, 10},
                      "the crop of 21 x 10 pixels at (100, 0) reaches outside the picture of 120 x 90 pixels"},
        CropCheckCase{"PastTheBottom", {0, 50, 10, 41},
                      "the crop of 10 x 41 pixels at (0, 50) reaches outside the picture of 120 x 90 pixels"},
        // x + width would overflow an int.
        CropCheckCase{"FarOutside", {INT_MAX - 1, 0, 10, 10},
                      "the crop of 10 x 10 pixels at (2147483646, 0) reaches outside the picture of 120 x 90 "
                      "pixels"}),
    [](const ::testing::TestParamInfo<CropCheckCase> &info) { return info.param.name; });

// ---- Walls for a number of cubes ----

struct CubesCase
{
    std::string name;
    long long cubes;
    double aspect;
    WallSize expected;
};

void PrintTo(const CubesCase &wall, std::ostream *out)
{
    *out << wall.name;
}

class WallForCubesTest : public ::testing::TestWithParam<CubesCase>
{
};

TEST_P(WallForCubesTest, IsTheWallWorkedOutByHand)
{
    EXPECT_EQ(wallForCubes(GetParam().cubes, GetParam().aspect), GetParam().expected);
}

// The misfit each wall is chosen by: |ln(shape error)| + |ln(size error)|.
//  1600 at 4:3: 46 x 35 misfits 0.0144 + 0.0062; 47 x 35 0.0071 + 0.0277;
//  46 x 34 0.0146 + 0.0228; 47 x 34 0.0364 + 0.0013.
//  100 at 10: with 3 rows every 30 to 33 columns misfit ln(10/9); 33 x 3 has
//  the count nearest 100; 4 rows misfit at least ln(1.6).
//  2 at 1: 2 x 1, 1 x 2 and 2 x 2 all misfit ln 2; the first two hold 2
//  cubes, and the wider comes first for a square.
//  10 at 100: one row misfits ln 10 for 10 to 100 columns; 10 cubes are nearest.
INSTANTIATE_TEST_SUITE_P(Table, WallForCubesTest,
                         ::testing::Values(CubesCase{"Square400", 400, 1.0, {20, 20}},
                                           CubesCase{"Landscape1600", 1600, 4.0 / 3, {46, 35}},
                                           CubesCase{"Portrait1600", 1600, 3.0 / 4, {35, 46}},
                                           CubesCase{"ExactPortrait", 12, 0.75, {3, 4}},
                                           CubesCase{"ExactLandscape", 6, 1.5, {3, 2}},
                                           CubesCase{"OneCube", 1, 1.0, {1, 1}},
                                           CubesCase{"OneCubeOfAWidePicture", 1, 16.0 / 9, {1, 1}},
                                           CubesCase{"OneCubeOfATallPicture", 1, 0.1, {1, 1}},
                                           CubesCase{"TwoCubesOfASquare", 2, 1.0, {2, 1}},
                                           CubesCase{"Wide", 100, 10.0, {33, 3}},
                                           CubesCase{"Tall", 100, 0.1, {3, 33}},
                                           CubesCase{"VeryWide", 10, 100.0, {10, 1}},
                                           CubesCase{"VeryTall", 10, 0.01, {1, 10}},
                                           CubesCase{"Panorama", 300, 1000.0, {300, 1}},
                                           CubesCase{"NoCubes", 0, 2.0, {1, 1}},
                                           CubesCase{"NoAspect", 4, 0.0, {2, 2}}),
                         [](const ::testing::TestParamInfo<CubesCase> &info) { return info.param.name; });

double misfit(WallSize wall, long long cubes, double aspect)
{
    return std::abs(std::log(double(wall.columns) / wall.rows / aspect))
         + std::abs(std::log(double(wall.cubes()) / double(cubes)));
}

// Against every wall up to a size no good answer reaches.
TEST(WallForCubesSearchTest, FindsTheLeastMisfitOfAllWalls)
{
    for (const double aspect : {1.0 / 7, 0.5, 0.75, 1.0, 4.0 / 3, 16.0 / 9, 3.0, 10.0}) {
        for (long long cubes = 1; cubes <= 80; ++cubes) {
            const WallSize wall = wallForCubes(cubes, aspect);
            ASSERT_GE(wall.columns, 1);
            ASSERT_GE(wall.rows, 1);
            double least = misfit(wall, cubes, aspect);
            for (int columns = 1; columns <= 2 * cubes + 10; ++columns)
                for (int rows = 1; rows <= 2 * cubes + 10; ++rows)
                    least = std::min(least, misfit({columns, rows}, cubes, aspect));
            EXPECT_NEAR(misfit(wall, cubes, aspect), least, 1e-9) << cubes << " cubes at " << aspect;
        }
    }
}

// Near the limit the nearest wall may round past it; the wall made instead
// keeps the shape and stays within.
TEST(WallForCubesWithinLimitTest, NeverPassesTheLimit)
{
    for (const double aspect : {1.0, 1.5, 4.0 / 3, 16.0 / 9, 0.6, 1e6}) {
        for (const long long cubes : {MaxWallCubes - 1, MaxWallCubes, MaxWallCubes + 1, 50 * MaxWallCubes}) {
            const WallSize wall = wallForCubesWithinLimit(cubes, aspect);
            EXPECT_LE(wall.cubes(), MaxWallCubes) << cubes << " cubes at " << aspect;
            // Within a cube's rounding of the limit, in the aspect's shape.
            EXPECT_GE(wall.cubes(), MaxWallCubes - 2 * (wall.columns + wall.rows)) << cubes << " cubes at " << aspect;
        }
    }
    // Below the limit it is the nearest wall itself.
    EXPECT_EQ(wallForCubesWithinLimit(1200, 4.0 / 3), wallForCubes(1200, 4.0 / 3));
    // The case the limit is for: some shapes' nearest wall has more cubes.
    int overTheLimit = 0;
    for (int percent = 100; percent <= 300; ++percent) {
        const double aspect = percent / 100.0;
        if (wallForCubes(MaxWallCubes, aspect).cubes() > MaxWallCubes) {
            ++overTheLimit;
            EXPECT_LE(wallForCubesWithinLimit(MaxWallCubes, aspect).cubes(), MaxWallCubes) << aspect;
        }
    }
    EXPECT_GT(overTheLimit, 0);
}

} // namespace
} // namespace tessaly::pattern
