#pragma once

// The pattern layer's one Qt edge: the rest of its headers are plain C++.
// Its users link Qt6::Gui themselves.

#include "pattern/picture.h"

#include <QImage>

namespace tessaly::pattern {

// The image as the plain sRGB picture a pattern is made from: converted to
// sRGB from its colour space when it has another (in place where Qt can;
// unless told to ignore it), then composited over white in sRGB values,
// c x a + (1 - a) rounded to a byte. The image is taken by value so that a
// caller who moves it in needs no more memory than the image and the
// result; a null image gives a null picture.
SrgbPicture srgbPictureOf(QImage image, EmbeddedColourSpace colourSpace = EmbeddedColourSpace::ConvertToSrgb);

} // namespace tessaly::pattern
