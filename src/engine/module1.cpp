#include "engine/module1.h"

#include <cmath>
#include <cstdlib>

namespace tessaly::Module1 {

namespace {

// Sum of the squared byte differences: 0 to 195,075.
std::int32_t squaredDistance(const ColorBytes &a, const ColorBytes &b)
{
    const int low = std::abs(a.Low - b.Low);
    const int middle = std::abs(a.Middle - b.Middle);
    const int high = std::abs(a.High - b.High);
    return low * low + middle * middle + high * high;
}

} // namespace

ColorBytes SplitColor(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

std::int32_t TripleDistance(const ColorBytes &a, const ColorBytes &b)
{
    // No sum of three squares has a square root ending in exactly .5, so the
    // rounding never meets a half-way case.
    return static_cast<std::int32_t>(std::lround(std::sqrt(double(squaredDistance(a, b)))));
}

std::int32_t ColorDistance(std::int32_t color1, std::int32_t color2)
{
    return TripleDistance(SplitColor(color1), SplitColor(color2));
}

bool IsNearColor(std::int32_t color1, std::int32_t color2, std::int32_t tolerance)
{
    // round(sqrt(s)) <= t  exactly when  t >= 0 and s <= t * (t + 1), since
    // round(sqrt(s)) <= t means sqrt(s) < t + 0.5, i.e. s < t^2 + t + 0.25.
    // The square-free form spares the square root on the hot path.
    if (tolerance < 0)
        return false;
    const std::int64_t bound = std::int64_t(tolerance) * (std::int64_t(tolerance) + 1);
    return squaredDistance(SplitColor(color1), SplitColor(color2)) <= bound;
}

} // namespace tessaly::Module1
