#pragma once

#include "platform/color.h"

#include <array>

namespace tessaly {

// The seven output colours of the mosaic, by palette index.
using Palette = std::array<Color, 7>;

namespace PaletteIndex {
constexpr int Red = 0;
constexpr int Green = 1;
constexpr int Blue = 2;
constexpr int White = 3;
constexpr int Orange = 4;
constexpr int Yellow = 5;
constexpr int Black = 6;
} // namespace PaletteIndex

// The palette's colours in index order: red, green, blue, white, orange,
// yellow, black.
constexpr Palette StandardPalette = {
    rgbColor(255, 0, 0),     rgbColor(0, 255, 0),   rgbColor(0, 0, 255),
    rgbColor(255, 255, 255), rgbColor(255, 128, 0), rgbColor(255, 255, 0),
    rgbColor(0, 0, 0),
};

} // namespace tessaly
