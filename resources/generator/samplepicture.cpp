#include "samplepicture.h"

#include <QColor>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace tessaly::generator {
namespace {

constexpr int MarginTop = 6;
constexpr int MarginBottom = 3;
constexpr int MarginSide = 4;
constexpr int FieldWidth = 198;
constexpr int FieldHeight = 172;
constexpr int Columns = 60;
constexpr int Bands = 30;

constexpr int PictureWidth = MarginSide + 1 + FieldWidth + 1 + MarginSide;
constexpr int PictureHeight = MarginTop + 1 + FieldHeight + 1 + MarginBottom;
static_assert(PictureWidth == 208 && PictureHeight == 183);

const QColor MarginGrey(212, 208, 200);
const QColor FrameShadow(128, 128, 128);
const QColor FrameLight(255, 255, 255);

// Start of block `index` when `length` pixels are shared among `count`
// blocks: the wider and narrower blocks come out evenly interleaved.
int blockStart(int index, int length, int count)
{
    return index * length / count;
}

// Channel value in 0..255 of a fully saturated hue at half lightness.
// `hueSextants` is the hue in sixths of the colour circle (0 red, 1 yellow,
// 2 green, 3 cyan, 4 blue, 5 magenta); `offset` picks the channel
// (0 red, 4 green, 2 blue in the usual hue formula).
double pureHueChannel(double hueSextants, double offset)
{
    const double k = std::fmod(offset + hueSextants, 6.0);
    return 255.0 * (1.0 - std::clamp(std::min(k, 4.0 - k), 0.0, 1.0));
}

// Block colour: hue from the column, saturation from the band. Saturation
// falls from 1 in the top band to 1/30 in the bottom one, at half lightness,
// so the bottom band stays within a few levels of grey 127.5.
QColor blockColour(int column, int band)
{
    const double hue = column * 6.0 / Columns;
    const double saturation = 1.0 - static_cast<double>(band) / Bands;
    const auto channel = [&](double offset) {
        const double pure = pureHueChannel(hue, offset);
        return static_cast<int>(std::lround(127.5 + saturation * (pure - 127.5)));
    };
    return QColor(channel(5.0), channel(3.0), channel(1.0));
}

void fillRect(QImage &picture, const QRect &rect, const QColor &colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            picture.setPixelColor(x, y, colour);
}

void drawColourField(QImage &picture, const QRect &field)
{
    for (int band = 0; band < Bands; ++band) {
        const int top = blockStart(band, field.height(), Bands);
        const int bottom = blockStart(band + 1, field.height(), Bands);
        for (int column = 0; column < Columns; ++column) {
            const int left = blockStart(column, field.width(), Columns);
            const int right = blockStart(column + 1, field.width(), Columns);
            const QRect block(field.topLeft() + QPoint(left, top), QSize(right - left, bottom - top));
            fillRect(picture, block, blockColour(column, band));
        }
    }
}

// Sunken look: shadow along the top and left, light along the bottom and
// right; the light edges take the two corners they share with the shadow.
void drawSunkenFrame(QImage &picture, const QRect &outline)
{
    fillRect(picture, QRect(outline.topLeft(), QSize(outline.width() - 1, 1)), FrameShadow);
    fillRect(picture, QRect(outline.topLeft(), QSize(1, outline.height() - 1)), FrameShadow);
    fillRect(picture, QRect(outline.left(), outline.bottom(), outline.width(), 1), FrameLight);
    fillRect(picture, QRect(outline.right(), outline.top(), 1, outline.height()), FrameLight);
}

// A 7-pixel plus sign whose centre stands 8 pixels in from the field's
// right and bottom edges.
void drawCrossHair(QImage &picture, const QRect &field)
{
    constexpr int Arm = 3;
    constexpr int Inset = 8;
    const QPoint centre = field.bottomRight() - QPoint(Inset, Inset);
    fillRect(picture, QRect(centre.x() - Arm, centre.y(), 2 * Arm + 1, 1), Qt::black);
    fillRect(picture, QRect(centre.x(), centre.y() - Arm, 1, 2 * Arm + 1), Qt::black);
}

} // namespace

QImage makeSamplePicture()
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(MarginGrey);
    const QRect field(MarginSide + 1, MarginTop + 1, FieldWidth, FieldHeight);
    drawSunkenFrame(picture, field.adjusted(-1, -1, 1, 1));
    drawColourField(picture, field);
    drawCrossHair(picture, field);
    return picture;
}

} // namespace tessaly::generator
