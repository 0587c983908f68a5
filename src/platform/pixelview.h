#pragma once

#include "platform/color.h"

#include <cstddef>
#include <cstdint>

namespace tessaly {

// A picture's pixels as plain memory, read only: 32-bit words 0xAARRGGBB
// (QImage::Format_RGB32; the top byte is ignored), rows stride words apart.
// It does not own the pixels; whoever hands one out says how long it stays
// valid.
struct PixelView
{
    const std::uint32_t *bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    // The Color of the pixel at (x, y), coordinates taken down to whole
    // pixels; -1 outside.
    Color point(float x, float y) const
    {
        // Inside, a coordinate is never negative, so truncating it takes it
        // down to its whole pixel.
        if (!(x >= 0 && x < width && y >= 0 && y < height))
            return -1;
        const std::uint32_t pixel = bits[std::ptrdiff_t(y) * stride + std::ptrdiff_t(x)];
        return rgbColor(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF));
    }
};

} // namespace tessaly
