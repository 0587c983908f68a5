#include "pattern/qtpicture.h"

#include <QColorSpace>

#include <algorithm>

namespace tessaly::pattern {

namespace {

// Rows turned into 8-bit ARGB at a time: a strip, never a copy of the whole picture.
constexpr int StripRows = 64;

void convertToSrgb(QImage &image)
{
    const QColorSpace srgb(QColorSpace::SRgb);
    if (image.colorSpace().isValid() && image.colorSpace() != srgb)
        image.convertToColorSpace(srgb);
}

// channel x alpha / 255 + (255 - alpha), rounded; the exact value is never
// halfway between two bytes, as 255 is odd.
std::uint8_t overWhite(int channel, int alpha)
{
    if (alpha == 255)
        return std::uint8_t(channel);
    return std::uint8_t((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

} // namespace

SrgbPicture srgbPictureOf(QImage image, EmbeddedColourSpace colourSpace)
{
    if (image.isNull())
        return {};
    if (colourSpace == EmbeddedColourSpace::ConvertToSrgb)
        convertToSrgb(image);

    SrgbPicture picture{image.width(), image.height(), {}};
    picture.rgb.resize(std::size_t(picture.width) * std::size_t(picture.height) * 3);
    auto out = picture.rgb.begin();
    for (int top = 0; top < picture.height; top += StripRows) {
        const int rows = std::min(StripRows, picture.height - top);
        const QImage strip = image.copy(0, top, picture.width, rows).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < rows; ++y) {
            const auto *pixels = reinterpret_cast<const QRgb *>(strip.constScanLine(y));
            for (int x = 0; x < picture.width; ++x) {
                const int alpha = qAlpha(pixels[x]);
                *out++ = overWhite(qRed(pixels[x]), alpha);
                *out++ = overWhite(qGreen(pixels[x]), alpha);
                *out++ = overWhite(qBlue(pixels[x]), alpha);
            }
        }
    }
    return picture;
}

} // namespace tessaly::pattern
