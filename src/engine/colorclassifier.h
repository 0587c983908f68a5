#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tessaly {

// The six tolerance fields Text3(0) to Text3(5), as their texts read at one
// moment: each the field's number converted to a 32-bit whole number, or
// empty when that number lies outside the 32-bit range.
using Tolerances = std::array<std::optional<std::int32_t>, 6>;

// The tolerance field that governs each cube colour.
namespace ToleranceField {
constexpr int Orange = 0;
constexpr int Yellow = 1;
constexpr int Red = 2;
constexpr int Green = 3;
constexpr int Blue = 4;
constexpr int White = 5;
} // namespace ToleranceField

// Classifies one sample by its blue, green and red bytes (0 to 255): the
// palette index of the first reference colour, tested in the order orange,
// yellow, green, red, blue, white, that lies within its field's tolerance;
// black (6) when none does. The first one near enough wins, not the nearest.
//
// Sets index and returns true when it completes. Returns false, leaving index
// as it was, when a test is reached whose tolerance is out of range; the
// tolerances of tests that are not reached are never looked at.
bool ClassifyColor(std::int16_t blue, std::int16_t green, std::int16_t red,
                   std::int16_t &index, const Tolerances &tolerances);

} // namespace tessaly
