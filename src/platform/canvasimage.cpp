#include "platform/canvasimage.h"

#include <algorithm>
#include <cstring>

namespace tessaly {

namespace {

// Copies the overlap of the two images, both Format_RGB32, anchored at their
// top-left corners.
void copyTopLeft(const QImage &from, QImage &to)
{
    const int width = std::min(from.width(), to.width());
    const int height = std::min(from.height(), to.height());
    if (width <= 0 || height <= 0)
        return;
    uchar *const bits = to.bits();
    for (int row = 0; row < height; ++row)
        std::memcpy(bits + row * to.bytesPerLine(), from.constScanLine(row), size_t(width) * sizeof(QRgb));
}

} // namespace

CanvasImage::CanvasImage(QSize size, QColor backColor)
    : m_image(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32)
    , m_backColor(backColor)
{
    m_image.fill(m_backColor);
}

void CanvasImage::setBackColor(QColor color)
{
    m_backColor = color;
    cls();
}

void CanvasImage::setPicture(const QImage &picture)
{
    if (picture.isNull()) {
        m_picture = QImage();
    } else {
        m_picture = picture.convertToFormat(QImage::Format_RGB32);
        // Takes the picture's size by sharing its pixels: a large picture is
        // not allocated a second time.
        m_image = m_picture;
    }
    cls();
}

void CanvasImage::setSize(QSize size)
{
    size = size.expandedTo(QSize(0, 0));
    if (size == m_image.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(m_backColor);
    copyTopLeft(m_image, resized);
    m_image = resized;
}

void CanvasImage::cls()
{
    if (m_picture.size() == m_image.size()) {
        // Shares the picture's pixels until the next drawing detaches them.
        m_image = m_picture;
        return;
    }
    m_image.fill(m_backColor);
    copyTopLeft(m_picture, m_image);
}

Color CanvasImage::point(float x, float y) const
{
    return pixels().point(x, y);
}

void CanvasImage::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    drawingPixels().fillBox(x1, y1, x2, y2, color);
}

void CanvasImage::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    drawingPixels().drawBox(x1, y1, x2, y2, color);
}

PixelView CanvasImage::pixels() const
{
    return {reinterpret_cast<const std::uint32_t *>(m_image.constBits()), m_image.width(), m_image.height(),
            m_image.bytesPerLine() / qsizetype(sizeof(QRgb))};
}

PixelCanvas CanvasImage::drawingPixels()
{
    // bits() detaches once from any copy handed out, so copies keep what
    // they showed.
    if (m_image.isNull())
        return {};
    return PixelCanvas(reinterpret_cast<std::uint32_t *>(m_image.bits()), m_image.width(), m_image.height(),
                       m_image.bytesPerLine() / qsizetype(sizeof(QRgb)));
}

} // namespace tessaly
