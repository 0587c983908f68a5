#pragma once

#include "pattern/gaussiankernel.h"
#include "pattern/opponentcolour.h"

#include <array>

namespace tessaly::pattern {

// How much the eye blurs each opponent channel of a wall seen from a few
// steps away, in cells: luminance least, the two chromatic channels twice as
// much; each Gaussian truncated at 3 sigmas.
inline constexpr std::array<double, 3> OpponentSigmas = {0.75, 1.5, 1.5};
inline constexpr double OpponentTruncation = 3.0;

// The three kernels, in the order luminance, red-green, blue-yellow.
const std::array<GaussianKernel, 3> &opponentKernels();

// Every channel of the field blurred by its kernel, along rows and then down
// columns, with mirrored edges.
OpponentGrid blurOpponents(const OpponentGrid &field);

} // namespace tessaly::pattern
