#pragma once

#include "pattern/colourscience.h"

#include <limits>

namespace tessaly::pattern {

// A colour made ready for many CIEDE2000 comparisons: its chroma worked out once.
struct ChromaLab
{
    Lab lab;
    double chroma = 0;
};

ChromaLab chromaLab(const Lab &lab);

// The square of ciede2000(one.lab, other.lab), to within rounding, several
// times faster. Made for finding the nearest of several colours: once the
// difference is sure to exceed stopAbove, it returns early with a value
// above stopAbove (but not the difference).
double squaredCiede2000(const ChromaLab &one, const ChromaLab &other,
                        double stopAbove = std::numeric_limits<double>::infinity());

} // namespace tessaly::pattern
