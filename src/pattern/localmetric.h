#pragma once

#include "pattern/colourscience.h"

#include <array>
#include <cmath>

namespace tessaly::pattern {

// CIEDE2000 near one colour as a quadratic form in CIELAB: the difference
// of a Lab step d is about sqrt(d' M d). Symmetric; the six entries m_LL,
// m_La, m_Lb, m_aa, m_ab, m_bb.
using LocalMetric = std::array<float, 6>;

// The metric at a Lab colour, from CIEDE2000 differences between colours
// half a unit either side of it along the axes and their diagonals.
LocalMetric localMetric(const Lab &at);

// The colour difference the metric gives a Lab step.
inline float difference(const LocalMetric &m, float dl, float da, float db)
{
    const float q = m[0] * dl * dl + m[3] * da * da + m[5] * db * db
                  + 2.0f * (m[1] * dl * da + m[2] * dl * db + m[4] * da * db);
    return std::sqrt(q > 0.0f ? q : 0.0f);
}

} // namespace tessaly::pattern
