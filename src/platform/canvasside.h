#pragma once

namespace tessaly {

// Outer side of the window's square canvas, its border included. The window
// draws its mosaic there, and the guide draws the same canvas without a window.
inline constexpr int WindowCanvasSide = 441;

} // namespace tessaly
