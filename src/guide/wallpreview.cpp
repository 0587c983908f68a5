#include "guide/wallpreview.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace tessaly {

namespace {

constexpr int CubeSide = 3;
const QColor BodyColour(24, 24, 24); // a cube's black plastic
const QColor SeamColour(64, 64, 64); // the hairline where two cubes meet
// Below this many pixels a sticker there is no room for body and seams.
constexpr int MinShapedScale = 4;
constexpr int StickerKinds = int(pattern::Sticker::Unmatched) + 1;
constexpr int BytesPerPixel = 3; // Format_RGB888

// One sticker's square of the picture: its colour on the cube's body.
QImage stickerTile(pattern::Srgb8 colour, int scale)
{
    const QColor fill(colour.r, colour.g, colour.b);
    QImage tile(scale, scale, QImage::Format_RGB888);
    if (scale < MinShapedScale) {
        tile.fill(fill);
        return tile;
    }
    tile.fill(BodyColour);
    const int margin = std::max(1, int(std::lround(scale / 10.0)));
    const QRectF sticker(margin, margin, scale - 2 * margin, scale - 2 * margin);
    // A sticker of a few pixels has no room for a rounded corner.
    const qreal radius = sticker.width() >= 4 ? sticker.width() * 0.18 : 0;
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(sticker, radius, radius);
    return tile;
}

// Every cell a copy of its sticker's tile, row by row of pixels.
void drawStickers(QImage &image, const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette,
                  int scale)
{
    std::array<QImage, StickerKinds> tiles;
    for (int kind = 0; kind < StickerKinds; ++kind)
        tiles[std::size_t(kind)] = stickerTile(pattern::displayColour(palette, pattern::Sticker(kind)), scale);

    const std::size_t tileRowBytes = std::size_t(scale) * BytesPerPixel;
    for (int y = 0; y < stickers.height(); ++y) {
        for (int tileRow = 0; tileRow < scale; ++tileRow) {
            uchar *line = image.scanLine(y * scale + tileRow);
            for (int x = 0; x < stickers.width(); ++x) {
                const QImage &tile = tiles[std::size_t(stickers.at(x, y))];
                std::memcpy(line + std::size_t(x) * tileRowBytes, tile.constScanLine(tileRow), tileRowBytes);
            }
        }
    }
}

// A line of one pixel on the first column and row of every cube but the
// first: inside the cube's body, never over a sticker.
void drawSeams(QImage &image, int scale)
{
    const int cubePixels = CubeSide * scale;
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SeamColour);
    for (int x = cubePixels; x < image.width(); x += cubePixels)
        painter.drawRect(x, 0, 1, image.height());
    for (int y = cubePixels; y < image.height(); y += cubePixels)
        painter.drawRect(0, y, image.width(), 1);
}

} // namespace

int fittingPreviewScale(const pattern::StickerGrid &stickers, int pixelsPerSticker)
{
    const int longestSide = std::max({1, stickers.width(), stickers.height()});
    return std::clamp(MaxPreviewSide / longestSide, 0, std::max(0, pixelsPerSticker));
}

QImage renderWallPreview(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette,
                         int pixelsPerSticker)
{
    const int scale = fittingPreviewScale(stickers, pixelsPerSticker);
    if (stickers.isEmpty() || scale < 1)
        return {};
    QImage image(stickers.width() * scale, stickers.height() * scale, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    drawStickers(image, stickers, palette, scale);
    if (scale >= MinShapedScale)
        drawSeams(image, scale);
    return image;
}

} // namespace tessaly
