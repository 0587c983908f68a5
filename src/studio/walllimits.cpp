#include "studio/walllimits.h"

#include "guide/photooptionvalues.h"
#include "pattern/framing.h"

#include <algorithm>
#include <cmath>

namespace tessaly::studio {

namespace {

// The side that follows `side` on a wall whose edited side : other side is `ratio`.
long long followingSide(long long side, double ratio)
{
    return std::clamp<long long>(std::llround(double(side) / ratio), 1, MaxWallCubes);
}

// The longest side up to `side` whose wall, the other side following it,
// has at most MaxWallCubes cubes. The wall grows with the side, so a
// binary search finds it; 1 always fits, its follower being at most the limit.
long long longestLockedSide(long long side, double ratio)
{
    long long fits = 1;
    long long tooLong = side + 1;
    while (tooLong - fits > 1) {
        const long long middle = fits + (tooLong - fits) / 2;
        if (middle * followingSide(middle, ratio) <= MaxWallCubes)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits;
}

} // namespace

pattern::WallSize typedWallWithinLimit(pattern::WallSize typed, WallSide edited, std::optional<double> lockedAspect)
{
    // Worked as if the columns were edited, the rows following.
    const bool rowsEdited = edited == WallSide::Rows;
    long long side = std::clamp<long long>(rowsEdited ? typed.rows : typed.columns, 1, MaxWallCubes);
    long long other = std::clamp<long long>(rowsEdited ? typed.columns : typed.rows, 1, MaxWallCubes);
    if (lockedAspect && *lockedAspect > 0) {
        const double ratio = rowsEdited ? 1 / *lockedAspect : *lockedAspect;
        side = longestLockedSide(side, ratio);
        other = followingSide(side, ratio);
    } else {
        side = std::min(side, MaxWallCubes / other);
    }
    return rowsEdited ? pattern::WallSize{int(other), int(side)} : pattern::WallSize{int(side), int(other)};
}

} // namespace tessaly::studio
