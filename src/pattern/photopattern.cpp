#include "pattern/photopattern.h"

#include "cube/shippedfaceturntable.h"
#include "pattern/adjustments.h"
#include "pattern/arearesample.h"
#include "pattern/errordiffusion.h"
#include "pattern/framing.h"
#include "pattern/likeness.h"
#include "pattern/likenessoptimiser.h"
#include "pattern/nearestcolour.h"
#include "pattern/ordereddither.h"

#include <algorithm>
#include <string>

namespace tessaly::pattern {

namespace {

// The crop rectangle's pixels as a picture of their own, so that padding
// around it is white rather than the rest of the picture.
SrgbPicture croppedPicture(const SrgbPicture &picture, const CropRect &crop)
{
    SrgbPicture cropped{crop.width, crop.height, {}};
    cropped.rgb.reserve(std::size_t(crop.width) * std::size_t(crop.height) * 3);
    for (int y = crop.y; y < crop.y + crop.height; ++y) {
        const auto row = picture.rgb.begin() + std::ptrdiff_t((std::size_t(y) * std::size_t(picture.width) + std::size_t(crop.x)) * 3);
        cropped.rgb.insert(cropped.rgb.end(), row, row + std::ptrdiff_t(crop.width) * 3);
    }
    return cropped;
}

// Each cell's colour: the framed region of the picture averaged, then adjusted.
LinearGrid targetOf(const SrgbPicture &picture, const PatternRecipe &recipe)
{
    const WallSize wall = recipe.wall;
    LinearGrid target;
    if (recipe.crop && recipe.fit == Fit::Pad) {
        const SrgbPicture cropped = croppedPicture(picture, *recipe.crop);
        const SourceRegion region = frameRegion(cropped.width, cropped.height, wall, recipe.fit, std::nullopt);
        target = areaAverage(cropped, region, wall.cellColumns(), wall.cellRows());
    } else {
        const SourceRegion region = frameRegion(picture.width, picture.height, wall, recipe.fit, recipe.crop);
        target = areaAverage(picture, region, wall.cellColumns(), wall.cellRows());
    }
    adjust(target, recipe.adjustments, recipe.palette);
    return target;
}

std::optional<StickerGrid> matched(const LinearGrid &target, const PatternRecipe &recipe,
                                   const PatternProgress &progress)
{
    switch (recipe.method) {
    case Method::Nearest: return nearestColour(target, recipe.palette);
    case Method::Ordered: return orderedDither(target, recipe.palette);
    case Method::Diffusion: return floydSteinberg(target, recipe.palette);
    case Method::Atkinson: return atkinson(target, recipe.palette);
    case Method::Optimised: {
        LikenessOptimiserSettings settings;
        if (recipe.turnWeight <= 0 && !recipe.maxTurns) {
            // Error diffusion already mixes colours where the picture needs
            // a mix, which leaves the search less to do than a flat start.
            return optimiseLikeness(target, recipe.palette, floydSteinberg(target, recipe.palette), settings, progress);
        }
        // Counting turns, a flat start lets the search add only the detail
        // worth its turns, where a dither would have to be undone.
        settings.turnTable = &cube::faceTurnTable();
        settings.turnWeight = std::max(0.0, recipe.turnWeight);
        settings.maxTurns = recipe.maxTurns;
        return optimiseLikeness(target, recipe.palette, nearestColour(target, recipe.palette), settings, progress);
    }
    case Method::Exact: break;
    }
    return std::nullopt;
}

} // namespace

PhotoPatternResult makePhotoPattern(const SrgbPicture &picture, const PatternRecipe &recipe,
                                    const PatternProgress &progress)
{
    PhotoPatternResult result;
    if (picture.isNull()) {
        result.error = "the picture is empty";
        return result;
    }
    if (recipe.wall.columns < 1 || recipe.wall.rows < 1) {
        result.error = "the wall needs at least one column and one row of cubes";
        return result;
    }
    if (recipe.palette.colours.size() < 2) {
        result.error = "the palette needs at least two colours";
        return result;
    }
    if (recipe.method == Method::Exact) {
        result.error = "an exact pattern is read from a sticker map, not made from a picture";
        return result;
    }
    if (recipe.crop) {
        result.error = checkCrop(*recipe.crop, picture.width, picture.height);
        if (!result.error.empty())
            return result;
    }
    if (recipe.maxTurns && (*recipe.maxTurns < 0 || *recipe.maxTurns > MostTurnsAnyFace)) {
        result.error = "the turn limit must be 0 to " + std::to_string(MostTurnsAnyFace);
        return result;
    }
    if (const std::string wrong = checkAdjustments(recipe.adjustments); !wrong.empty()) {
        result.error = wrong;
        return result;
    }

    LinearGrid target = targetOf(picture, recipe);
    if (progress && !progress(0, 1)) {
        result.cancelled = true;
        return result;
    }
    std::optional<StickerGrid> stickers = matched(target, recipe, progress);
    if (!stickers) {
        result.cancelled = true;
        return result;
    }
    const double score = spatialDifference(seenLab(target), *stickers, recipe.palette);
    result.pattern = PhotoPattern{std::move(*stickers), std::move(target), score};
    return result;
}

} // namespace tessaly::pattern
