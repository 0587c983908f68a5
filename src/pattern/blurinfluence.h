#pragma once

#include "pattern/gaussiankernel.h"

#include <vector>

namespace tessaly::pattern {

// How far a cell's colour reaches in the blurred picture the likeness score
// compares: the chromatic blur's radius, the larger of the two.
constexpr int BlurReach = 5;
constexpr int BlurWindow = 2 * BlurReach + 1;
// A window row, padded so that inner loops run over whole vectors of four.
constexpr int BlurLanes = 12;
static_assert(BlurLanes >= BlurWindow && BlurLanes % 4 == 0);

// How much one cell weighs in the blurred value of the cells up to
// BlurReach away along one axis, mirrored edges included: for cell
// `source`, the weights of blurred cells source - BlurReach ... source +
// BlurReach, then zeros to BlurLanes.
class BlurInfluence
{
public:
    // The kernel's radius must be at most BlurReach.
    BlurInfluence(const GaussianKernel &kernel, int length);

    const float *weights(int source) const { return &m_weights[std::size_t(source) * BlurLanes]; }

private:
    std::vector<float> m_weights;
};

} // namespace tessaly::pattern
