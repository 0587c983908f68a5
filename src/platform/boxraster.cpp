#include "platform/boxraster.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

// Rounding of a coordinate already clamped to a few pixels round the image,
// where int() cannot overflow. Cheaper than std::ceil and std::floor.
int ceilToInt(double value)
{
    const int truncated = int(value);
    return truncated + (truncated < value);
}

int floorToInt(double value)
{
    const int truncated = int(value);
    return truncated - (truncated > value);
}

// The pixel positions p with lower <= p <= upper that lie in 0..extent-1.
// Both ends are clamped to -1..extent in double precision before anything
// becomes an int, so huge or infinite coordinates can never overflow a
// conversion; NaN gives no span.
std::optional<PixelSpan> clippedSpan(double lower, double upper, int extent)
{
    if (!(lower <= upper)) // also false for NaN
        return std::nullopt;
    const double edge = extent;
    const int first = std::max(ceilToInt(std::clamp(lower, -1.0, edge)), 0);
    const int last = std::min(floorToInt(std::clamp(upper, -1.0, edge)), extent - 1);
    if (first > last)
        return std::nullopt;
    return PixelSpan{first, last};
}

// A whole-number pixel line, if it lies inside 0..extent-1.
std::optional<int> lineInside(double line, int extent)
{
    if (!(line >= 0 && line < extent))
        return std::nullopt;
    return int(line);
}

} // namespace

std::optional<PixelSpan> filledSpan(float c1, float c2, int extent)
{
    if (std::isnan(c1) || std::isnan(c2))
        return std::nullopt;
    return clippedSpan(std::min(c1, c2), std::max(c1, c2), extent);
}

OutlineAxis outlineAxis(float c1, float c2, int extent)
{
    if (std::isnan(c1) || std::isnan(c2))
        return {};
    const double low = std::ceil(double(std::min(c1, c2)));
    const double high = std::ceil(double(std::max(c1, c2)));
    return {clippedSpan(low, high, extent), lineInside(low, extent), lineInside(high, extent)};
}

} // namespace tessaly
