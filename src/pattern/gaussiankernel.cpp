#include "pattern/gaussiankernel.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <map>

namespace tessaly::pattern {

GaussianKernel gaussianKernel(double sigma, double truncate)
{
    assert(sigma > 0 && truncate >= 0);
    GaussianKernel kernel;
    kernel.radius = int(truncate * sigma + 0.5);
    double sum = 0;
    for (int offset = -kernel.radius; offset <= kernel.radius; ++offset) {
        const double x = offset / sigma;
        kernel.weights.push_back(std::exp(-0.5 * x * x));
        sum += kernel.weights.back();
    }
    for (double &weight : kernel.weights)
        weight /= sum;
    return kernel;
}

int mirroredIndex(int position, int length)
{
    assert(length > 0);
    const int period = 2 * length;
    const int folded = ((position % period) + period) % period;
    return folded < length ? folded : period - 1 - folded;
}

std::vector<std::vector<Tap>> mirroredTaps(const GaussianKernel &kernel, int length)
{
    std::vector<std::vector<Tap>> taps(std::size_t(std::max(length, 0)));
    for (int position = 0; position < length; ++position) {
        std::map<int, double> weightOfSource;
        for (int offset = -kernel.radius; offset <= kernel.radius; ++offset)
            weightOfSource[mirroredIndex(position + offset, length)] += kernel.weight(offset);
        for (const auto &[source, weight] : weightOfSource)
            taps[std::size_t(position)].push_back({source, weight});
    }
    return taps;
}

} // namespace tessaly::pattern
