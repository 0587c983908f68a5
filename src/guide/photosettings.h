#pragma once

#include "pattern/patternrecipe.h"

#include <QString>

#include <optional>

namespace tessaly {

// What the photo pattern's options ask for before the picture is read: the
// recipe's parts as given (the wall perhaps only as a number of cubes) and
// the palette by name or file.
struct PhotoSettings
{
    std::optional<pattern::WallSize> wall; // --wall
    std::optional<long long> cubes;        // --cubes: about this many, fitted to the picture
    pattern::Fit fit = pattern::Fit::Crop;
    std::optional<pattern::CropRect> crop;
    pattern::Adjustments adjustments;
    QString palette = QStringLiteral("standard"); // a built-in palette's name, else a palette file
    QString colours; // the palette's letters to use; empty for all of them
    pattern::Method method = pattern::Method::Optimised;
    double turnWeight = pattern::DefaultTurnWeight; // the optimised method's
    std::optional<int> maxTurns;
};

} // namespace tessaly
