#pragma once

#include "pattern/picture.h"
#include "pattern/sourceregion.h"

namespace tessaly::pattern {

// The region of the picture resampled to columns x rows cells: each cell the
// exact mean, in linear light, of the part of the region it covers, pixels
// it covers in part weighted by the share they cover. Parts of the region
// outside the picture count as white (linear 1, 1, 1).
//
// The region must have a positive width and height; columns and rows must
// not be negative. The picture is read row by row and never copied.
LinearGrid areaAverage(const SrgbPicture &picture, const SourceRegion &region, int columns, int rows);

} // namespace tessaly::pattern
