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
ColorBytes SplitColor(std::int32_t value);

// The Euclidean distance of two byte triples, rounded to the nearest whole
// number: 0 to 442.
std::int32_t TripleDistance(const ColorBytes &a, const ColorBytes &b);

// TripleDistance of the two colours' bytes.
std::int32_t ColorDistance(std::int32_t color1, std::int32_t color2);

// True when ColorDistance of the two colours is at most the tolerance.
bool IsNearColor(std::int32_t color1, std::int32_t color2, std::int32_t tolerance);

} // namespace tessaly::Module1
