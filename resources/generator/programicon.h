#pragma once

#include <QImage>

namespace tessaly::generator {

// Draws the 16 x 16 program icon: a 3 x 3 grid of squares shaded darker
// towards their lower right (red, yellow, blue / grey, white, black /
// green, cyan, magenta) on a blue-violet square whose corner pixels are
// transparent. The result has an alpha channel (Format_ARGB32).
QImage makeProgramIcon();

// Scales the icon up by a whole factor, pixel for pixel, so that larger
// desktop icons stay crisp.
QImage scaleIconUp(const QImage &icon, int factor);

} // namespace tessaly::generator
