#pragma once

#include <cstdint>

namespace tessaly {

// A colour as red + 256 * green + 65536 * blue, red in the low byte, each
// channel 0 to 255. A sample taken outside a picture reads as -1.
using Color = std::int32_t;

constexpr Color rgbColor(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

} // namespace tessaly
