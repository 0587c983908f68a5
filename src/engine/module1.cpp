#include "engine/module1.h"

#include <cmath>

namespace tessaly::Module1 {

std::int32_t TripleDistance(const ColorBytes &a, const ColorBytes &b)
{
    // No sum of three squares has a square root ending in exactly .5, so the
    // rounding never meets a half-way case.
    return static_cast<std::int32_t>(std::lround(std::sqrt(double(SquaredDistance(a, b)))));
}

std::int32_t ColorDistance(std::int32_t color1, std::int32_t color2)
{
    return TripleDistance(SplitColor(color1), SplitColor(color2));
}

} // namespace tessaly::Module1
