#include "guide/guidepageblock.h"

#include "guide/guidepagecontext.h"
#include "guide/guidepagefigures.h"
#include "guide/guidepagecubecard.h"
#include "guide/guidepageframe.h"

#include <QPainter>

#include <algorithm>

namespace tessaly {

namespace {

constexpr qreal MinMarkSize = 4; // the block stays visible on the map of a wide wall
constexpr qreal PointerSize = 6;

QString blockName(const GuidePageContext &context, int block)
{
    return QStringLiteral("区块 Block %1 / %2").arg(block + 1).arg(context.plan.blockCount());
}

void drawBlockTitle(QPainter &painter, const GuidePageContext &context, int block, const QRect &cubes)
{
    const QRectF area = context.layout.blockTitle;
    painter.setFont(context.fonts.text(PageLayout::TitleFontSize, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.topLeft(), QSizeF(area.width(), 22)), Qt::AlignLeft | Qt::AlignVCenter,
                     blockName(context, block));

    painter.setFont(context.fonts.text(PageLayout::TextFontSize + 1));
    QString where = QStringLiteral("列 Columns %1 · 行 Rows %2")
                        .arg(spanText(cubes.left(), cubes.right()), spanText(cubes.top(), cubes.bottom()));
    if (context.plan.wall.panelled)
        where += QStringLiteral(" · 面板 Panel %1").arg(context.plan.wall.blocks[std::size_t(block)].panel + 1);
    if (context.solved)
        where += QStringLiteral(" · 用时 Time %1")
                     .arg(timeText(context.seconds(context.blockWork[std::size_t(block)])));
    painter.drawText(QRectF(area.left(), area.top() + 24, area.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, where);

    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(area.left(), area.top() + 42, area.width(), area.height() - 42),
                     Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("W 白 White   Y 黄 Yellow   R 红 Red   O 橙 Orange   B 蓝 Blue   G 绿 Green\n"
                                    "K 黑 Black: 任意颜色 any colour   斜线 Hatched: 界外 outside the mosaic\n"
                                    "握法 Grip: 前 Front 朝向自己 facing you, 上 Top 朝上 up; 然后转动 then turn"));
}

// The wall's outline in the map area with the block filled in.
void drawBlockMap(QPainter &painter, const GuidePageContext &context, int block, const QRect &cubes)
{
    const QRectF area = context.layout.blockMap.adjusted(0, 12, 0, -PointerSize - 2);
    const GuidePagePlan &plan = context.plan;
    const qreal pitch = std::min(area.width() / plan.cubeColumns, area.height() / plan.cubeRows);
    const QRectF wall(area.right() - pitch * plan.cubeColumns, area.top(), pitch * plan.cubeColumns,
                      pitch * plan.cubeRows);

    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(area.left(), area.top() - 12, area.width(), 11), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("在墙上的位置 Where in the wall"));

    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelColour);
    painter.drawRect(wall);

    if (plan.wall.panelled) {
        const CubeSpan &panel = plan.wall.panels[std::size_t(plan.wall.blocks[std::size_t(block)].panel)].cubes;
        painter.setBrush(PanelOutlineColour.lighter(260));
        painter.drawRect(QRectF(wall.left() + (panel.column - 1) * pitch, wall.top() + (panel.row - 1) * pitch,
                                panel.columns * pitch, panel.rows * pitch));
    }

    QRectF mark(wall.left() + (cubes.left() - 1) * pitch, wall.top() + (cubes.top() - 1) * pitch,
                cubes.width() * pitch, cubes.height() * pitch);
    const QPointF centre = mark.center();
    mark.setWidth(std::max(mark.width(), MinMarkSize));
    mark.setHeight(std::max(mark.height(), MinMarkSize));
    mark.moveCenter(centre);
    painter.setBrush(AccentColour);
    painter.drawRect(mark.intersected(wall.adjusted(-MinMarkSize, -MinMarkSize, MinMarkSize, MinMarkSize)));

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(wall);

    // A pointer under the block finds it on a long thin wall too.
    const qreal tip = wall.bottom() + 2;
    const QPointF pointer[] = {{centre.x(), tip}, {centre.x() - PointerSize / 2, tip + PointerSize},
                               {centre.x() + PointerSize / 2, tip + PointerSize}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(AccentColour);
    painter.drawPolygon(pointer, 3);
}

} // namespace

void drawBlockPage(QPainter &painter, const GuidePageContext &context, int block)
{
    const QRect cubes = context.plan.blockCubes(block);
    drawGuidePageFrame(painter, context, context.plan.pageOfBlock(block), blockName(context, block));
    drawBlockTitle(painter, context, block, cubes);
    drawBlockMap(painter, context, block, cubes);

    const PageLayout &layout = context.layout;
    // Each card where its cube sits in the block, numbered in build order.
    const PlanBlock &planned = context.plan.wall.blocks[std::size_t(block)];
    int card = 0;
    for (const int row : rowsInBuildOrder(planned.cubes, context.plan.wall.shape.order)) {
        for (int column = cubes.left(); column <= cubes.right(); ++column) {
            drawCubeCard(painter, context, context.guide.cubeAt(column, row),
                         layout.cardRect(column - cubes.left(), row - cubes.top()), ++card);
        }
    }
}

} // namespace tessaly
