#pragma once

#include "guide/photosettings.h"
#include "pattern/patternrecipe.h"

#include <QString>

#include <optional>

namespace tessaly {

// A photo pattern's recipe, or why the picture cannot take the settings.
struct PhotoRecipe
{
    std::optional<pattern::PatternRecipe> recipe;
    QString error;
};

// The one place settings become a recipe, for a picture of this size and
// the chosen palette: the crop is checked against the picture, and a number
// of cubes becomes the wall of about that many in the shape of the framed
// part (the crop, else the whole picture). Not for Method::Exact, which
// reads a sticker map as it is.
PhotoRecipe photoRecipe(const PhotoSettings &settings, const pattern::StickerPalette &palette, int pictureWidth,
                        int pictureHeight);

} // namespace tessaly
