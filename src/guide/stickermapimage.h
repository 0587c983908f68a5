#pragma once

#include "pattern/colourscience.h"
#include "pattern/grid.h"
#include "pattern/picture.h"

#include <QImage>

namespace tessaly {

// A sticker map's pixels as a picture to write, one pixel a sticker.
QImage stickerMapImage(const pattern::Grid<pattern::Srgb8> &pixels);

// A picture's pixels as the grid a sticker map is read from.
pattern::Grid<pattern::Srgb8> pixelGridOf(const pattern::SrgbPicture &picture);

} // namespace tessaly
