// The build time: its arithmetic, the work counted in a part of the wall,
// and how a time reads.

#include "guide/buildtime.h"
#include "guide/buildguide.h"
#include "guide/wallplan.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

struct SecondsCase
{
    std::int64_t cubes;
    std::int64_t turns;
    BuildPace pace;
    double seconds;
};

class BuildSecondsTest : public testing::TestWithParam<SecondsCase> {};

TEST_P(BuildSecondsTest, CubesAndTurnsAtThePace)
{
    const auto &[cubes, turns, pace, seconds] = GetParam();
    CubeWork work;
    work.cubes = cubes;
    work.turns = turns;
    EXPECT_DOUBLE_EQ(buildSeconds(work, pace), seconds);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildSecondsTest,
                         testing::Values(SecondsCase{0, 0, {}, 0},
                                         // 1,085 cubes and 209 turns at 3 s and 10 s.
                                         SecondsCase{1085, 209, {}, 10850 + 627},
                                         SecondsCase{4, 10, {2.5, 0}, 25},
                                         SecondsCase{4, 10, {0, 90}, 360},
                                         SecondsCase{1'765'687, 4'000'000, {3600, 3600}, 5'765'687.0 * 3600}));

struct TimeTextCase
{
    double seconds;
    const char *text;
};

class BuildTimeTextTest : public testing::TestWithParam<TimeTextCase> {};

TEST_P(BuildTimeTextTest, ReadsToTheNearestMinute)
{
    EXPECT_EQ(formatBuildTime(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildTimeTextTest,
                         testing::Values(TimeTextCase{0, "0 min"}, TimeTextCase{29, "< 1 min"},
                                         TimeTextCase{30, "1 min"}, TimeTextCase{89, "1 min"},
                                         TimeTextCase{90, "2 min"}, TimeTextCase{3569, "59 min"},
                                         TimeTextCase{3570, "1 h"}, TimeTextCase{9300, "2 h 35 min"},
                                         TimeTextCase{11477, "3 h 11 min"}, TimeTextCase{360000, "100 h"},
                                         TimeTextCase{3600.0 * 12039, "12,039 h"},
                                         TimeTextCase{3600.0 * 1'234'567 + 60, "1,234,567 h 1 min"}));

TEST(CubeWorkTest, CountsTheSpanOnly)
{
    // 2 x 2 cubes; the span takes the right column.
    BuildGuide guide;
    guide.figures.cubeColumns = 2;
    guide.figures.cubeRows = 2;
    const char *const faces[] = {"WWWWWWWWW", "RRRKKK---", "YYYYYYYYY", "GBGBGBGBK"};
    for (int at = 0; at < 4; ++at) {
        GuideCube cube;
        cube.column = at % 2 + 1;
        cube.row = at / 2 + 1;
        cube.face = *faceFromLetters(faces[at]);
        cube.twists = CubeTwists{cube::Colour::Green, cube::Colour::White, at + 1, ""};
        guide.cubes.push_back(cube);
    }
    const CubeWork work = workIn(guide, CubeSpan{2, 1, 1, 2});
    EXPECT_EQ(work.cubes, 2);
    EXPECT_EQ(work.turns, 2 + 4);
    EXPECT_EQ(work.stickers[std::size_t(cube::Colour::Red)], 3);
    EXPECT_EQ(work.stickers[std::size_t(cube::Colour::Green)], 4);
    EXPECT_EQ(work.stickers[std::size_t(cube::Colour::Blue)], 4);
    EXPECT_EQ(work.stickers[std::size_t(cube::Colour::White)], 0);
    EXPECT_EQ(work.blackCells, 3 + 1);

    CubeWork sum = work;
    sum += workIn(guide, CubeSpan{1, 1, 1, 2});
    EXPECT_EQ(sum.cubes, 4);
    EXPECT_EQ(sum.turns, 10);
    EXPECT_EQ(sum.stickers[std::size_t(cube::Colour::White)], 9);
}

} // namespace
} // namespace tessaly
