#pragma once

#include "guide/buildguide.h"

namespace tessaly {

class MosaicCells;

// The wall of cubes that shows the mosaic: cell (i, j) is the place at row
// j mod 3 and column i mod 3 of cube (i / 3 + 1, j / 3 + 1). Places of the
// last cube column or row that lie beyond the mosaic are outside; black
// cells stay black (free). Counts the figures; twists are left empty.
BuildGuide buildGuide(const MosaicCells &cells);

} // namespace tessaly
