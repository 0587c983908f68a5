#include "pattern/opponentblur.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tessaly::pattern {

namespace {

using Channel = double OpponentColour::*;
constexpr std::array<Channel, 3> Channels = {&OpponentColour::luminance, &OpponentColour::redGreen,
                                             &OpponentColour::blueYellow};

// One channel of a field on its own, row after row, so that the blur's inner
// loops run along memory.
struct Plane
{
    int width = 0;
    int height = 0;
    std::vector<double> values;

    double *row(int y) { return values.data() + std::size_t(y) * std::size_t(width); }
    const double *row(int y) const { return values.data() + std::size_t(y) * std::size_t(width); }
};

void copyChannel(const OpponentGrid &field, Channel channel, Plane &plane)
{
    for (std::size_t i = 0; i < field.size(); ++i)
        plane.values[i] = field.values()[i].*channel;
}

double blurredAt(const double *row, const std::vector<Tap> &taps)
{
    double sum = 0;
    for (const Tap &tap : taps)
        sum += tap.weight * row[tap.source];
    return sum;
}

// Mirrored taps near the ends of a row; the kernel as it is in between.
void blurAlongRows(const Plane &plane, const GaussianKernel &kernel, Plane &result)
{
    const std::vector<std::vector<Tap>> taps = mirroredTaps(kernel, plane.width);
    const int radius = kernel.radius;
    const int innerBegin = std::min(radius, plane.width);
    const int innerEnd = std::max(plane.width - radius, innerBegin);
    for (int y = 0; y < plane.height; ++y) {
        const double *in = plane.row(y);
        double *out = result.row(y);
        for (int x = 0; x < innerBegin; ++x)
            out[x] = blurredAt(in, taps[std::size_t(x)]);
        for (int x = innerBegin; x < innerEnd; ++x) {
            double sum = 0;
            for (int offset = -radius; offset <= radius; ++offset)
                sum += kernel.weight(offset) * in[x + offset];
            out[x] = sum;
        }
        for (int x = innerEnd; x < plane.width; ++x)
            out[x] = blurredAt(in, taps[std::size_t(x)]);
    }
}

// Whole rows at a time: each row of the result a weighted sum of rows.
void blurDownColumns(const Plane &plane, const GaussianKernel &kernel, Plane &result)
{
    const std::vector<std::vector<Tap>> taps = mirroredTaps(kernel, plane.height);
    const std::size_t width = std::size_t(plane.width);
    for (int y = 0; y < plane.height; ++y) {
        double *out = result.row(y);
        std::fill(out, out + width, 0.0);
        for (const Tap &tap : taps[std::size_t(y)]) {
            const double *in = plane.row(tap.source);
            for (std::size_t x = 0; x < width; ++x)
                out[x] += tap.weight * in[x];
        }
    }
}

std::array<GaussianKernel, 3> makeOpponentKernels()
{
    std::array<GaussianKernel, 3> kernels;
    for (std::size_t channel = 0; channel < kernels.size(); ++channel)
        kernels[channel] = gaussianKernel(OpponentSigmas[channel], OpponentTruncation);
    return kernels;
}

} // namespace

const std::array<GaussianKernel, 3> &opponentKernels()
{
    static const std::array<GaussianKernel, 3> kernels = makeOpponentKernels();
    return kernels;
}

OpponentGrid blurOpponents(const OpponentGrid &field)
{
    OpponentGrid result(field.width(), field.height());
    Plane source{field.width(), field.height(), std::vector<double>(field.size())};
    Plane alongRows = source;
    Plane blurred = source;
    for (std::size_t channel = 0; channel < Channels.size(); ++channel) {
        const GaussianKernel &kernel = opponentKernels()[channel];
        copyChannel(field, Channels[channel], source);
        blurAlongRows(source, kernel, alongRows);
        blurDownColumns(alongRows, kernel, blurred);
        for (std::size_t i = 0; i < result.size(); ++i)
            result.values()[i].*Channels[channel] = blurred.values[i];
    }
    return result;
}

} // namespace tessaly::pattern
