#pragma once

#include "guide/photofacts.h"
#include "pattern/patternrecipe.h"

#include <QString>
#include <QStringList>

namespace tessaly {

// The words the summary and the PDF give a photo pattern's facts.

// "#B71234".
QString hexText(pattern::Srgb8 colour);
// "40 x 30 cubes".
QString wallText(pattern::WallSize wall);
// The adjustments not at 0: "brightness +10", "contrast -5", "auto-levels".
QStringList adjustmentTexts(const pattern::Adjustments &adjustments);
// "7.85 (lower is better)".
QString likenessText(double likeness);

// "optimised, turn weight 5, at most 4 turns a cube", or the method alone.
QString methodText(const PhotoFacts &facts);

} // namespace tessaly
