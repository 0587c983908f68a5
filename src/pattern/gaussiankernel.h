#pragma once

#include <cstddef>
#include <vector>

namespace tessaly::pattern {

// A Gaussian truncated at `truncate` sigmas and normalised to sum 1, with
// scipy.ndimage's radius: int(truncate * sigma + 0.5).
struct GaussianKernel
{
    int radius = 0;
    std::vector<double> weights; // 2 * radius + 1: offsets -radius to radius

    double weight(int offset) const { return weights[std::size_t(offset + radius)]; }
};

GaussianKernel gaussianKernel(double sigma, double truncate);

// The position inside [0, length) that a position outside it reads when the
// edges are mirrored as scipy.ndimage's 'reflect' mode: d c b a | a b c d |
// d c b a, repeated as often as a kernel wider than the axis needs.
int mirroredIndex(int position, int length);

// One source of a blurred value.
struct Tap
{
    int source = 0;
    double weight = 0;

    bool operator==(const Tap &) const = default;
};

// For every position along an axis of `length` values, the kernel's taps with
// mirrored edges: each source once (the weights of a source the mirror folds
// onto more than one offset added up), sources ascending, weights summing to 1.
std::vector<std::vector<Tap>> mirroredTaps(const GaussianKernel &kernel, int length);

} // namespace tessaly::pattern
