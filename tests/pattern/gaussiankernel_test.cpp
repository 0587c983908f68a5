#include "pattern/gaussiankernel.h"
#include "pattern/opponentblur.h"

#include <gtest/gtest.h>

namespace tessaly::pattern {
namespace {

TEST(GaussianKernelTest, OpponentKernelsReachAsFarAsScipyTruncatesThem)
{
    // int(3 * sigma + 0.5): 2 for 0.75, 5 for 1.5.
    EXPECT_EQ(opponentKernels()[0].radius, 2);
    EXPECT_EQ(opponentKernels()[1].radius, 5);
    EXPECT_EQ(opponentKernels()[2].radius, 5);
}

// scipy's 'reflect' on an axis a b c: ... b c | c b a | a b c | c b a | a b ...
TEST(GaussianKernelTest, MirrorsPositionsOutsideTheAxisAgainAndAgain)
{
    const int expected[] = {1, 2, 2, 1, 0, 0, 1, 2, 2, 1, 0};
    for (int position = -5; position <= 5; ++position)
        EXPECT_EQ(mirroredIndex(position, 3), expected[position + 5]) << "position " << position;
    EXPECT_EQ(mirroredIndex(-7, 1), 0);
    EXPECT_EQ(mirroredIndex(-1, 10), 0);
    EXPECT_EQ(mirroredIndex(10, 10), 9);
}

TEST(GaussianKernelTest, FoldsTheMirroredTapsOntoEachSource)
{
    const GaussianKernel kernel = gaussianKernel(1.5, 3.0);
    const std::vector<std::vector<Tap>> taps = mirroredTaps(kernel, 3);
    ASSERT_EQ(taps.size(), 3u);
    // From position 0, offsets -5 to 5 read sources 1 2 2 1 0 0 1 2 2 1 0.
    const auto w = [&kernel](int offset) { return kernel.weight(offset); };
    const std::vector<Tap> expected = {{0, w(-1) + w(0) + w(5)},
                                       {1, w(-5) + w(-2) + w(1) + w(4)},
                                       {2, w(-4) + w(-3) + w(2) + w(3)}};
    ASSERT_EQ(taps[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(taps[0][i].source, expected[i].source);
        EXPECT_NEAR(taps[0][i].weight, expected[i].weight, 1e-15);
    }
    const std::vector<std::vector<Tap>> single = mirroredTaps(kernel, 1);
    ASSERT_EQ(single.size(), 1u);
    ASSERT_EQ(single[0].size(), 1u);
    EXPECT_EQ(single[0][0].source, 0);
    EXPECT_NEAR(single[0][0].weight, 1.0, 1e-15);
}

} // namespace
} // namespace tessaly::pattern
