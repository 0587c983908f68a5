#include "support/wallturns.h"

#include "cube/shippedfaceturntable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::bench {
namespace {

// A pattern from rows of sticker letters (K for Unmatched).
pattern::StickerGrid gridOf(const std::vector<std::string> &rows)
{
    pattern::StickerGrid stickers(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < stickers.height(); ++y) {
        for (int x = 0; x < stickers.width(); ++x)
            stickers.at(x, y) = *pattern::stickerFromLetter(rows[std::size_t(y)][std::size_t(x)]);
    }
    return stickers;
}

struct WallTurnsCase
{
    const char *name;
    std::vector<std::string> rows;
    long long total;
    long long cubes;
};

// Only a solid face needs no turn, and one turn of a side layer recolours
// exactly one edge row or column of a solid front, so these counts follow
// from where each cube's cells are.
const WallTurnsCase WallTurnsCases[] = {
    {"SolidCubes", {"WWWBBB", "WWWBBB", "WWWBBB"}, 0, 2},
    {"EdgeColumnOfTheSecondCube", {"GGGGGW", "GGGGGW", "GGGGGW"}, 1, 2},
    {"EdgeRowOfTheSecondCube", {"BBBRRR", "BBBBBB", "BBBBBB"}, 1, 2},
    {"EdgeRowOfTheLowerCube", {"WWW", "WWW", "WWW", "RRR", "RRR", "YYY"}, 1, 2},
    {"EdgeColumnInEveryCube", {"GGWYYR", "GGWYYR", "GGWYYR", "OBBWWW", "OBBWWW", "OBBOOO"}, 4, 4},
    {"CellsPastTheLastWholeCubeLeftOut", {"WWWWWWK", "WWWWWWK", "WWWWWWK", "KKKKKKK"}, 0, 2},
};

class WallTurnsTest : public testing::TestWithParam<WallTurnsCase>
{
};

TEST_P(WallTurnsTest, AddsUpEachWholeCubesTurns)
{
    const WallTurnsCase &c = GetParam();
    const auto turns = countWallTurns(gridOf(c.rows), cube::faceTurnTable());
    ASSERT_TRUE(turns);
    EXPECT_EQ(turns->total, c.total);
    EXPECT_EQ(turns->cubes, c.cubes);
    EXPECT_DOUBLE_EQ(turns->perCube(), double(c.total) / double(c.cubes));
}

INSTANTIATE_TEST_SUITE_P(Walls, WallTurnsTest, testing::ValuesIn(WallTurnsCases),
                         [](const testing::TestParamInfo<WallTurnsCase> &info) { return info.param.name; });

TEST(WallTurnsTest, AMiddleColumnTakesMoreThanOneTurn)
{
    // The same colours as an edge column, but no single turn makes them:
    // the cube's cells must be taken in their places, not shifted by one.
    const auto turns = countWallTurns(gridOf({"GWG", "GWG", "GWG"}), cube::faceTurnTable());
    ASSERT_TRUE(turns);
    EXPECT_GE(turns->total, 2);
}

TEST(WallTurnsTest, NoCountWhereACubeHasAnUnmatchedCell)
{
    EXPECT_FALSE(countWallTurns(gridOf({"WWWWWW", "WWWWKW", "WWWWWW"}), cube::faceTurnTable()));
}

TEST(WallTurnsTest, AnEmptyPatternHasNoCubes)
{
    const auto turns = countWallTurns(pattern::StickerGrid(), cube::faceTurnTable());
    ASSERT_TRUE(turns);
    EXPECT_EQ(turns->cubes, 0);
    EXPECT_EQ(turns->perCube(), 0.0);
}

} // namespace
} // namespace tessaly::bench
