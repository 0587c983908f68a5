#include "guide/guidepagestyle.h"

#include "platform/applicationlook.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace tessaly {

namespace {

// The first installed family of candidates, else the fallback's family.
QFont fontOf(std::initializer_list<const char *> candidates, QFontDatabase::SystemFont fallback)
{
    const QStringList installed = QFontDatabase::families();
    QFont font = QFontDatabase::systemFont(fallback);
    for (const char *family : candidates) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    // Glyph outlines at their design size: the same shapes and spacing on
    // paper and in a picture of the page, at any scale.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QFont sized(QFont font, int size, bool bold)
{
    font.setPixelSize(size); // the painter draws in points
    font.setBold(bold);
    return font;
}

} // namespace

QColor cubeColourFill(cube::Colour colour)
{
    switch (colour) {
    case cube::Colour::White:  return {255, 255, 255};
    case cube::Colour::Yellow: return {255, 255, 0};
    case cube::Colour::Red:    return {255, 0, 0};
    case cube::Colour::Orange: return {255, 128, 0};
    case cube::Colour::Blue:   return {0, 0, 255};
    case cube::Colour::Green:  return {0, 255, 0};
    }
    return {};
}

QColor StickerFills::of(FaceMark mark) const
{
    if (const auto colour = markColour(mark))
        return of(*colour);
    return mark == FaceMark::Black ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

StickerFills stickerFillsOf(const std::optional<PhotoFacts> &photo)
{
    StickerFills fills;
    for (int index = 0; index < cube::ColourCount; ++index) {
        const auto colour = cube::Colour(index);
        if (photo) {
            const pattern::Srgb8 rgb = photo->cubeColours[std::size_t(index)];
            fills.colours[std::size_t(index)] = QColor(rgb.r, rgb.g, rgb.b);
        } else {
            fills.colours[std::size_t(index)] = cubeColourFill(colour);
        }
    }
    return fills;
}

QString cubeColourName(cube::Colour colour)
{
    switch (colour) {
    case cube::Colour::White:  return QStringLiteral("白 White");
    case cube::Colour::Yellow: return QStringLiteral("黄 Yellow");
    case cube::Colour::Red:    return QStringLiteral("红 Red");
    case cube::Colour::Orange: return QStringLiteral("橙 Orange");
    case cube::Colour::Blue:   return QStringLiteral("蓝 Blue");
    case cube::Colour::Green:  return QStringLiteral("绿 Green");
    }
    return {};
}

QColor inkOn(const QColor &fill)
{
    // The grey a printer makes of the fill (Rec. 601 luma).
    const int grey = (299 * fill.red() + 587 * fill.green() + 114 * fill.blue()) / 1000;
    return grey < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

GuidePageFonts::GuidePageFonts()
    : m_text(fontOf({CjkFontFamilies[0], CjkFontFamilies[1]}, QFontDatabase::GeneralFont))
    , m_letters(fontOf({"DejaVu Sans", "Liberation Sans", CjkFontFamilies[0]}, QFontDatabase::GeneralFont))
    , m_moves(fontOf({"DejaVu Sans Mono", "Liberation Mono", "WenQuanYi Micro Hei Mono"},
                     QFontDatabase::FixedFont))
{
}

QFont GuidePageFonts::text(int size, bool bold) const
{
    return sized(m_text, size, bold);
}

QFont GuidePageFonts::letters(int size, bool bold) const
{
    return sized(m_letters, size, bold);
}

QFont GuidePageFonts::moves(int size) const
{
    return sized(m_moves, size, true);
}

void drawSticker(QPainter &painter, const QRectF &rect, FaceMark mark, const StickerFills &fills,
                 const GuidePageFonts &fonts, int letterSize)
{
    const QColor fill = fills.of(mark);
    painter.setPen(QPen(RuleColour, 0.6));
    painter.setBrush(fill);
    painter.drawRect(rect);

    if (mark == FaceMark::Outside) {
        painter.save();
        painter.setClipRect(rect);
        painter.setPen(QPen(FaintColour, 0.5));
        const qreal step = rect.width() / 4;
        for (qreal offset = -rect.height(); offset < rect.width(); offset += step)
            painter.drawLine(QPointF(rect.left() + offset, rect.bottom()),
                             QPointF(rect.left() + offset + rect.height(), rect.top()));
        painter.restore();
        return;
    }
    if (mark == FaceMark::Black) {
        QPen ring(QColor(200, 200, 200), 0.7, Qt::DashLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        const qreal inset = rect.width() * 0.14;
        painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
    }
    painter.setPen(inkOn(fill));
    painter.setFont(fonts.letters(letterSize));
    painter.drawText(rect, Qt::AlignCenter, QString(QLatin1Char(faceMarkLetter(mark))));
}

void drawSwatch(QPainter &painter, const QRectF &rect, const QColor &fill)
{
    painter.setPen(QPen(RuleColour, 0.6));
    painter.setBrush(fill);
    painter.drawRect(rect);
}

} // namespace tessaly
