#pragma once

namespace tessaly::pattern {

// The part of a picture a pattern is made from, in picture pixels (possibly
// fractional); it may reach outside the picture, where it counts as white.
struct SourceRegion
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

} // namespace tessaly::pattern
