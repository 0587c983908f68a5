#pragma once

#include <QSize>

namespace tessaly {

// The window's client size when the program starts.
inline constexpr QSize StartClientSize(739, 447);

// The client size that shows a source picture box of the given outer size
// whole, beside the canvas and under the panel, and never less than the
// start size: the window grows with a large picture and comes back to the
// start size for a small one.
QSize clientSizeShowing(QSize sourceBoxSize);

} // namespace tessaly
