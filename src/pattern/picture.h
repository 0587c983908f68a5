#pragma once

#include "pattern/colourscience.h"
#include "pattern/grid.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessaly::pattern {

// A picture in 8-bit sRGB, opaque: the pixels a pattern is made from, rows
// top to bottom, three bytes (red, green, blue) a pixel.
struct SrgbPicture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool isNull() const { return width <= 0 || height <= 0; }
    Srgb8 pixel(int x, int y) const
    {
        const std::size_t at = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

// How a picture file's embedded colour space (an ICC profile, a PNG's
// gamma) is taken: a photograph's colours are converted to sRGB from it; a
// sticker map's pixels are read as they are stored, for they name palette
// colours exactly, whatever a paint program wrote beside them.
enum class EmbeddedColourSpace { ConvertToSrgb, Ignore };

// Each cell's colour in linear light: the target a pattern matches.
using LinearGrid = Grid<LinearRgb>;

} // namespace tessaly::pattern
