#include "benchhost.h"

#include "platform/eventpump.h"

#include <QColor>

namespace tessaly::bench {

BenchHost::BenchHost(const QImage &source, double columnCount, double rowCount, EventPump *pump)
    : m_source(source)
    , m_sourceWidth(source.width())
    , m_sourceHeight(source.height())
    , m_columnCount(columnCount)
    , m_rowCount(rowCount)
    , m_pump(pump)
    , m_canvas(QSize(CanvasSide, CanvasSide), QColor(212, 208, 200))
{
}

Color BenchHost::sourcePoint(float x, float y) const
{
    // Inside the picture a coordinate is never negative, so truncating it
    // takes it down to its whole pixel.
    if (!(x >= 0 && x < m_sourceWidth && y >= 0 && y < m_sourceHeight))
        return -1;
    const QRgb pixel = reinterpret_cast<const QRgb *>(m_source.constScanLine(int(y)))[int(x)];
    return rgbColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

double BenchHost::toleranceValue(int fieldIndex) const
{
    return DefaultTolerances.at(std::size_t(fieldIndex));
}

void BenchHost::clearCanvas()
{
    m_canvas.cls();
    m_cellsDrawn = 0;
}

void BenchHost::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    m_canvas.fillBox(x1, y1, x2, y2, color);
}

void BenchHost::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    m_canvas.drawBox(x1, y1, x2, y2, color);
}

std::optional<PixelView> BenchHost::sourcePixels() const
{
    return PixelView{reinterpret_cast<const std::uint32_t *>(m_source.constBits()), m_sourceWidth,
                     m_sourceHeight, m_source.bytesPerLine() / qsizetype(sizeof(QRgb))};
}

std::optional<PixelCanvas> BenchHost::canvasPixels()
{
    return m_canvas.drawingPixels();
}

bool BenchHost::doEvents()
{
    return m_pump && m_pump->doEvents();
}

} // namespace tessaly::bench
