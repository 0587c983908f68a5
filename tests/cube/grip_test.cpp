#include "cube/grip.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly::cube {
namespace {

TEST(GripTest, ListsTheTwentyFourGripsInOrder)
{
    const auto &grips = allGrips();
    EXPECT_EQ(grips[0], (Grip{Colour::Green, Colour::White}));
    EXPECT_EQ(grips[1], (Grip{Colour::Green, Colour::Yellow}));
    EXPECT_EQ(grips[2], (Grip{Colour::Green, Colour::Red}));
    EXPECT_EQ(grips[3], (Grip{Colour::Green, Colour::Orange}));
    EXPECT_EQ(grips[4], (Grip{Colour::Red, Colour::White}));
    EXPECT_EQ(grips[7], (Grip{Colour::Red, Colour::Green}));
    EXPECT_EQ(grips[16], (Grip{Colour::White, Colour::Red}));
    EXPECT_EQ(grips[23], (Grip{Colour::Yellow, Colour::Green}));
    for (std::size_t i = 0; i < grips.size(); ++i) {
        EXPECT_TRUE(isValid(grips[i]));
        EXPECT_EQ(std::count(grips.begin(), grips.end(), grips[i]), 1);
    }
}

TEST(GripTest, TopMustNotBeFrontOrItsOpposite)
{
    EXPECT_FALSE(isValid({Colour::Green, Colour::Green}));
    EXPECT_FALSE(isValid({Colour::Green, Colour::Blue}));
    EXPECT_FALSE(isValid({Colour::White, Colour::Yellow}));
    EXPECT_TRUE(isValid({Colour::White, Colour::Blue}));
}

struct FacesCase {
    Grip grip;
    Colour right;
    Colour left;
};

class GripFacesTest : public testing::TestWithParam<FacesCase> {};

// Worked out by turning a real cube: white up, green front, red right.
TEST_P(GripFacesTest, GivesEveryFaceItsColour)
{
    const auto [grip, right, left] = GetParam();
    EXPECT_EQ(colourOnFace(grip, Face::Front), grip.front);
    EXPECT_EQ(colourOnFace(grip, Face::Back), opposite(grip.front));
    EXPECT_EQ(colourOnFace(grip, Face::Up), grip.top);
    EXPECT_EQ(colourOnFace(grip, Face::Down), opposite(grip.top));
    EXPECT_EQ(colourOnFace(grip, Face::Right), right);
    EXPECT_EQ(colourOnFace(grip, Face::Left), left);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, GripFacesTest,
    testing::Values(FacesCase{{Colour::Green, Colour::White}, Colour::Red, Colour::Orange},
                    FacesCase{{Colour::Green, Colour::Yellow}, Colour::Orange, Colour::Red},
                    FacesCase{{Colour::Red, Colour::White}, Colour::Blue, Colour::Green},
                    FacesCase{{Colour::Blue, Colour::White}, Colour::Orange, Colour::Red},
                    FacesCase{{Colour::White, Colour::Green}, Colour::Orange, Colour::Red},
                    FacesCase{{Colour::Green, Colour::Red}, Colour::Yellow, Colour::White}));

} // namespace
} // namespace tessaly::cube
