#include "cube/cubestate.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::cube {
namespace {

// A face as colour letters in reading order.
std::string letters(const std::array<Colour, 9> &face)
{
    std::string text;
    for (const Colour colour : face)
        text += colourLetter(colour);
    return text;
}

struct FrontCase {
    Grip grip;
    const char *moves;
    const char *front; // reading order, worked out on a real cube
};

class FrontFaceAfterTest : public testing::TestWithParam<FrontCase> {};

TEST_P(FrontFaceAfterTest, ShowsTheHandWorkedFace)
{
    const auto [grip, text, front] = GetParam();
    const auto moves = parseMoves(text);
    ASSERT_TRUE(moves);
    EXPECT_EQ(letters(frontFaceAfter(grip, *moves)), front) << text;
}

constexpr Grip Standard{Colour::Green, Colour::White};

// R lifts the front's right column to the top and brings the bottom's up;
// U sends the front's top row to the left and brings the right face's in;
// L drops the front's left column and brings the top's; D sends the bottom row
// to the right and brings the left face's; F and B keep the front's colours.
INSTANTIATE_TEST_SUITE_P(
    HandWorked, FrontFaceAfterTest,
    testing::Values(FrontCase{Standard, "", "GGGGGGGGG"},
                    FrontCase{Standard, "R", "GGYGGYGGY"},
                    FrontCase{Standard, "R'", "GGWGGWGGW"},
                    FrontCase{Standard, "R2", "GGBGGBGGB"},
                    FrontCase{Standard, "U", "RRRGGGGGG"},
                    FrontCase{Standard, "U'", "OOOGGGGGG"},
                    FrontCase{Standard, "U2", "BBBGGGGGG"},
                    FrontCase{Standard, "L", "WGGWGGWGG"},
                    FrontCase{Standard, "D", "GGGGGGOOO"},
                    FrontCase{Standard, "F", "GGGGGGGGG"},
                    FrontCase{Standard, "B2", "GGGGGGGGG"},
                    FrontCase{Standard, "U R", "RRYGGYGGY"},
                    FrontCase{Standard, "R U", "RRRGGYGGY"},
                    FrontCase{Standard, "R F", "GGGGGGYYY"},
                    FrontCase{{Colour::Red, Colour::White}, "R", "RRYRRYRRY"},
                    FrontCase{{Colour::Red, Colour::White}, "U", "BBBRRRRRR"},
                    FrontCase{{Colour::White, Colour::Green}, "D", "WWWWWWRRR"},
                    FrontCase{{Colour::Green, Colour::Red}, "U", "YYYGGGGGG"}));

TEST(CubeStateTest, TurnsUndoAndRepeatAsTheyShould)
{
    for (int index = 0; index < MoveCount; ++index) {
        const Move move{std::uint8_t(index)};
        CubeState undone;
        undone.apply(move);
        EXPECT_NE(undone, CubeState());
        undone.apply(move.inverse());
        EXPECT_EQ(undone, CubeState()) << index;

        CubeState quarters;
        const Move quarter = Move::of(move.face(), 0);
        for (int i = 0; i < move.quarterTurns(); ++i)
            quarters.apply(quarter);
        CubeState once;
        once.apply(move);
        EXPECT_EQ(once, quarters) << index;
    }
}

TEST(CubeStateTest, OppositeFacesCommuteAndNeighboursDoNot)
{
    const auto check = [](const char *first, const char *second) {
        CubeState state;
        state.apply(*parseMoves(first));
        CubeState swapped;
        swapped.apply(*parseMoves(second));
        return state == swapped;
    };
    EXPECT_TRUE(check("U D'", "D' U"));
    EXPECT_TRUE(check("L2 R", "R L2"));
    EXPECT_FALSE(check("R U", "U R"));
    // R U R' U' repeats after six times.
    EXPECT_TRUE(check("R U R' U' R U R' U' R U R' U' R U R' U' R U R' U' R U R' U'", ""));
    EXPECT_FALSE(check("R U R' U' R U R' U'", ""));
}

} // namespace
} // namespace tessaly::cube
