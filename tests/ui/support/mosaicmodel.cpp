#include "ui/support/mosaicmodel.h"

#include "engine/palette.h"

#include <QPainter>
#include <QString>

namespace tessaly::test {

namespace {

QRgb toRgb(Color color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

QRgb cellColorFor(QRgb sample, const Tolerances &tolerances)
{
    std::int16_t index = -1;
    if (!ClassifyColor(std::int16_t(qBlue(sample)), std::int16_t(qGreen(sample)),
                       std::int16_t(qRed(sample)), index, tolerances))
        return qRgb(1, 2, 3); // no run draws this: makes the comparison fail
    return toRgb(StandardPalette.at(std::size_t(index)));
}

QImage expectedMosaic(const QImage &source, const MosaicGrid &grid, QColor backColor,
                      const Tolerances &tolerances)
{
    QImage canvas(CanvasSide, CanvasSide, QImage::Format_RGB32);
    canvas.fill(backColor);
    QPainter painter(&canvas);
    for (int j = 0; j < grid.rows; ++j) {
        for (int i = 0; i < grid.columns; ++i) {
            const QPoint at(i * grid.columnStep, j * grid.rowStep);
            const QRgb sample = source.rect().contains(at) ? source.pixel(at) : qRgb(255, 255, 255);
            painter.fillRect(4 * i + 8, 4 * j + 8, 4, 4, QColor(cellColorFor(sample, tolerances)));
        }
    }
    for (int j = 3; j < grid.rows; j += 3) {
        for (int i = 3; i < grid.columns; i += 3) {
            const int left = 4 * i - 4;
            const int top = 4 * j - 4;
            painter.fillRect(left, top, 13, 1, Qt::black);
            painter.fillRect(left, top + 12, 13, 1, Qt::black);
            painter.fillRect(left, top, 1, 13, Qt::black);
            painter.fillRect(left + 12, top, 1, 13, Qt::black);
        }
    }
    return canvas;
}

QRgb cellPixel(const QImage &canvas, int i, int j)
{
    // Frame lines run along 8 + 12k; 4i + 9 is never one of them.
    return canvas.pixel(4 * i + 9, 4 * j + 9) & RGB_MASK;
}

bool isFilledWith(const QImage &image, QColor color)
{
    const QRgb rgb = color.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != rgb)
                return false;
    return !image.isNull();
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size()) {
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width()).arg(actual.height())
            .arg(expected.width()).arg(expected.height());
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & RGB_MASK;
            const QRgb e = expected.pixel(x, y) & RGB_MASK;
            if (a != e) {
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x).arg(y)
                    .arg(a, 6, 16, QLatin1Char('0'))
                    .arg(e, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}

} // namespace tessaly::test
