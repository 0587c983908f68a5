#include "expectedmosaic.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Reference
{
    QRgb colour;
    int tolerance;
};

// Test order and default tolerances; the first reference near enough wins.
constexpr std::array<Reference, 6> References = {{
    {qRgb(255, 128, 0), 111},   // orange
    {qRgb(255, 255, 0), 190},   // yellow
    {qRgb(0, 255, 0), 220},     // green
    {qRgb(255, 0, 0), 220},     // red
    {qRgb(0, 0, 255), 260},     // blue
    {qRgb(255, 255, 255), 250}, // white
}};

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Rounds to the nearest whole number, half-way to the even neighbour (the
// default floating-point rounding mode).
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// The rounded Euclidean distance is at most t exactly when the sum of the
// squared channel differences is at most t * (t + 1).
bool isNear(QRgb a, QRgb b, int tolerance)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue <= tolerance * (tolerance + 1);
}

QRgb sampleAt(const QImage &picture, int x, int y)
{
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return White;
    return picture.pixel(x, y) | 0xff000000u;
}

} // namespace

std::optional<MosaicGrid> mosaicGrid(QSize picture, double columnCount, double rowCount)
{
    const bool refused = static_cast<float>(columnCount) > picture.width()
                         || static_cast<float>(rowCount) > picture.height();
    const int largerCount = std::max(roundHalfEven(columnCount), roundHalfEven(rowCount));
    if (refused || largerCount > 100 || columnCount <= 0 || rowCount <= 0)
        return std::nullopt;

    MosaicGrid grid;
    grid.columnStep = roundHalfEven(picture.width() / columnCount);
    grid.rowStep = roundHalfEven(picture.height() / rowCount);
    if (grid.columnStep < 1 || grid.rowStep < 1)
        return std::nullopt;
    // Positions 0, step, ... up to the far edge, which lies outside the
    // picture.
    grid.columns = picture.width() / grid.columnStep + 1;
    grid.rows = picture.height() / grid.rowStep + 1;
    return grid;
}

QRgb classifiedColour(QRgb sample)
{
    for (const Reference &reference : References) {
        if (isNear(sample, reference.colour, reference.tolerance))
            return reference.colour;
    }
    return Black;
}

QImage expectedCanvas(const QImage &picture, const MosaicGrid &grid, QRgb backColor)
{
    QImage canvas(CanvasInterior, CanvasInterior, QImage::Format_RGB32);
    canvas.fill(backColor);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (int j = 0; j < grid.rows; ++j) {
        for (int i = 0; i < grid.columns; ++i) {
            const QRgb sample = sampleAt(picture, i * grid.columnStep, j * grid.rowStep);
            painter.fillRect(QRect(cellOrigin(i), cellOrigin(j), 4, 4),
                             QColor(classifiedColour(sample)));
            // After every cell whose column and row are both non-zero
            // multiples of 3, the 13 x 13 outline of the block before it.
            if (i % 3 == 0 && j % 3 == 0 && i * j > 0) {
                const QRect frame(cellOrigin(i) - 12, cellOrigin(j) - 12, 13, 13);
                painter.fillRect(frame.left(), frame.top(), 13, 1, Qt::black);
                painter.fillRect(frame.left(), frame.bottom(), 13, 1, Qt::black);
                painter.fillRect(frame.left(), frame.top(), 1, 13, Qt::black);
                painter.fillRect(frame.right(), frame.top(), 1, 13, Qt::black);
            }
        }
    }
    return canvas;
}
