#include "pattern/likeness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaly::pattern {
namespace {

// Two colours only, so that the palette lacks four stickers.
StickerPalette whiteAndBlue()
{
    StickerPalette palette;
    palette.colours = {{Sticker::White, {0xFF, 0xFF, 0xFF}, "white"}, {Sticker::Blue, {0x00, 0x46, 0xAD}, "blue"}};
    return palette;
}

// Stickers in rows of letters.
StickerGrid stickersOf(const std::vector<std::string> &rows)
{
    StickerGrid stickers(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < stickers.height(); ++y)
        for (int x = 0; x < stickers.width(); ++x)
            stickers.at(x, y) = *stickerFromLetter(rows[std::size_t(y)][std::size_t(x)]);
    return stickers;
}

TEST(LikenessTest, AMosaicOfTheTargetsOwnColoursIsPerfect)
{
    const StickerGrid stickers = stickersOf({"WBWBW", "BBWWB", "WWWBB", "BWBWB"});
    const LinearGrid target = mosaicColours(stickers, whiteAndBlue());
    const Likeness score = likeness(target, stickers, whiteAndBlue());
    EXPECT_NEAR(score.sde, 0.0, 1e-9);
    EXPECT_NEAR(score.de, 0.0, 1e-9);
    EXPECT_NEAR(score.ssim, 1.0, 1e-9);
}

TEST(LikenessTest, ScoresUnmatchedCellsAndMissingStickersAsMidGrey)
{
    const LinearGrid grey(4, 3, linearOf(UnmatchedColour));
    const Likeness score = likeness(grey, stickersOf({"KKRR", "GGKK", "KOYK"}), whiteAndBlue());
    EXPECT_NEAR(score.sde, 0.0, 1e-9);
    EXPECT_NEAR(score.de, 0.0, 1e-9);
}

TEST(LikenessTest, BlurHidesAFineCheckerThatEveryCellGetsWrong)
{
    // A fine checker of white and blue against their even mixture: every
    // cell far off, the whole barely noticeably so from afar. The figures
    // are those the score's Python reference implementation gives.
    std::vector<std::string> rows;
    for (int y = 0; y < 12; ++y)
        rows.push_back(y % 2 ? "BWBWBWBWBWBW" : "WBWBWBWBWBWB");
    const StickerGrid checker = stickersOf(rows);
    const LinearRgb blue = linearOf(Srgb8{0x00, 0x46, 0xAD});
    const LinearGrid mixture(12, 12, LinearRgb{(1 + blue.r) / 2, (1 + blue.g) / 2, (1 + blue.b) / 2});
    const Likeness score = likeness(mixture, checker, whiteAndBlue());
    EXPECT_NEAR(score.sde, 0.727333, 1e-5);
    EXPECT_NEAR(score.de, 31.701744, 1e-5);
    EXPECT_NEAR(score.ssim, 0.939527, 1e-5);
    EXPECT_DOUBLE_EQ(spatialDifference(seenLab(mixture), checker, whiteAndBlue()), score.sde);
}

TEST(LikenessTest, SimilarityNeedsThreeCellsEachWay)
{
    const StickerGrid stickers = stickersOf({"WBWBWB", "BWBWBW"});
    const Likeness score = likeness(mosaicColours(stickers, whiteAndBlue()), stickers, whiteAndBlue());
    EXPECT_TRUE(std::isnan(score.ssim));
    EXPECT_NEAR(score.sde, 0.0, 1e-9);
}

} // namespace
} // namespace tessaly::pattern
