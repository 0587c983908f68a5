#include "patternpreview.h"

#include <algorithm>

namespace tessaly::bench {

namespace {

// Where a cell's square starts along one side: its cell's offset plus the
// lines of the cubes before it.
int squareStart(int cell)
{
    return cell * StickerSide + (cell / 3) * CubeLine;
}

int previewLength(int cells)
{
    return cells * StickerSide + (cells - 1) / 3 * CubeLine;
}

} // namespace

QImage drawPatternPreview(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette)
{
    if (stickers.isEmpty())
        return {};
    QImage preview(previewLength(stickers.width()), previewLength(stickers.height()), QImage::Format_RGB32);
    preview.fill(LineColour);
    for (int y = 0; y < stickers.height(); ++y) {
        for (int x = 0; x < stickers.width(); ++x) {
            const pattern::Srgb8 colour = pattern::displayColour(palette, stickers.at(x, y));
            const QRgb pixel = qRgb(colour.r, colour.g, colour.b);
            for (int row = squareStart(y); row < squareStart(y) + StickerSide; ++row) {
                auto *line = reinterpret_cast<QRgb *>(preview.scanLine(row));
                std::fill(line + squareStart(x), line + squareStart(x) + StickerSide, pixel);
            }
        }
    }
    return preview;
}

} // namespace tessaly::bench
