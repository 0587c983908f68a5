#include "pattern/opponentblur.h"

#include <gtest/gtest.h>

namespace tessaly::pattern {
namespace {

TEST(OpponentBlurTest, LeavesAnEvenFieldAsItIsUpToTheEdges)
{
    const OpponentGrid field(7, 4, {0.5, -0.25, 0.125});
    const OpponentGrid blurred = blurOpponents(field);
    for (const OpponentColour &colour : blurred.values()) {
        EXPECT_NEAR(colour.luminance, 0.5, 1e-12);
        EXPECT_NEAR(colour.redGreen, -0.25, 1e-12);
        EXPECT_NEAR(colour.blueYellow, 0.125, 1e-12);
    }
}

} // namespace
} // namespace tessaly::pattern
