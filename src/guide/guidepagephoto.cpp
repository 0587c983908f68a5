#include "guide/guidepagephoto.h"

#include "guide/guidepagecontext.h"
#include "guide/photofactstext.h"
#include "guide/photooptionvalues.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tessaly {

namespace {

constexpr qreal LineHeight = 15;
constexpr qreal SwatchSize = 9;
constexpr qreal EntryGap = 14;

using Entries = QList<std::pair<QString, QString>>;

// "label value" runs along one line, the labels grey, the values black.
void drawEntries(QPainter &painter, const GuidePageContext &context, const QRectF &line, const Entries &entries)
{
    const QFont label = context.fonts.text(PageLayout::SmallFontSize + 1);
    const QFont value = context.fonts.letters(PageLayout::TextFontSize, true);
    qreal x = line.left();
    const qreal baseline = line.bottom() - 4;
    for (const auto &[name, text] : entries) {
        painter.setFont(label);
        painter.setPen(RuleColour);
        painter.drawText(QPointF(x, baseline), name + QLatin1Char(' '));
        x += QFontMetricsF(label).horizontalAdvance(name + QLatin1Char(' '));
        painter.setFont(value);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, baseline), text);
        x += QFontMetricsF(value).horizontalAdvance(text) + EntryGap;
    }
}

Entries makingEntries(const PhotoFacts &facts)
{
    Entries entries;
    entries.append({QStringLiteral("照片图案 Photo pattern · 方法 Method"), methodText(facts)});
    entries.append({QStringLiteral("墙 Wall"),
                    QStringLiteral("%1 × %2 cubes").arg(facts.wall.columns).arg(facts.wall.rows)});
    return entries;
}

// The likeness and the adjustments not at 0, on a line of their own so
// that the method's line keeps within the page; empty when there are none.
Entries resultEntries(const PhotoFacts &facts)
{
    Entries entries;
    if (facts.likeness)
        entries.append({QStringLiteral("相似度 Likeness"), likenessText(*facts.likeness)});
    if (const QStringList adjustments = adjustmentTexts(facts.adjustments); !adjustments.isEmpty())
        entries.append({QStringLiteral("调整 Adjustments"), adjustments.join(QStringLiteral(", "))});
    return entries;
}

// A swatch, letter and hex value for every colour of the palette.
void drawPaletteLine(QPainter &painter, const GuidePageContext &context, const QRectF &line,
                     const pattern::StickerPalette &palette)
{
    const QFont label = context.fonts.text(PageLayout::SmallFontSize + 1);
    const QFont value = context.fonts.letters(PageLayout::TextFontSize, false);
    qreal x = line.left();
    const qreal baseline = line.bottom() - 4;
    const QString heading = QStringLiteral("调色板 Palette ");
    painter.setFont(label);
    painter.setPen(RuleColour);
    painter.drawText(QPointF(x, baseline), heading);
    x += QFontMetricsF(label).horizontalAdvance(heading);
    for (const pattern::PaletteColour &colour : palette.colours) {
        const QColor fill(colour.colour.r, colour.colour.g, colour.colour.b);
        drawSwatch(painter, QRectF(x, line.center().y() - SwatchSize / 2, SwatchSize, SwatchSize), fill);
        x += SwatchSize + 3;
        const QString text = QStringLiteral("%1 %2").arg(QString(QLatin1Char(pattern::stickerLetter(colour.sticker))),
                                                          hexText(colour.colour));
        painter.setFont(value);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, baseline), text);
        x += QFontMetricsF(value).horizontalAdvance(text) + EntryGap;
    }
}

} // namespace

qreal photoBandHeight(const GuidePageContext &context)
{
    if (!context.guide.photo)
        return 0;
    const int lines = resultEntries(*context.guide.photo).isEmpty() ? 2 : 3;
    return lines * LineHeight + 4;
}

void drawPhotoBand(QPainter &painter, const GuidePageContext &context, const QRectF &area)
{
    if (!context.guide.photo)
        return;
    const PhotoFacts &facts = *context.guide.photo;
    QRectF line(area.topLeft(), QSizeF(area.width(), LineHeight));
    drawEntries(painter, context, line, makingEntries(facts));
    if (const Entries results = resultEntries(facts); !results.isEmpty()) {
        line.translate(0, LineHeight);
        drawEntries(painter, context, line, results);
    }
    line.translate(0, LineHeight);
    drawPaletteLine(painter, context, line, facts.palette);
}

} // namespace tessaly
