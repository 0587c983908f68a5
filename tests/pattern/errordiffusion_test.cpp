#include "pattern/errordiffusion.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tessaly::pattern {
namespace {

using test::linearMix;
using test::meanLinearColour;
using test::paletteOf;

constexpr Srgb8 White{0xFF, 0xFF, 0xFF};
constexpr Srgb8 Yellow{0xFF, 0xD5, 0x00};
constexpr Srgb8 Red{0xB7, 0x12, 0x34};
constexpr Srgb8 Orange{0xFF, 0x58, 0x00};
constexpr Srgb8 Blue{0x00, 0x46, 0xAD};
constexpr Srgb8 Green{0x00, 0x9B, 0x48};
constexpr Srgb8 NearBlack{0x20, 0x20, 0x20};

using Diffusion = StickerGrid (*)(const LinearGrid &, const StickerPalette &);

struct MixCase
{
    const char *kernel;
    Diffusion diffuse;
    Srgb8 from;
    Srgb8 to;
    double fraction;
};

class DiffusionMixTest : public testing::TestWithParam<MixCase> {};

// Diffusion passes each cell's error on in linear light, so a flat area's
// mean linear colour is the target's, less what falls off the patch's edges:
// at most about one cell's error for each edge cell, under 1/100 on
// 128 x 128. Atkinson drops a quarter of every error, which only cancels out
// halfway between two near colours; elsewhere it pulls the mix towards them
// (see the next test).
TEST_P(DiffusionMixTest, KeepsTheMeanOfAFlatArea)
{
    const MixCase &mix = GetParam();
    const StickerPalette palette = paletteOf({{Sticker::White, mix.from}, {Sticker::Blue, mix.to}});
    const LinearRgb target = linearMix(mix.from, mix.to, mix.fraction);
    const LinearRgb mean = meanLinearColour(mix.diffuse(LinearGrid(128, 128, target), palette), palette);
    EXPECT_NEAR(mean.r, target.r, 0.01);
    EXPECT_NEAR(mean.g, target.g, 0.01);
    EXPECT_NEAR(mean.b, target.b, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Mixes, DiffusionMixTest,
                         testing::Values(MixCase{"FloydSteinberg", floydSteinberg, NearBlack, White, 0.2},
                                         MixCase{"FloydSteinberg", floydSteinberg, NearBlack, White, 0.5},
                                         MixCase{"FloydSteinberg", floydSteinberg, NearBlack, White, 0.8},
                                         MixCase{"FloydSteinberg", floydSteinberg, Red, Orange, 0.3},
                                         MixCase{"FloydSteinberg", floydSteinberg, Blue, Green, 0.6},
                                         MixCase{"FloydSteinberg", floydSteinberg, White, Yellow, 0.9},
                                         MixCase{"Atkinson", atkinson, White, Yellow, 0.5},
                                         MixCase{"Atkinson", atkinson, Blue, Green, 0.5},
                                         MixCase{"Atkinson", atkinson, {0x60, 0x60, 0x60}, {0xA0, 0xA0, 0xA0}, 0.5}),
                         [](const testing::TestParamInfo<MixCase> &info) {
                             return info.param.kernel + std::to_string(info.index);
                         });

TEST(DiffusionTest, AtkinsonKeepsAnAreaNearAColourClean)
{
    // A tenth of the way from white to near black: Floyd-Steinberg passes
    // every error on and mixes in dark cells; Atkinson's dropped quarter
    // never lets the error grow enough to choose one.
    const StickerPalette palette = paletteOf({{Sticker::White, White}, {Sticker::Blue, NearBlack}});
    const LinearGrid target(64, 64, linearMix(White, NearBlack, 0.1));
    const auto dark = [](const StickerGrid &stickers) {
        return std::count(stickers.values().begin(), stickers.values().end(), Sticker::Blue);
    };
    EXPECT_EQ(dark(atkinson(target, palette)), 0);
    EXPECT_GT(dark(floydSteinberg(target, palette)), 64 * 64 / 20);
}

struct KernelCase
{
    const char *kernel;
    Diffusion diffuse;
};

class DiffusionKernelTest : public testing::TestWithParam<KernelCase> {};

// Black and white, and a grey of linear 0.2 (L* 51.8, so nearer white). The
// first cell chosen in a row of two such greys is white, and its error of
// -0.8 makes the second black (7/16 or 1/8 of it brings 0.2 under L* 50).
// Rows of palette colours pass no error on, so each row starts afresh: even
// rows run left to right, odd rows right to left.
TEST_P(DiffusionKernelTest, AlternatesTheDirectionOfTheRows)
{
    const StickerPalette palette = paletteOf({{Sticker::White, White}, {Sticker::Blue, {0, 0, 0}}});
    const LinearRgb grey{0.2f, 0.2f, 0.2f}, black{0, 0, 0};
    const auto diffuse = [&](int greyRow) {
        LinearGrid target(2, greyRow + 1, black);
        target.at(0, greyRow) = target.at(1, greyRow) = grey;
        const StickerGrid stickers = GetParam().diffuse(target, palette);
        return std::pair{stickers.at(0, greyRow), stickers.at(1, greyRow)};
    };
    EXPECT_EQ(diffuse(0), std::pair(Sticker::White, Sticker::Blue));
    EXPECT_EQ(diffuse(1), std::pair(Sticker::Blue, Sticker::White));
    EXPECT_EQ(diffuse(2), std::pair(Sticker::White, Sticker::Blue));
    EXPECT_EQ(diffuse(3), std::pair(Sticker::Blue, Sticker::White));
}

// Black, which grey and white cannot reach, above a grey halfway between
// them. Left to grow, the black half's error would reach the lower half as
// many times the black it lacks and keep it grey for rows; held to -0.5 a
// channel, it is worked off within a row.
TEST_P(DiffusionKernelTest, DoesNotCarryTheErrorOfAnUnreachableAreaFar)
{
    const Srgb8 grey{0x80, 0x80, 0x80};
    const StickerPalette palette = paletteOf({{Sticker::White, White}, {Sticker::Yellow, grey}});
    LinearGrid target(40, 40, LinearRgb{0, 0, 0});
    for (int y = 20; y < 40; ++y) {
        for (int x = 0; x < 40; ++x)
            target.at(x, y) = linearMix(grey, White, 0.5);
    }
    const StickerGrid stickers = GetParam().diffuse(target, palette);
    for (int y = 22; y < 40; ++y) {
        int whites = 0;
        for (int x = 0; x < 40; ++x)
            whites += stickers.at(x, y) == Sticker::White;
        EXPECT_GE(whites, 10) << "row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, DiffusionKernelTest,
                         testing::Values(KernelCase{"FloydSteinberg", floydSteinberg},
                                         KernelCase{"Atkinson", atkinson}),
                         [](const testing::TestParamInfo<KernelCase> &info) { return info.param.kernel; });

} // namespace
} // namespace tessaly::pattern
