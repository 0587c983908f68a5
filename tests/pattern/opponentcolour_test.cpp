#include "pattern/opponentcolour.h"

#include <gtest/gtest.h>

namespace tessaly::pattern {
namespace {

class OpponentGreyTest : public testing::TestWithParam<double> {};

// Greys are D65 white at any luminance (the sRGB primaries' own white is a
// hair away from it).
TEST_P(OpponentGreyTest, GreysHaveNoChroma)
{
    const double y = GetParam();
    const OpponentColour grey = opponentOf(Xyz{0.95047 * y, y, 1.08883 * y});
    EXPECT_NEAR(grey.redGreen, 0.0, 1e-12);
    EXPECT_NEAR(grey.blueYellow, 0.0, 1e-12);
    // Zhang and Wandell's luminance row applied to the grey.
    EXPECT_NEAR(grey.luminance, y * (0.2787336 * 0.95047 + 0.7218031 - 0.1065520 * 1.08883), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Levels, OpponentGreyTest, testing::Values(0.0, 0.05, 0.2158605, 0.5, 1.0));

TEST(OpponentColourTest, GoesBackToTheSameColour)
{
    for (const LinearRgb colour : {LinearRgb{1, 0, 0}, LinearRgb{0.02f, 0.6f, 0.3f}, LinearRgb{0, 0.0865f, 0.4179f}}) {
        const LinearRgb back = linearOf(opponentOf(colour));
        EXPECT_NEAR(back.r, colour.r, 1e-6);
        EXPECT_NEAR(back.g, colour.g, 1e-6);
        EXPECT_NEAR(back.b, colour.b, 1e-6);
    }
}

} // namespace
} // namespace tessaly::pattern
