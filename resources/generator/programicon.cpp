#include "programicon.h"

#include <QColor>

#include <array>

namespace tessaly::generator {
namespace {

constexpr int IconSize = 16;
constexpr int CellSize = 4;
constexpr int CellPitch = 5; // one pixel of background between the cells
constexpr int FirstCell = 1;

const QColor BlueViolet(138, 43, 226);

const std::array<std::array<QColor, 3>, 3> CellColours{{
    {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255)},
    {QColor(128, 128, 128), QColor(255, 255, 255), QColor(0, 0, 0)},
    {QColor(0, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)},
}};

// Each step right or down inside a cell takes this share off the brightness,
// so the lower-right pixel keeps 55% of the top-left one.
constexpr double ShadeStep = 0.075;

QColor shaded(const QColor &colour, int stepsFromTopLeft)
{
    const double factor = 1.0 - ShadeStep * stepsFromTopLeft;
    const auto scale = [factor](int channel) { return qRound(channel * factor); };
    return QColor(scale(colour.red()), scale(colour.green()), scale(colour.blue()));
}

void drawCell(QImage &icon, int row, int column)
{
    const int left = FirstCell + column * CellPitch;
    const int top = FirstCell + row * CellPitch;
    for (int dy = 0; dy < CellSize; ++dy)
        for (int dx = 0; dx < CellSize; ++dx)
            icon.setPixelColor(left + dx, top + dy, shaded(CellColours[row][column], dx + dy));
}

void clearCorners(QImage &icon)
{
    const int last = IconSize - 1;
    for (const auto &[x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
        icon.setPixelColor(x, y, Qt::transparent);
}

} // namespace

QImage makeProgramIcon()
{
    QImage icon(IconSize, IconSize, QImage::Format_ARGB32);
    icon.fill(BlueViolet);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            drawCell(icon, row, column);
    clearCorners(icon);
    return icon;
}

QImage scaleIconUp(const QImage &icon, int factor)
{
    return icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace tessaly::generator
