#include "guide/stickermapimage.h"

#include <algorithm>

namespace tessaly {

QImage stickerMapImage(const pattern::Grid<pattern::Srgb8> &pixels)
{
    QImage image(pixels.width(), pixels.height(), QImage::Format_RGB888);
    if (image.isNull())
        return image;
    for (int y = 0; y < pixels.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            const pattern::Srgb8 pixel = pixels.at(x, y);
            line[3 * x] = pixel.r;
            line[3 * x + 1] = pixel.g;
            line[3 * x + 2] = pixel.b;
        }
    }
    return image;
}

pattern::Grid<pattern::Srgb8> pixelGridOf(const pattern::SrgbPicture &picture)
{
    pattern::Grid<pattern::Srgb8> pixels(std::max(0, picture.width), std::max(0, picture.height));
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            pixels.at(x, y) = picture.pixel(x, y);
    return pixels;
}

} // namespace tessaly
