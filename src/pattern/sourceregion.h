#pragma once

namespace tessaly::pattern {

// A region of a picture in picture pixels, maybe fractional; any part outside the picture counts as white.
struct SourceRegion
{
    double x, y, width, height;
};

} // namespace tessaly::pattern
