#pragma once

#include "pattern/patternrecipe.h"

#include <optional>

namespace tessaly::studio {

// The walls the Studio makes stay within the size tessaly-guide allows: at
// most MaxWallCubes cubes (guide/photooptionvalues.h), however long a side.

enum class WallSide { Columns, Rows };

// The wall the size boxes make when the `edited` side of `typed` was
// changed. With lockedAspect (the picture's width / height) the other side
// follows it, rounded and at least 1. An edited side that would take the
// wall over MaxWallCubes is cut back to the longest that keeps it within;
// sides below 1 count as 1.
pattern::WallSize typedWallWithinLimit(pattern::WallSize typed, WallSide edited, std::optional<double> lockedAspect);

} // namespace tessaly::studio
