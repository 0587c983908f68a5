#include "pattern/structuralsimilarity.h"

#include <gtest/gtest.h>

namespace tessaly::pattern {
namespace {

// With data range 100: C1 = (0.01 * 100)^2 = 1, C2 = (0.03 * 100)^2 = 9.

TEST(StructuralSimilarityTest, EvenGridsCompareOnlyTheirMeans)
{
    // No variance: (2 * 50 * 60 + 1) / (50^2 + 60^2 + 1).
    EXPECT_NEAR(structuralSimilarity(Grid<double>(5, 4, 50.0), Grid<double>(5, 4, 60.0), 3, 100.0),
                6001.0 / 6101.0, 1e-12);
}

TEST(StructuralSimilarityTest, UsesSampleStatisticsOfTheWindow)
{
    // One 3 x 3 window of 0 to 8 against its negation: means 4 and -4,
    // sample variances 60 / 8 = 7.5, covariance -7.5:
    // (2 * 4 * -4 + 1) * (2 * -7.5 + 9) / ((16 + 16 + 1) * (15 + 9)) = 186 / 792.
    Grid<double> ramp(3, 3);
    Grid<double> negated(3, 3);
    for (int i = 0; i < 9; ++i) {
        ramp.values()[std::size_t(i)] = i;
        negated.values()[std::size_t(i)] = -i;
    }
    EXPECT_NEAR(structuralSimilarity(ramp, negated, 3, 100.0), 186.0 / 792.0, 1e-12);
    EXPECT_NEAR(structuralSimilarity(ramp, ramp, 3, 100.0), 1.0, 1e-12);
}

} // namespace
} // namespace tessaly::pattern
