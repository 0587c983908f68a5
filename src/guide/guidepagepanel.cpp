#include "guide/guidepagepanel.h"

#include "guide/guidepagecontext.h"
#include "guide/guidepagefigures.h"
#include "guide/guidepageframe.h"
#include "guide/guidepagemosaic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace tessaly {

namespace {

constexpr qreal TitleBandHeight = 74;
constexpr qreal MapShare = 0.5; // of the body's height, for the map of the wall
constexpr qreal ColumnGap = 14;
constexpr qreal MinNumberedBlock = 14; // blocks smaller than this on the map show no number

QString panelName(const GuidePageContext &context, int panel)
{
    return QStringLiteral("面板 Panel %1 / %2").arg(panel + 1).arg(context.plan.panelCount());
}

void drawTitle(QPainter &painter, const GuidePageContext &context, int panel)
{
    const PlanPanel &planned = context.plan.wall.panels[std::size_t(panel)];
    const CubeSpan &cubes = planned.cubes;
    const QRectF body = context.layout.body;
    painter.setFont(context.fonts.text(PageLayout::TitleFontSize, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(body.left(), body.top(), body.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
                     panelName(context, panel));

    const int firstBlock = planned.firstBlock;
    const int lastBlock = firstBlock + planned.blockCount - 1;
    const QString where = QStringLiteral("列 Columns %1 · 行 Rows %2 · %3 × %4 = %5 个魔方 cubes")
                              .arg(spanText(cubes.column, cubes.lastColumn()), spanText(cubes.row, cubes.lastRow()))
                              .arg(cubes.columns)
                              .arg(cubes.rows)
                              .arg(countText(cubes.count()));
    const QString pages = QStringLiteral("区块 Blocks %1 · 第 %2 页 pages %2")
                              .arg(spanText(firstBlock + 1, lastBlock + 1),
                                   spanText(context.plan.pageOfBlock(firstBlock) + 1,
                                        context.plan.pageOfBlock(lastBlock) + 1));
    painter.setFont(context.fonts.text(PageLayout::TextFontSize + 1));
    painter.drawText(QRectF(body.left(), body.top() + 24, body.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, where);
    painter.drawText(QRectF(body.left(), body.top() + 42, body.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, pages);
}

// The whole wall with the other panels veiled, this panel's blocks
// outlined and numbered where there is room.
void drawMap(QPainter &painter, const GuidePageContext &context, int panel, const QRectF &area)
{
    const QRectF mosaic = mosaicRect(context.guide, area);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(mosaic, context.mosaic);

    const qreal pitch = 3 * mosaic.width() / std::max(1, context.guide.figures.cellColumns);
    const auto rectOf = [&](const CubeSpan &cubes) {
        return QRectF(mosaic.left() + (cubes.column - 1) * pitch, mosaic.top() + (cubes.row - 1) * pitch,
                      cubes.columns * pitch, cubes.rows * pitch)
            .intersected(mosaic);
    };
    const WallPlan &wall = context.plan.wall;
    const QRectF here = rectOf(wall.panels[std::size_t(panel)].cubes);
    QPainterPath veil;
    veil.addRect(mosaic);
    QPainterPath opening;
    opening.addRect(here);
    painter.fillPath(veil.subtracted(opening), QColor(255, 255, 255, 190));

    painter.setBrush(Qt::NoBrush);
    const PlanPanel &planned = wall.panels[std::size_t(panel)];
    painter.setFont(context.fonts.letters(PageLayout::SmallFontSize + 1));
    for (int block = planned.firstBlock; block < planned.firstBlock + planned.blockCount; ++block) {
        const QRectF rect = rectOf(wall.blocks[std::size_t(block)].cubes);
        painter.setPen(QPen(AccentColour, 0.8));
        painter.drawRect(rect);
        if (rect.width() < MinNumberedBlock || rect.height() < MinNumberedBlock)
            continue;
        const QString number = QString::number(block + 1);
        const QFontMetricsF metrics(painter.font());
        QRectF label(0, 0, metrics.horizontalAdvance(number) + 4, metrics.height());
        label.moveCenter(rect.center());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRoundedRect(label, 2, 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignCenter, number);
    }
    painter.setPen(QPen(PanelOutlineColour, 0.8));
    for (const PlanPanel &other : wall.panels)
        painter.drawRect(rectOf(other.cubes));
    painter.setPen(QPen(PanelOutlineColour, 2.4));
    painter.drawRect(here);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(mosaic);
    painter.restore();
}

struct FigureRow
{
    QString label;
    QString value;
    std::optional<QColor> swatch;
};

// A heading over rows of "label   value".
void drawFigures(QPainter &painter, const GuidePageContext &context, QPointF at, qreal width, const QString &heading,
                 const std::vector<FigureRow> &rows)
{
    FigureColumn column(painter, context, at, width);
    column.heading(heading);
    for (const FigureRow &row : rows)
        column.row(row.label, row.value, row.swatch ? &*row.swatch : nullptr);
}

std::vector<FigureRow> cubeRows(const CubeWork &work, const PlanPanel &panel, bool solved)
{
    std::vector<FigureRow> rows{{QStringLiteral("合计 Total"), countText(work.cubes), {}},
                                {QStringLiteral("区块 Blocks"), countText(panel.blockCount), {}}};
    if (solved) {
        rows.push_back({QStringLiteral("转动 Turns"), countText(work.turns), {}});
        const double average = work.cubes > 0 ? double(work.turns) / double(work.cubes) : 0.0;
        rows.push_back({QStringLiteral("平均每个魔方 Turns per cube"), QString::number(average, 'f', 1), {}});
    }
    return rows;
}

std::vector<FigureRow> stickerRows(const CubeWork &work, const StickerFills &fills)
{
    std::vector<FigureRow> rows;
    for (int index = 0; index < cube::ColourCount; ++index) {
        const auto colour = cube::Colour(index);
        rows.push_back({cubeColourName(colour), countText(work.stickers[std::size_t(index)]), fills.of(colour)});
    }
    rows.push_back({QStringLiteral("黑 Black: 任意 any"), countText(work.blackCells), fills.of(FaceMark::Black)});
    return rows;
}

std::vector<FigureRow> timeRows(const GuidePageContext &context, int panel)
{
    const PlanPanel &planned = context.plan.wall.panels[std::size_t(panel)];
    double longest = 0;
    for (int block = planned.firstBlock; block < planned.firstBlock + planned.blockCount; ++block)
        longest = std::max(longest, context.seconds(context.blockWork[std::size_t(block)]));
    const double total = context.seconds(context.panelWork[std::size_t(panel)]);
    const BuildPace &pace = context.settings.pace;
    return {{QStringLiteral("合计 Total"), timeText(total), {}},
            {QStringLiteral("每个区块平均 Per block, average"), timeText(total / std::max(1, planned.blockCount)), {}},
            {QStringLiteral("最长的区块 Longest block"), timeText(longest), {}},
            {QStringLiteral("每步 Per turn"), QStringLiteral("%1 s").arg(pace.secondsPerTurn), {}},
            {QStringLiteral("每个魔方 Per cube"), QStringLiteral("%1 s").arg(pace.secondsPerCube), {}}};
}

} // namespace

void drawPanelPage(QPainter &painter, const GuidePageContext &context, int panel)
{
    drawGuidePageFrame(painter, context, context.plan.pageOfPanel(panel), panelName(context, panel));
    drawTitle(painter, context, panel);

    const QRectF body = context.layout.body;
    const QRectF mapArea(body.left(), body.top() + TitleBandHeight, body.width(), body.height() * MapShare);
    drawMap(painter, context, panel, mapArea);

    const QRectF mosaic = mosaicRect(context.guide, mapArea);
    const QPointF figuresTop(body.left(), mosaic.bottom() + 20);
    const qreal width = (body.width() - 2 * ColumnGap) / 3;
    const auto columnAt = [&](int index) { return figuresTop + QPointF(index * (width + ColumnGap), 0); };
    const CubeWork &work = context.panelWork[std::size_t(panel)];
    const PlanPanel &planned = context.plan.wall.panels[std::size_t(panel)];
    drawFigures(painter, context, columnAt(0), width, QStringLiteral("魔方 Cubes"),
                cubeRows(work, planned, context.solved));
    drawFigures(painter, context, columnAt(1), width, QStringLiteral("贴纸 Stickers"), stickerRows(work, context.fills));
    drawFigures(painter, context, columnAt(2), width, QStringLiteral("用时 Build time"), timeRows(context, panel));
}

} // namespace tessaly
