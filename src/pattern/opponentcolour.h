#pragma once

#include "pattern/colourscience.h"
#include "pattern/grid.h"
#include "pattern/picture.h"

namespace tessaly::pattern {

// A colour in the opponent channels of S-CIELAB (Zhang and Wandell, "A
// spatial extension of CIELAB for digital color image reproduction", 1996):
// the eye blurs each channel by its own amount. The luminance share is taken
// out of the two chromatic channels, so every neutral grey has both at zero.
struct OpponentColour
{
    double luminance = 0;
    double redGreen = 0;
    double blueYellow = 0;
};

using OpponentGrid = Grid<OpponentColour>;

// The transform and its exact inverse; linear sRGB goes through CIE XYZ.
OpponentColour opponentOf(const Xyz &xyz);
OpponentColour opponentOf(LinearRgb colour);
Xyz xyzOf(const OpponentColour &colour);
LinearRgb linearOf(const OpponentColour &colour);

OpponentGrid opponentOf(const LinearGrid &colours);

} // namespace tessaly::pattern
