#include "platform/canvasimage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace tessaly {

namespace {

QRgb toRgb(Color color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Color toColor(QRgb rgb)
{
    return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// A run of whole pixel positions first..last, both included.
struct PixelSpan
{
    int first;
    int last;
};

// Rounding of a coordinate already clamped to a few pixels round the image,
// where int() cannot overflow. Cheaper than std::ceil and std::floor, which
// a million-cell mosaic calls four times per cell.
int ceilToInt(double value)
{
    const int truncated = int(value);
    return truncated + (truncated < value);
}

int floorToInt(double value)
{
    const int truncated = int(value);
    return truncated - (truncated > value);
}

// The pixel positions p with lower <= p <= upper that lie in 0..extent-1.
// Both ends are clamped to -1..extent in double precision before anything
// becomes an int, so huge or infinite coordinates can never overflow a
// conversion; NaN gives no span.
std::optional<PixelSpan> clippedSpan(double lower, double upper, int extent)
{
    if (!(lower <= upper)) // also false for NaN
        return std::nullopt;
    const double edge = extent;
    const int first = std::max(ceilToInt(std::clamp(lower, -1.0, edge)), 0);
    const int last = std::min(floorToInt(std::clamp(upper, -1.0, edge)), extent - 1);
    if (first > last)
        return std::nullopt;
    return PixelSpan{first, last};
}

// A whole-number pixel line, if it lies inside 0..extent-1.
std::optional<int> lineInside(double line, int extent)
{
    if (!(line >= 0 && line < extent))
        return std::nullopt;
    return int(line);
}

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

bool anyIsNan(float a, float b, float c, float d)
{
    return std::isnan(a) || std::isnan(b) || std::isnan(c) || std::isnan(d);
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
    // Inside the image a coordinate is never negative, so truncating it
    // takes it down to its whole pixel.
    if (!(x >= 0 && x < m_image.width() && y >= 0 && y < m_image.height()))
        return -1;
    return toColor(reinterpret_cast<const QRgb *>(m_image.constScanLine(int(y)))[int(x)]);
}

void CanvasImage::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    if (anyIsNan(x1, y1, x2, y2))
        return;
    const auto columns = clippedSpan(std::min(x1, x2), std::max(x1, x2), m_image.width());
    const auto rows = clippedSpan(std::min(y1, y2), std::max(y1, y2), m_image.height());
    if (!columns || !rows)
        return;
    fillPixels(columns->first, columns->last, rows->first, rows->last, toRgb(color));
}

void CanvasImage::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    if (anyIsNan(x1, y1, x2, y2))
        return;
    const double left = std::ceil(double(std::min(x1, x2)));
    const double right = std::ceil(double(std::max(x1, x2)));
    const double top = std::ceil(double(std::min(y1, y2)));
    const double bottom = std::ceil(double(std::max(y1, y2)));
    const QRgb rgb = toRgb(color);

    // Horizontal edges span the columns left..right, vertical edges the rows
    // top..bottom; the corners are set twice, which costs nothing.
    if (const auto columns = clippedSpan(left, right, m_image.width())) {
        for (double edge : {top, bottom}) {
            if (const auto row = lineInside(edge, m_image.height()))
                fillPixels(columns->first, columns->last, *row, *row, rgb);
        }
    }
    if (const auto rows = clippedSpan(top, bottom, m_image.height())) {
        for (double edge : {left, right}) {
            if (const auto column = lineInside(edge, m_image.width()))
                fillPixels(*column, *column, rows->first, rows->last, rgb);
        }
    }
}

void CanvasImage::fillPixels(int left, int right, int top, int bottom, QRgb rgb)
{
    // bits() detaches once from any copy handed out, so copies keep what
    // they showed; scanLine() would check for that on every row.
    uchar *const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    uchar *row = bits + top * stride;
    const int width = right - left + 1;
    for (int rowsLeft = bottom - top + 1; rowsLeft > 0; --rowsLeft, row += stride) {
        // Cells and frame edges are a few pixels wide: a plain loop beats
        // the set-up of a vectorised fill.
        QRgb *const pixels = reinterpret_cast<QRgb *>(row) + left;
        for (int column = 0; column < width; ++column)
            pixels[column] = rgb;
    }
}

} // namespace tessaly
