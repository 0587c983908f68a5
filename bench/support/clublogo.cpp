#include "clublogo.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaly::bench {

namespace {

// Club colours: near some cube colours, far from others, as a real logo's are.
const QColor Navy(0x1D, 0x2D, 0x5C);
const QColor Gold(0xF2, 0xB7, 0x05);
const QColor Crimson(0xC8, 0x10, 0x2E);
const QColor Sky(0x3B, 0xA3, 0xE0);
const QColor Leaf(0x2E, 0x9E, 0x4F);
const QColor Plum(0x6A, 0x3D, 0x9A);

constexpr QPointF BadgeCentre(230, 240);
constexpr double BadgeRadius = 200;
constexpr double RingWidth = 22;

// A gold ring round a navy disc with a crimson band across it.
void drawBadge(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Gold);
    painter.drawEllipse(BadgeCentre, BadgeRadius, BadgeRadius);
    painter.setBrush(Navy);
    const double inner = BadgeRadius - RingWidth;
    painter.drawEllipse(BadgeCentre, inner, inner);

    QPainterPath disc;
    disc.addEllipse(BadgeCentre, inner, inner);
    QPainterPath band;
    band.moveTo(BadgeCentre + QPointF(-inner, 40));
    band.lineTo(BadgeCentre + QPointF(inner, -90));
    band.lineTo(BadgeCentre + QPointF(inner, -40));
    band.lineTo(BadgeCentre + QPointF(-inner, 90));
    band.closeSubpath();
    painter.setBrush(Crimson);
    painter.drawPath(band.intersected(disc));
}

// "TC" in thick white strokes: a T of two bars, a C of three quarters of a ring.
void drawLetters(QPainter &painter)
{
    QPen pen(Qt::white, 30, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(105, 165), QPointF(225, 165));
    painter.drawLine(QPointF(165, 165), QPointF(165, 330));
    const QRectF ring(215, 165, 140, 150);
    painter.drawArc(ring, 45 * 16, 270 * 16);
}

// A cube's face beside the badge: nine rounded squares in the club's colours.
void drawFace(QPainter &painter)
{
    const QColor colours[9] = {Sky, Gold, Crimson, Leaf, Navy, Sky, Plum, Leaf, Gold};
    constexpr double Side = 52;
    constexpr double Gap = 8;
    const QPointF corner(458, 150);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(colours[3 * row + column]);
            const QRectF square(corner.x() + column * (Side + Gap), corner.y() + row * (Side + Gap), Side, Side);
            painter.drawRoundedRect(square, 8, 8);
        }
    }
}

} // namespace

QImage drawClubLogo()
{
    QImage logo(640, 480, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBadge(painter);
    drawLetters(painter);
    drawFace(painter);
    return logo;
}

} // namespace tessaly::bench
