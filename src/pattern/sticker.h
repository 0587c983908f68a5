#pragma once

#include "cube/colour.h"
#include "pattern/grid.h"

#include <cstdint>
#include <optional>

namespace tessaly::pattern {

// What one cell of a pattern shows: a sticker of a cube colour, or no
// colour at all (a cell the window's mosaic left black; scored as mid grey).
enum class Sticker : std::uint8_t { White, Yellow, Red, Orange, Blue, Green, Unmatched };

inline constexpr int StickerColourCount = cube::ColourCount;

constexpr Sticker stickerOf(cube::Colour colour)
{
    return Sticker(std::uint8_t(colour));
}

// The cube colour of a sticker; empty for Unmatched.
constexpr std::optional<cube::Colour> colourOf(Sticker sticker)
{
    if (sticker == Sticker::Unmatched)
        return std::nullopt;
    return cube::Colour(std::uint8_t(sticker));
}

// W Y R O B G, and K for Unmatched.
constexpr char stickerLetter(Sticker sticker)
{
    return "WYROBGK"[std::uint8_t(sticker)];
}

// The sticker a letter names (either case); empty for any other character.
constexpr std::optional<Sticker> stickerFromLetter(char letter)
{
    const char upper = (letter >= 'a' && letter <= 'z') ? char(letter - 'a' + 'A') : letter;
    for (std::uint8_t s = 0; s <= std::uint8_t(Sticker::Unmatched); ++s) {
        if (stickerLetter(Sticker(s)) == upper)
            return Sticker(s);
    }
    return std::nullopt;
}

// A pattern: one sticker per cell, 3 x columns by 3 x rows cells for a wall
// of columns x rows cubes.
using StickerGrid = Grid<Sticker>;

} // namespace tessaly::pattern
