#include "cube/shippedfaceturntable.h"
#include "pattern/errordiffusion.h"
#include "pattern/likeness.h"
#include "pattern/likenessoptimiser.h"
#include "pattern/nearestcolour.h"
#include "pattern/ordereddither.h"
#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace tessaly::pattern {
namespace {

// A smooth picture: hue sweeping across, lightness down, some soft blobs,
// so that every part needs a different mix of sticker colours.
LinearGrid smoothPicture(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> phase(0.0, 6.28);
    const double p0 = phase(random), p1 = phase(random), p2 = phase(random);
    LinearGrid grid(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const auto channel = [&](double p) { return float(0.5 + 0.4 * std::sin(6.0 * u + 4.0 * v + p) * (1.0 - 0.5 * v)); };
            grid.at(x, y) = {channel(p0), channel(p1), channel(p2)};
        }
    }
    return grid;
}

double score(const LinearGrid &target, const StickerGrid &stickers, const StickerPalette &palette)
{
    return likeness(target, stickers, palette).sde;
}

using Start = std::function<StickerGrid(const LinearGrid &, const StickerPalette &)>;

struct StartCase
{
    const char *name;
    Start start;
};

class OptimiserStart : public testing::TestWithParam<StartCase>
{
};

// From any start the search only ever lowers the true score, and it ends
// well below a plain nearest-colour match.
TEST_P(OptimiserStart, LowersTheScoreBelowItsStartAndNearest)
{
    const StickerPalette palette = test::cubePalette();
    for (unsigned seed : {1u, 2u}) {
        const LinearGrid target = smoothPicture(45, 36, seed);
        const StickerGrid start = GetParam().start(target, palette);
        const auto optimised = optimiseLikeness(target, palette, start);
        ASSERT_TRUE(optimised);
        const double before = score(target, start, palette);
        const double after = score(target, *optimised, palette);
        EXPECT_LT(after, before) << GetParam().name << ", seed " << seed;
        EXPECT_LT(after, 0.8 * score(target, nearestColour(target, palette), palette)) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, OptimiserStart,
                         testing::Values(StartCase{"nearest", nearestColour}, StartCase{"ordered", orderedDither},
                                         StartCase{"diffusion", floydSteinberg}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LikenessOptimiser, GivesTheSamePatternOnAnyNumberOfThreads)
{
    const StickerPalette palette = test::cubePalette();
    // Taller than several bands of rows, so that bands run side by side.
    const LinearGrid target = smoothPicture(30, 90, 7);
    const StickerGrid start = floydSteinberg(target, palette);
    std::optional<StickerGrid> first;
    for (unsigned threads : {1u, 2u, 3u, 5u}) {
        LikenessOptimiserSettings settings;
        settings.threads = threads;
        const auto optimised = optimiseLikeness(target, palette, start, settings);
        ASSERT_TRUE(optimised);
        if (!first)
            first = optimised;
        EXPECT_EQ(*optimised, *first) << threads << " threads";
    }
    EXPECT_NE(*first, start); // the search did work
}

TEST(LikenessOptimiser, UsesOnlyThePaletteStickers)
{
    const StickerPalette withoutGreen = test::paletteOf({{Sticker::White, {255, 255, 255}},
                                                         {Sticker::Yellow, {255, 213, 0}},
                                                         {Sticker::Red, {183, 18, 52}},
                                                         {Sticker::Blue, {0, 70, 173}}});
    const LinearGrid target = smoothPicture(24, 24, 3);
    const auto optimised = optimiseLikeness(target, withoutGreen, nearestColour(target, withoutGreen));
    ASSERT_TRUE(optimised);
    for (const Sticker sticker : optimised->values())
        EXPECT_TRUE(withoutGreen.contains(sticker)) << stickerLetter(sticker);
}

TEST(LikenessOptimiser, KeepsAPictureThePaletteShowsExactly)
{
    const StickerPalette palette = test::cubePalette();
    LinearGrid target(18, 12);
    StickerGrid exact(18, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 18; ++x) {
            const PaletteColour &colour = palette.colours[std::size_t((x / 3 + y / 3) % 6)];
            exact.at(x, y) = colour.sticker;
            target.at(x, y) = linearOf(colour.colour);
        }
    }
    const auto optimised = optimiseLikeness(target, palette, exact);
    ASSERT_TRUE(optimised);
    EXPECT_EQ(*optimised, exact);
}

TEST(LikenessOptimiser, StopsWhenProgressCancels)
{
    const StickerPalette palette = test::cubePalette();
    const LinearGrid target = smoothPicture(30, 30, 4);
    int calls = 0;
    const auto optimised = optimiseLikeness(target, palette, nearestColour(target, palette), {},
                                            [&](long long, long long) { return ++calls < 2; });
    EXPECT_FALSE(optimised);
    EXPECT_EQ(calls, 2);
}

// A tall picture has many bands a pass: progress is told within passes,
// in order, ending at the whole; a cancel there stops the pass.
TEST(LikenessOptimiser, TellsProgressWithinPasses)
{
    const StickerPalette palette = test::cubePalette();
    const LinearGrid target = smoothPicture(30, 120, 4);
    LikenessOptimiserSettings settings;
    settings.threads = 1;
    std::vector<std::pair<long long, long long>> told;
    const auto optimised = optimiseLikeness(target, palette, nearestColour(target, palette), settings,
                                            [&](long long done, long long total) {
                                                told.emplace_back(done, total);
                                                return true;
                                            });
    ASSERT_TRUE(optimised);
    ASSERT_GE(told.size(), 3u);
    const long long total = told.front().second;
    EXPECT_EQ(told.back(), std::make_pair(total, total));
    EXPECT_TRUE(std::ranges::is_sorted(told));
    EXPECT_TRUE(std::ranges::any_of(told, [&](const auto &step) { return step.first % (total / settings.maxSweeps) != 0; }));

    int calls = 0;
    const auto cancelled = optimiseLikeness(target, palette, nearestColour(target, palette), settings,
                                            [&](long long, long long) { return ++calls < 2; });
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(calls, 2); // the start, then the first band
}

// The total turns of a pattern of whole cubes, by the turn table.
long long totalTurns(const StickerGrid &stickers)
{
    long long total = 0;
    for (int top = 0; top < stickers.height(); top += 3) {
        for (int left = 0; left < stickers.width(); left += 3) {
            std::array<cube::Colour, 9> face;
            for (int place = 0; place < 9; ++place)
                face[std::size_t(place)] = *colourOf(stickers.at(left + place % 3, top + place / 3));
            total += cube::faceTurnTable().turns(face);
        }
    }
    return total;
}

std::optional<StickerGrid> optimisedWithTurns(const LinearGrid &target, double weight, std::optional<int> maxTurns = {})
{
    const StickerPalette palette = test::cubePalette();
    LikenessOptimiserSettings settings;
    settings.turnTable = &cube::faceTurnTable();
    settings.turnWeight = weight;
    settings.maxTurns = maxTurns;
    return optimiseLikeness(target, palette, nearestColour(target, palette), settings);
}

TEST(LikenessOptimiserTurns, GiveNoMoreTurnsForALargerWeight)
{
    const LinearGrid target = smoothPicture(36, 36, 11);
    long long previous = std::numeric_limits<long long>::max();
    double previousScore = 0;
    for (const double weight : {0.5, 2.0, 5.0, 10.0, 20.0, 50.0}) {
        const auto optimised = optimisedWithTurns(target, weight);
        ASSERT_TRUE(optimised);
        const long long turns = totalTurns(*optimised);
        const double sde = score(target, *optimised, test::cubePalette());
        EXPECT_LE(turns, previous) << "weight " << weight;
        EXPECT_GE(sde, previousScore - 0.05) << "weight " << weight; // fewer turns cost likeness, never buy it
        previous = turns;
        previousScore = sde;
    }
}

TEST(LikenessOptimiserTurns, KeepEveryCubeWithinTheLimit)
{
    const LinearGrid target = smoothPicture(27, 27, 12);
    for (const int limit : {0, 1, 2, 4}) {
        const auto optimised = optimisedWithTurns(target, 0.0, limit);
        ASSERT_TRUE(optimised);
        for (int top = 0; top < 27; top += 3) {
            for (int left = 0; left < 27; left += 3) {
                std::array<cube::Colour, 9> face;
                for (int place = 0; place < 9; ++place)
                    face[std::size_t(place)] = *colourOf(optimised->at(left + place % 3, top + place / 3));
                ASSERT_LE(cube::faceTurnTable().turns(face), limit) << "cube at " << left << "," << top;
            }
        }
    }
}

TEST(LikenessOptimiserTurns, CostLikenessForFewerTurnsThanThePureOptimum)
{
    const StickerPalette palette = test::cubePalette();
    const LinearGrid target = smoothPicture(45, 45, 13);
    const auto pure = optimiseLikeness(target, palette, floydSteinberg(target, palette));
    const auto balanced = optimisedWithTurns(target, 5.0);
    ASSERT_TRUE(pure && balanced);
    EXPECT_LT(totalTurns(*balanced), totalTurns(*pure));
    EXPECT_GT(score(target, *balanced, palette), score(target, *pure, palette));
}

} // namespace
} // namespace tessaly::pattern
