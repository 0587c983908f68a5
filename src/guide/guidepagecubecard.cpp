#include "guide/guidepagecubecard.h"

#include "guide/guidepagecontext.h"
#include "guide/guidepagetext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <vector>

namespace tessaly {

namespace {

// A piece of a line of text in its own font and colour.
struct TextRun
{
    QString text;
    QFont font;
    QColor colour;
};

// Draws the runs one after another along a baseline.
void drawRuns(QPainter &painter, QPointF baseline, const std::vector<TextRun> &runs)
{
    for (const TextRun &run : runs) {
        painter.setFont(run.font);
        painter.setPen(run.colour);
        painter.drawText(baseline, run.text);
        baseline.rx() += QFontMetricsF(run.font).horizontalAdvance(run.text);
    }
}

qreal widthOf(const std::vector<TextRun> &runs)
{
    qreal width = 0;
    for (const TextRun &run : runs)
        width += QFontMetricsF(run.font).horizontalAdvance(run.text);
    return width;
}

// The card's number in a small tab at the right of the line; returns its width.
qreal drawCardNumber(QPainter &painter, const GuidePageContext &context, int card, const QRectF &line)
{
    const QFont font = context.fonts.letters(PageLayout::SmallFontSize);
    const QString number = QString::number(card);
    const qreal width = QFontMetricsF(font).horizontalAdvance(number) + 6;
    const QRectF tab(line.right() - width, line.top() + 1, width, line.height() - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelColour);
    painter.drawRoundedRect(tab, 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    painter.setPen(RuleColour);
    painter.drawText(tab, Qt::AlignCenter, number);
    return width;
}

// "列 Column 5   行 Row 7", smaller where large numbers would not fit
// beside the card's number.
void drawPlace(QPainter &painter, const GuidePageContext &context, const GuideCube &cube, int card,
               const QRectF &line)
{
    const qreal room = line.width() - (card > 0 ? drawCardNumber(painter, context, card, line) + 3 : 0);
    constexpr int MostShrink = 3;
    for (int shrink = 0;; ++shrink) {
        const QFont label = context.fonts.text(PageLayout::SmallFontSize + 1 - shrink);
        const QFont number = context.fonts.letters(PageLayout::TextFontSize + 1 - shrink);
        const std::vector<TextRun> runs{{QStringLiteral("列 Column "), label, RuleColour},
                                        {QString::number(cube.column), number, Qt::black},
                                        {QStringLiteral("   行 Row "), label, RuleColour},
                                        {QString::number(cube.row), number, Qt::black}};
        if (widthOf(runs) <= room || shrink == MostShrink) {
            drawRuns(painter, QPointF(line.left(), line.bottom() - 3), runs);
            return;
        }
    }
}

void drawFace(QPainter &painter, const GuidePageContext &context, const CubeFace &face, const QRectF &square)
{
    const qreal sticker = square.width() / 3;
    for (int place = 0; place < 9; ++place) {
        const QRectF rect(square.left() + (place % 3) * sticker, square.top() + (place / 3) * sticker, sticker,
                          sticker);
        drawSticker(painter, rect, face[std::size_t(place)], context.fills, context.fonts,
                    PageLayout::StickerLetterSize);
    }
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);
}

// A swatch of the colour beside "前 Front", its name under them.
qreal drawGripSide(QPainter &painter, const GuidePageContext &context, const QString &side, cube::Colour colour,
                   QPointF topLeft, qreal width)
{
    const qreal swatch = 9;
    const qreal lineHeight = 11;
    drawSwatch(painter, QRectF(topLeft.x(), topLeft.y() + (lineHeight - swatch) / 2, swatch, swatch),
               context.fills.of(colour));
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(topLeft.x() + swatch + 3, topLeft.y(), width - swatch - 3, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, side);
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize + 1, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(topLeft.x(), topLeft.y() + lineHeight, width, lineHeight + 1),
                     Qt::AlignLeft | Qt::AlignVCenter, cubeColourName(colour));
    return 2 * lineHeight + 5;
}

QString turnsText(int turns)
{
    return turns == 1 ? QStringLiteral("1 步 turn") : QStringLiteral("%1 步 turns").arg(turns);
}

void drawGrip(QPainter &painter, const GuidePageContext &context, const CubeTwists &twists, const QRectF &column)
{
    QPointF at = column.topLeft();
    at.ry() += drawGripSide(painter, context, QStringLiteral("前 Front"), twists.front, at, column.width());
    at.ry() += drawGripSide(painter, context, QStringLiteral("上 Top"), twists.top, at, column.width());
    if (twists.turns == 0)
        return; // the moves say so in large type
    painter.setFont(context.fonts.text(PageLayout::TextFontSize, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at, column.bottomRight()), Qt::AlignLeft | Qt::AlignBottom, turnsText(twists.turns));
}

// The moves in the largest monospace size at which they fit the area.
void drawMoves(QPainter &painter, const GuidePageContext &context, const CubeTwists &twists, const QRectF &area)
{
    if (twists.turns == 0 || twists.moves.empty()) {
        painter.setFont(context.fonts.text(PageLayout::TextFontSize + 1, true));
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("✓ 无需转动 No turns"));
        return;
    }
    const QString moves = QString::fromStdString(twists.moves);
    for (int size = PageLayout::MovesFontSize; size >= PageLayout::MovesMinFontSize; --size) {
        const QFont font = context.fonts.moves(size);
        const QFontMetricsF metrics(font);
        const QStringList lines = wrappedAtSpaces(moves, metrics, area.width());
        const qreal lineHeight = metrics.height();
        if (lines.size() * lineHeight <= area.height() || size == PageLayout::MovesMinFontSize) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            for (int i = 0; i < lines.size(); ++i)
                painter.drawText(QPointF(area.left(), area.top() + i * lineHeight + metrics.ascent()), lines[i]);
            return;
        }
    }
}

} // namespace

void drawCubeCard(QPainter &painter, const GuidePageContext &context, const GuideCube &cube, const QRectF &rect,
                  int cardNumber)
{
    const QRectF card = PageLayout::cardFrame(rect);
    painter.setPen(QPen(FaintColour, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card, 4, 4);

    const QRectF inner = card.adjusted(PageLayout::CardPadding, PageLayout::CardPadding - 1, -PageLayout::CardPadding,
                                       -PageLayout::CardPadding);
    drawPlace(painter, context, cube, cardNumber, QRectF(inner.topLeft(), QSizeF(inner.width(), PageLayout::PlaceLineHeight)));

    const QRectF face = PageLayout::faceRect(rect);
    drawFace(painter, context, cube.face, face);

    if (!cube.twists)
        return;
    const QRectF gripColumn(QPointF(face.right() + PageLayout::GripGap, face.top()),
                            QPointF(inner.right(), face.bottom()));
    drawGrip(painter, context, *cube.twists, gripColumn);
    const QRectF movesArea(QPointF(inner.left(), face.bottom() + PageLayout::MovesGap), inner.bottomRight());
    drawMoves(painter, context, *cube.twists, movesArea);
}

} // namespace tessaly
