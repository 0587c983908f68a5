#pragma once

// Number and text conversions shared by every layer. Plain C++, no state.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace tessaly {

// Reads a number from a field's text the way every field of the program is
// read: blanks, tabs and line feeds are dropped first, then the longest
// leading part that forms a number is taken: digits with an optional sign,
// one decimal point and an optional exponent ("-12.5e3"), or "&H" followed by
// hexadecimal digits, read as a non-negative hexadecimal number ("&HFF" is
// 255, "&h1f" is 31). A text with no such part reads as 0. Texts are UTF-8.
// A number too large for a double reads as plus or minus infinity.
double readNumber(std::string_view text);

// Conversion to a whole number: to the nearest, a value exactly half-way going
// to the even neighbour (2.5 -> 2, 3.5 -> 4). Empty when the result lies
// outside the target's range (or the value is not a number): an overflow.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// The largest whole number not above the value.
double wholePart(double value);

// Rounds a value to single precision, as a single-precision argument does.
// Inline: the mosaic converts four coordinates per cell.
inline float toSingle(double value)
{
    // A double at least half a unit in the last place above FLT_MAX rounds to
    // infinity; casting it directly would be undefined. Anything below still
    // rounds to a finite single (3.4028235e38 is FLT_MAX, not infinity).
    constexpr double overflowThreshold = double(FLT_MAX) + 0x1p103;
    if (std::isfinite(value) && std::fabs(value) >= overflowThreshold)
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

} // namespace tessaly
