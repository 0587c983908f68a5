#pragma once

// How boxes with single-precision corners map to whole pixels, along one
// axis at a time. Plain C++, no state: CanvasImage draws through these, and
// the generation run works out its cells' pixels with them once per column,
// so both always cover the same pixels.
//
// A filled box covers the pixels p with c1 <= p <= c2, i.e. ceil(c1) to
// floor(c2); a box outline draws each edge on the one pixel line ceil(c) of
// its coordinate c. Everything is clipped to 0..extent-1; coordinates may lie
// anywhere, far outside or infinite, and a coordinate that is not a number
// gives nothing.

#include <optional>

namespace tessaly {

// A run of whole pixel positions first..last, both included.
struct PixelSpan
{
    int first = 0;
    int last = -1;

    bool operator==(const PixelSpan &) const = default;
};

// The pixels a filled box with the corner coordinates c1 and c2 (either
// order) covers along an axis of the given extent.
std::optional<PixelSpan> filledSpan(float c1, float c2, int extent);

// What a box outline with the corner coordinates c1 and c2 (either order)
// covers along one axis: the span from one edge line to the other, on which
// the edges across this axis run, and the two edge lines themselves, each
// empty when it lies outside.
struct OutlineAxis
{
    std::optional<PixelSpan> span;
    std::optional<int> lowLine;
    std::optional<int> highLine;

    bool operator==(const OutlineAxis &) const = default;
};

OutlineAxis outlineAxis(float c1, float c2, int extent);

} // namespace tessaly
