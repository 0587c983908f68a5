#pragma once

#include <cstdint>

// Pure colour functions: how far apart two colours lie.
namespace tessaly::Module1 {

// The three bytes of a colour value, low to high. Taken from a Color they
// are its red, green and blue.
struct ColorBytes
{
    std::uint8_t Low = 0;
    std::uint8_t Middle = 0;
    std::uint8_t High = 0;
};

// The low, middle and high bytes of a value of 0 or more; bits above the
// lowest 24 take no part.
constexpr ColorBytes SplitColor(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

// Sum of the squared byte differences: 0 to 195,075.
constexpr std::int32_t SquaredDistance(const ColorBytes &a, const ColorBytes &b)
{
    const int low = a.Low - b.Low;
    const int middle = a.Middle - b.Middle;
    const int high = a.High - b.High;
    return low * low + middle * middle + high * high;
}

// The Euclidean distance of two byte triples, rounded to the nearest whole
// number: 0 to 442.
std::int32_t TripleDistance(const ColorBytes &a, const ColorBytes &b);

// TripleDistance of the two colours' bytes.
std::int32_t ColorDistance(std::int32_t color1, std::int32_t color2);

// True when ColorDistance of the two colours is at most the tolerance.
// Inline: the classifier calls it up to six times for every sample.
constexpr bool IsNearColor(std::int32_t color1, std::int32_t color2, std::int32_t tolerance)
{
    // round(sqrt(s)) <= t  exactly when  t >= 0 and s <= t * (t + 1), since
    // round(sqrt(s)) <= t means sqrt(s) < t + 0.5, i.e. s < t^2 + t + 0.25.
    // The square-free form spares the square root on the hot path.
    if (tolerance < 0)
        return false;
    const std::int64_t bound = std::int64_t(tolerance) * (std::int64_t(tolerance) + 1);
    return SquaredDistance(SplitColor(color1), SplitColor(color2)) <= bound;
}

} // namespace tessaly::Module1
