#include "cube/move.h"

#include <gtest/gtest.h>

namespace tessaly::cube {
namespace {

TEST(MoveTest, IndexIsFaceTimesThreePlusAmount)
{
    EXPECT_EQ(Move::of(Face::Up, 0).index, 0);
    EXPECT_EQ(Move::of(Face::Right, 1).index, 10);
    EXPECT_EQ(Move::of(Face::Back, 2).index, 17);
    EXPECT_EQ(Move{10}.face(), Face::Right);
    EXPECT_EQ(Move::of(Face::Front, 0).inverse(), Move::of(Face::Front, 2));
    EXPECT_EQ(Move::of(Face::Front, 1).inverse(), Move::of(Face::Front, 1));
}

TEST(MoveTest, FormatsSingmasterNotation)
{
    const std::vector<Move> moves = {Move::of(Face::Right, 0), Move::of(Face::Up, 1), Move::of(Face::Front, 2),
                                     Move::of(Face::Down, 0), Move::of(Face::Left, 1), Move::of(Face::Back, 2)};
    EXPECT_EQ(formatMoves(moves), "R U2 F' D L2 B'");
    EXPECT_EQ(formatMoves({}), "");
}

TEST(MoveTest, ParsingUndoesFormattingForEveryTurn)
{
    std::vector<Move> all;
    for (int index = 0; index < MoveCount; ++index)
        all.push_back(Move{std::uint8_t(index)});
    EXPECT_EQ(parseMoves(formatMoves(all)), all);
    EXPECT_EQ(parseMoves(""), std::vector<Move>{});
}

class MoveRefusalTest : public testing::TestWithParam<const char *> {};

TEST_P(MoveRefusalTest, RefusesText)
{
    EXPECT_EQ(parseMoves(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(BadTexts, MoveRefusalTest,
                         testing::Values("X", "r", "R3", "R'2", "R2'", "RU", "R  U", " R", "R ", " ", "M",
                                         "R\tU", "U,R", "x"));

} // namespace
} // namespace tessaly::cube
