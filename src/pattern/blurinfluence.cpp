#include "pattern/blurinfluence.h"

#include <cassert>

namespace tessaly::pattern {

BlurInfluence::BlurInfluence(const GaussianKernel &kernel, int length)
    : m_weights(std::size_t(length) * BlurLanes, 0.0f)
{
    assert(kernel.radius <= BlurReach);
    const std::vector<std::vector<Tap>> taps = mirroredTaps(kernel, length);
    for (int target = 0; target < length; ++target) {
        for (const Tap &tap : taps[std::size_t(target)])
            m_weights[std::size_t(tap.source) * BlurLanes + std::size_t(target - tap.source + BlurReach)] += float(tap.weight);
    }
}

} // namespace tessaly::pattern
