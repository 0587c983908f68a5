#pragma once

#include "pattern/patternrecipe.h"
#include "pattern/sourceregion.h"

#include <optional>
#include <string>

namespace tessaly::pattern {

// The region of the picture the wall shows, in picture pixels. The wall's
// cells have the aspect columns : rows; the framed area is the whole
// picture, or the crop rectangle when one is given:
// - Crop: the largest centred region of the wall's aspect inside it;
// - Pad: it whole, centred in the smallest region of the wall's aspect
//   around it, which reaches outside it on two sides. Outside the picture
//   that region is white; around a crop rectangle it shows the picture
//   where there is picture, so white bars round a crop need the picture
//   cut to the crop first;
// - Stretch: it whole, whatever its aspect.
// The wall needs columns and rows of at least 1, the picture a width and
// height of at least 1, and the crop to pass checkCrop.
SourceRegion frameRegion(int pictureWidth, int pictureHeight, WallSize wall, Fit fit,
                         const std::optional<CropRect> &crop);

// Why the crop rectangle cannot be framed in a picture of this size (it is
// empty, or reaches outside the picture), with its numbers; empty when it
// can.
std::string checkCrop(const CropRect &crop, int pictureWidth, int pictureHeight);

// The wall of about the number of cubes whose shape fits the aspect
// (width / height of the framed region). Of all walls of at least 1 x 1
// cubes, it takes the one with the smallest
//     |ln((columns / rows) / aspect)| + |ln(columns x rows / cubes)|,
// the relative error of its shape plus that of its size, so neither gives
// way to the other; of walls within 1e-9 of that, the one with the number
// of cubes nearest the request, then the one longer along the picture's
// longer side (wider for a square). A very wide or tall aspect thus gives a
// single row or column of the requested length. Fewer than 1 cube counts
// as 1, and an aspect that is not a finite number above 0 as 1.
WallSize wallForCubes(long long cubes, double aspect);

// The most cubes a wall may have: more than any wall people build, few
// enough for a pattern to be made in minutes.
inline constexpr long long MaxWallCubes = 1'000'000;

// wallForCubes for at most MaxWallCubes cubes; when the wall of the
// aspect nearest that number has more, the nearest to a smaller number
// that fits.
WallSize wallForCubesWithinLimit(long long cubes, double aspect);

} // namespace tessaly::pattern
