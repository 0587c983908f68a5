#include "pattern/errordiffusion.h"
#include "pattern/likeness.h"
#include "pattern/likenessoptimiser.h"
#include "pattern/photopattern.h"
#include "support/testpalettes.h"

#include <gtest/gtest.h>

namespace tessaly::pattern {
namespace {

SrgbPicture flatPicture(int width, int height, Srgb8 colour)
{
    SrgbPicture picture{width, height, {}};
    for (int pixel = 0; pixel < width * height; ++pixel)
        picture.rgb.insert(picture.rgb.end(), {colour.r, colour.g, colour.b});
    return picture;
}

// A picture whose left half is one colour and right half another.
SrgbPicture splitPicture(int width, int height, Srgb8 left, Srgb8 right)
{
    SrgbPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Srgb8 c = x < width / 2 ? left : right;
            picture.rgb.insert(picture.rgb.end(), {c.r, c.g, c.b});
        }
    return picture;
}

PatternRecipe recipeFor(WallSize wall, Method method)
{
    PatternRecipe recipe;
    recipe.wall = wall;
    recipe.palette = test::cubePalette();
    recipe.method = method;
    return recipe;
}

struct RefusalCase
{
    const char *name;
    std::function<void(PatternRecipe &)> change;
    const char *says;
};

class PhotoPatternRefusal : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(PhotoPatternRefusal, SaysWhyAndMakesNoPattern)
{
    PatternRecipe recipe = recipeFor({4, 3}, Method::Nearest);
    GetParam().change(recipe);
    const PhotoPatternResult result = makePhotoPattern(flatPicture(40, 30, {10, 20, 30}), recipe);
    EXPECT_FALSE(result.pattern);
    EXPECT_FALSE(result.cancelled);
    EXPECT_NE(result.error.find(GetParam().says), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Recipes, PhotoPatternRefusal,
    testing::Values(RefusalCase{"NoColumns", [](PatternRecipe &r) { r.wall = {0, 3}; }, "column"},
                    RefusalCase{"OneColour", [](PatternRecipe &r) { r.palette.colours.resize(1); }, "two colours"},
                    RefusalCase{"Exact", [](PatternRecipe &r) { r.method = Method::Exact; }, "sticker map"},
                    RefusalCase{"CropOutside", [](PatternRecipe &r) { r.crop = CropRect{30, 0, 20, 10}; }, "outside"},
                    RefusalCase{"Brightness", [](PatternRecipe &r) { r.adjustments.brightness = 200; }, "200"}),
    [](const auto &info) { return std::string(info.param.name); });

class PhotoPatternMethod : public testing::TestWithParam<Method>
{
};

// A picture of one sticker colour is that sticker everywhere, whatever the
// method, and its score is nil.
TEST_P(PhotoPatternMethod, ShowsAFlatStickerColourAsItIs)
{
    const PatternRecipe recipe = recipeFor({5, 4}, GetParam());
    const Srgb8 orange = test::colourIn(recipe.palette, Sticker::Orange);
    const PhotoPatternResult result = makePhotoPattern(flatPicture(50, 40, orange), recipe);
    ASSERT_TRUE(result.pattern) << result.error;
    EXPECT_EQ(result.pattern->stickers.width(), 15);
    EXPECT_EQ(result.pattern->stickers.height(), 12);
    for (const Sticker sticker : result.pattern->stickers.values())
        ASSERT_EQ(sticker, Sticker::Orange);
    EXPECT_NEAR(result.pattern->likeness, 0.0, 1e-3);
}

TEST_P(PhotoPatternMethod, ReportsTheScoreOfItsStickers)
{
    const PatternRecipe recipe = recipeFor({6, 4}, GetParam());
    const PhotoPatternResult result = makePhotoPattern(splitPicture(60, 40, {90, 140, 200}, {230, 200, 120}), recipe);
    ASSERT_TRUE(result.pattern) << result.error;
    const PhotoPattern &pattern = *result.pattern;
    EXPECT_NEAR(pattern.likeness, likeness(pattern.target, pattern.stickers, recipe.palette).sde, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Methods, PhotoPatternMethod,
                         testing::Values(Method::Optimised, Method::Nearest, Method::Ordered, Method::Diffusion,
                                         Method::Atkinson));

TEST(PhotoPattern, PadsACropWithWhiteNotWithTheRestOfThePicture)
{
    PatternRecipe recipe = recipeFor({4, 1}, Method::Nearest); // 12 x 3 cells: wider than the crop
    recipe.fit = Fit::Pad;
    recipe.crop = CropRect{10, 0, 10, 10}; // a black square inside a black picture
    const PhotoPatternResult result = makePhotoPattern(flatPicture(40, 10, {0, 0, 0}), recipe);
    ASSERT_TRUE(result.pattern) << result.error;
    const LinearGrid &target = result.pattern->target;
    EXPECT_EQ(target.at(0, 1), (LinearRgb{1, 1, 1}));
    EXPECT_EQ(target.at(11, 1), (LinearRgb{1, 1, 1}));
    EXPECT_EQ(target.at(6, 1), (LinearRgb{0, 0, 0}));
}

TEST(PhotoPattern, FitsTheWallToTheCropRectangle)
{
    PatternRecipe recipe = recipeFor({2, 2}, Method::Nearest);
    recipe.crop = CropRect{0, 0, 20, 40}; // the left half only: the stretch fit sees no right half
    recipe.fit = Fit::Stretch;
    const Srgb8 blue = test::colourIn(recipe.palette, Sticker::Blue);
    const PhotoPatternResult result = makePhotoPattern(splitPicture(40, 40, blue, {255, 255, 255}), recipe);
    ASSERT_TRUE(result.pattern) << result.error;
    for (const Sticker sticker : result.pattern->stickers.values())
        ASSERT_EQ(sticker, Sticker::Blue);
}

// A turn weight of 0 asks for the likeness alone: the pure optimum.
TEST(PhotoPattern, WithoutTurnWeightIsThePureLikenessOptimum)
{
    PatternRecipe recipe = recipeFor({6, 5}, Method::Optimised);
    recipe.turnWeight = 0;
    const SrgbPicture picture = splitPicture(60, 50, {90, 140, 200}, {230, 200, 120});
    const PhotoPatternResult result = makePhotoPattern(picture, recipe);
    ASSERT_TRUE(result.pattern) << result.error;
    const auto pure = optimiseLikeness(result.pattern->target, recipe.palette,
                                       floydSteinberg(result.pattern->target, recipe.palette));
    ASSERT_TRUE(pure);
    EXPECT_EQ(result.pattern->stickers, *pure);
}

TEST(PhotoPattern, RefusesATurnLimitNoFaceHas)
{
    PatternRecipe recipe = recipeFor({2, 2}, Method::Optimised);
    recipe.maxTurns = 10;
    const PhotoPatternResult result = makePhotoPattern(flatPicture(20, 20, {1, 2, 3}), recipe);
    EXPECT_FALSE(result.pattern);
    EXPECT_NE(result.error.find("turn limit"), std::string::npos) << result.error;
}

TEST(PhotoPattern, StopsWhenProgressCancels)
{
    const PatternRecipe recipe = recipeFor({8, 8}, Method::Optimised);
    const PhotoPatternResult result = makePhotoPattern(splitPicture(80, 80, {90, 140, 200}, {230, 200, 120}), recipe,
                                                       [](long long, long long) { return false; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.pattern);
}

} // namespace
} // namespace tessaly::pattern
