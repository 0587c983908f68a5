#pragma once

#include "pattern/grid.h"

namespace tessaly::pattern {

// The mean structural similarity (Wang, Bovik, Sheikh and Simoncelli, 2004)
// of two grids of one size, as scikit-image's structural_similarity computes
// it by default: a uniform window of windowSize x windowSize cells, sample
// variances and covariance, K1 = 0.01, K2 = 0.03, and the mean over the
// places where the window lies wholly inside the grids. 1 for equal grids.
//
// windowSize must be odd, at least 3 and at most the grids' width and height.
double structuralSimilarity(const Grid<double> &one, const Grid<double> &other, int windowSize, double dataRange);

} // namespace tessaly::pattern
