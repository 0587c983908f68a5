#include "runshape.h"

#include <cmath>

namespace tessaly::bench {

namespace {

std::int64_t samplesAlong(int size, double count)
{
    const double step = std::nearbyint(size / count); // ties to even
    return std::int64_t(std::floor(size / step)) + 1;
}

} // namespace

std::int64_t RunShape::cells() const
{
    return samplesAlong(picture.width(), columnCount) * samplesAlong(picture.height(), rowCount);
}

} // namespace tessaly::bench
