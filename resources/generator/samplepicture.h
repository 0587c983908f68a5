#pragma once

#include <QImage>

namespace tessaly::generator {

// Draws the built-in sample picture: a 208 x 183 hue and saturation chart.
// Hue runs along the columns, saturation falls down the bands towards a
// near-neutral grey, inside a light grey margin and a sunken 1-pixel frame,
// with a small black cross-hair near the field's bottom-right corner.
// The result is opaque (Format_RGB32) so that a BMP writer stores it as 24-bit.
QImage makeSamplePicture();

} // namespace tessaly::generator
