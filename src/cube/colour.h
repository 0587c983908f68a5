#pragma once

#include <cstdint>

namespace tessaly::cube {

// The six sticker colours of a standard cube. White is opposite yellow, red
// opposite orange, blue opposite green; held with white on top and green in
// front, red is on the right.
enum class Colour : std::uint8_t { White, Yellow, Red, Orange, Blue, Green };

inline constexpr int ColourCount = 6;

// The colour on the opposite side of the cube.
constexpr Colour opposite(Colour colour)
{
    return Colour(std::uint8_t(colour) ^ 1u);
}

// W, Y, R, O, B, G.
constexpr char colourLetter(Colour colour)
{
    return "WYROBG"[std::uint8_t(colour)];
}

// white, yellow, red, orange, blue, green.
constexpr const char *colourName(Colour colour)
{
    constexpr const char *Names[ColourCount] = {"white", "yellow", "red", "orange", "blue", "green"};
    return Names[std::uint8_t(colour)];
}

} // namespace tessaly::cube
