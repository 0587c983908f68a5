#include "pattern/framing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessaly::pattern {

namespace {

// The largest region of the wall's aspect centred inside the area, or the
// smallest centred around it.
enum class Enclosure { Inside, Around };

SourceRegion ofWallAspect(const CropRect &area, WallSize wall, Enclosure enclosure)
{
    // Compared as whole numbers, so an area of the wall's aspect is kept exactly.
    const bool widerThanWall = (long long)area.width * wall.rows > (long long)area.height * wall.columns;
    const bool keepHeight = widerThanWall == (enclosure == Enclosure::Inside);
    const double width = keepHeight ? double(area.height) * wall.columns / wall.rows : area.width;
    const double height = keepHeight ? area.height : double(area.width) * wall.rows / wall.columns;
    return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};
}

std::string cropText(const CropRect &crop)
{
    return "the crop of " + std::to_string(crop.width) + " x " + std::to_string(crop.height) + " pixels at ("
         + std::to_string(crop.x) + ", " + std::to_string(crop.y) + ")";
}

// Two walls' misfits closer than this count as equal.
constexpr double MisfitTolerance = 1e-9;

struct WallCandidate
{
    WallSize wall;
    double misfit = std::numeric_limits<double>::infinity();
    long long countError = 0;
};

WallCandidate candidate(WallSize wall, long long cubes, double aspect)
{
    const double shape = std::log(double(wall.columns) / wall.rows / aspect);
    const double size = std::log(double(wall.cubes()) / double(cubes));
    return {wall, std::abs(shape) + std::abs(size), std::llabs(wall.cubes() - cubes)};
}

bool isBetter(const WallCandidate &one, const WallCandidate &other)
{
    if (std::abs(one.misfit - other.misfit) > MisfitTolerance)
        return one.misfit < other.misfit;
    if (one.countError != other.countError)
        return one.countError < other.countError;
    return one.wall.columns > other.wall.columns;
}

int wholeCount(double value)
{
    return int(std::clamp(value, 1.0, double(std::numeric_limits<int>::max())));
}

// wallForCubes for an aspect of at least 1. For a given number of rows, the
// misfit is smallest for columns between rows x aspect and cubes / rows, so
// the whole numbers next to those two are the only columns to try; and it
// is at least |ln(rows^2 x aspect / cubes)|, which rules out every larger
// number of rows once that exceeds the best misfit found.
WallSize wideWallForCubes(long long cubes, double aspect)
{
    const double idealRows = std::sqrt(double(cubes) / aspect);
    WallCandidate best;
    for (int rows = 1; rows < std::numeric_limits<int>::max(); ++rows) {
        const double leastMisfit = std::abs(std::log(double(rows) * rows * aspect / double(cubes)));
        if (rows > idealRows && leastMisfit > best.misfit + MisfitTolerance)
            break;
        const double shapeColumns = rows * aspect;
        const double sizeColumns = double(cubes) / rows;
        for (const double columns : {std::floor(shapeColumns), std::ceil(shapeColumns), std::floor(sizeColumns),
                                     std::ceil(sizeColumns)}) {
            const WallCandidate next = candidate({wholeCount(columns), rows}, cubes, aspect);
            if (isBetter(next, best))
                best = next;
        }
    }
    return best.wall;
}

} // namespace

SourceRegion frameRegion(int pictureWidth, int pictureHeight, WallSize wall, Fit fit,
                         const std::optional<CropRect> &crop)
{
    const CropRect area = crop.value_or(CropRect{0, 0, pictureWidth, pictureHeight});
    switch (fit) {
    case Fit::Crop:
        return ofWallAspect(area, wall, Enclosure::Inside);
    case Fit::Pad:
        return ofWallAspect(area, wall, Enclosure::Around);
    case Fit::Stretch:
        break;
    }
    return {double(area.x), double(area.y), double(area.width), double(area.height)};
}

std::string checkCrop(const CropRect &crop, int pictureWidth, int pictureHeight)
{
    if (crop.width <= 0 || crop.height <= 0)
        return cropText(crop) + " is empty";
    const bool inside = crop.x >= 0 && crop.y >= 0 && (long long)crop.x + crop.width <= pictureWidth
                     && (long long)crop.y + crop.height <= pictureHeight;
    if (!inside)
        return cropText(crop) + " reaches outside the picture of " + std::to_string(pictureWidth) + " x "
             + std::to_string(pictureHeight) + " pixels";
    return {};
}

WallSize wallForCubes(long long cubes, double aspect)
{
    // Out of its range, the search would never end.
    cubes = std::max(cubes, 1LL);
    if (!std::isfinite(aspect) || aspect <= 0)
        aspect = 1;
    if (aspect >= 1)
        return wideWallForCubes(cubes, aspect);
    const WallSize tall = wideWallForCubes(cubes, 1 / aspect);
    return {tall.rows, tall.columns};
}

WallSize wallForCubesWithinLimit(long long cubes, double aspect)
{
    long long asked = std::min(cubes, MaxWallCubes);
    WallSize wall = wallForCubes(asked, aspect);
    // The nearest wall may round past the limit: ask for as many fewer as it
    // has too many until it fits (each try asks for fewer, down to 1 x 1).
    while (wall.cubes() > MaxWallCubes) {
        asked -= wall.cubes() - MaxWallCubes;
        wall = wallForCubes(asked, aspect);
    }
    return wall;
}

} // namespace tessaly::pattern
