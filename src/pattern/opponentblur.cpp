#include "pattern/opponentblur.h"

#include <cstddef>
#include <vector>

namespace tessaly::pattern {

namespace {

using Channel = double OpponentColour::*;
constexpr std::array<Channel, 3> Channels = {&OpponentColour::luminance, &OpponentColour::redGreen,
                                             &OpponentColour::blueYellow};

using AxisTaps = std::vector<std::vector<Tap>>;

void blurAlongRows(const OpponentGrid &field, OpponentGrid &result, Channel channel, const AxisTaps &taps)
{
    const std::size_t width = std::size_t(field.width());
    for (int y = 0; y < field.height(); ++y) {
        const OpponentColour *in = field.values().data() + std::size_t(y) * width;
        OpponentColour *out = result.values().data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            double sum = 0;
            for (const Tap &tap : taps[x])
                sum += tap.weight * (in[tap.source].*channel);
            out[x].*channel = sum;
        }
    }
}

// Whole rows at a time, so that the inner loop runs along memory.
void blurDownColumns(const OpponentGrid &field, OpponentGrid &result, Channel channel, const AxisTaps &taps)
{
    const std::size_t width = std::size_t(field.width());
    for (int y = 0; y < field.height(); ++y) {
        OpponentColour *out = result.values().data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x)
            out[x].*channel = 0;
        for (const Tap &tap : taps[std::size_t(y)]) {
            const OpponentColour *in = field.values().data() + std::size_t(tap.source) * width;
            for (std::size_t x = 0; x < width; ++x)
                out[x].*channel += tap.weight * (in[x].*channel);
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
    OpponentGrid alongRows(field.width(), field.height());
    OpponentGrid result(field.width(), field.height());
    for (std::size_t channel = 0; channel < Channels.size(); ++channel) {
        const GaussianKernel &kernel = opponentKernels()[channel];
        blurAlongRows(field, alongRows, Channels[channel], mirroredTaps(kernel, field.width()));
        blurDownColumns(alongRows, result, Channels[channel], mirroredTaps(kernel, field.height()));
    }
    return result;
}

} // namespace tessaly::pattern
