#include "guide/photorecipe.h"

#include "pattern/framing.h"

namespace tessaly {

PhotoRecipe photoRecipe(const PhotoSettings &settings, const pattern::StickerPalette &palette, int pictureWidth,
                        int pictureHeight)
{
    pattern::PatternRecipe recipe;
    if (settings.crop) {
        const std::string problem = pattern::checkCrop(*settings.crop, pictureWidth, pictureHeight);
        if (!problem.empty())
            return {std::nullopt, QStringLiteral("cannot crop the picture: %1").arg(QString::fromStdString(problem))};
        recipe.crop = settings.crop;
    }
    if (settings.wall) {
        recipe.wall = *settings.wall;
    } else {
        const double framedWidth = settings.crop ? settings.crop->width : pictureWidth;
        const double framedHeight = settings.crop ? settings.crop->height : pictureHeight;
        recipe.wall = pattern::wallForCubesWithinLimit(settings.cubes.value_or(1), framedWidth / framedHeight);
    }
    recipe.fit = settings.fit;
    recipe.adjustments = settings.adjustments;
    recipe.palette = palette;
    recipe.method = settings.method;
    recipe.turnWeight = settings.turnWeight;
    recipe.maxTurns = settings.maxTurns;
    return {recipe, {}};
}

} // namespace tessaly
