#include "guide/guidepageoverview.h"

#include "guide/guidepagecontext.h"
#include "guide/guidepagefigures.h"
#include "guide/guidepageframe.h"
#include "guide/guidepagehowto.h"
#include "guide/guidepagemosaic.h"
#include "guide/guidepagephoto.h"

#include <QPainter>

namespace tessaly {

namespace {

constexpr qreal TitleHeight = 30;
constexpr qreal EdgeNumbersRoom = 20; // left of and above the mosaic
constexpr qreal LineHeight = FigureColumn::LineHeight;
constexpr qreal FiguresHeight = 215;  // the tallest column of figures
constexpr qreal KeyHeight = 160; // the heading, two rows of marks and six lines of how-to text
constexpr qreal ColumnGap = 14;

void drawCellsAndCubes(FigureColumn &column, const GuidePageContext &context)
{
    const GuideFigures &figures = context.guide.figures;
    column.heading(QStringLiteral("格 Cells"));
    column.row(QStringLiteral("宽 Columns"), countText(figures.cellColumns));
    column.row(QStringLiteral("高 Rows"), countText(figures.cellRows));
    column.row(QStringLiteral("合计 Total"), countText(std::int64_t(figures.cellColumns) * figures.cellRows));
    column.row(QStringLiteral("黑格 Black cells"), countText(figures.blackCells));
    column.gap();
    column.heading(QStringLiteral("魔方 Cubes"));
    column.row(QStringLiteral("宽 Columns"), countText(figures.cubeColumns));
    column.row(QStringLiteral("高 Rows"), countText(figures.cubeRows));
    column.row(QStringLiteral("合计 Total"), countText(figures.fullCubes + figures.partialCubes));
    column.row(QStringLiteral("完整 Full"), countText(figures.fullCubes));
    column.row(QStringLiteral("不完整 Partial"), countText(figures.partialCubes));
    column.row(QStringLiteral("含黑格 With black cells"), countText(figures.cubesWithBlack));
}

void drawStickers(FigureColumn &column, const GuidePageContext &context)
{
    const GuideFigures &figures = context.guide.figures;
    column.heading(QStringLiteral("贴纸 Stickers"));
    for (int index = 0; index < cube::ColourCount; ++index) {
        const auto colour = cube::Colour(index);
        const QColor fill = context.fills.of(colour);
        column.row(cubeColourName(colour), countText(figures.stickers[std::size_t(index)]), &fill);
    }
    const QColor black = context.fills.of(FaceMark::Black);
    column.row(QStringLiteral("黑 Black: 任意 any"), countText(figures.blackCells), &black);
}

// The time the whole wall and its blocks take at the builders' pace, once
// the turns are known.
void drawBuildTime(FigureColumn &column, const GuidePageContext &context)
{
    if (!context.solved || context.blockWork.empty())
        return;
    double longest = 0;
    for (const CubeWork &block : context.blockWork)
        longest = std::max(longest, context.seconds(block));
    const double total = context.seconds(context.wallWork);
    const BuildPace &pace = context.settings.pace;
    column.gap();
    column.heading(QStringLiteral("用时 Build time"));
    column.row(QStringLiteral("合计 Total"), timeText(total));
    column.row(QStringLiteral("区块平均 Block average"), timeText(total / double(context.blockWork.size())));
    column.row(QStringLiteral("最长区块 Longest block"), timeText(longest));
    column.row(QStringLiteral("速度 Pace (turn / cube)"),
               QStringLiteral("%1 s / %2 s").arg(pace.secondsPerTurn).arg(pace.secondsPerCube));
}

void drawTurnsAndPages(FigureColumn &column, const GuidePageContext &context)
{
    const GuideFigures &figures = context.guide.figures;
    if (context.solved) {
        const std::int64_t cubes = figures.fullCubes + figures.partialCubes;
        const double average = cubes > 0 ? double(figures.totalTurns) / double(cubes) : 0.0;
        column.heading(QStringLiteral("转动 Turns"));
        column.row(QStringLiteral("合计 Total"), countText(figures.totalTurns));
        column.row(QStringLiteral("平均每个魔方 Average per cube"), QString::number(average, 'f', 1));
        column.row(QStringLiteral("无需转动的魔方 Cubes with none"), countText(figures.cubesWithoutTurns));
        column.row(QStringLiteral("需转动的配方 Recipes with turns"), countText(std::int64_t(context.recipes.size())));
        column.gap();
    }
    const GuidePagePlan &plan = context.plan;
    column.heading(QStringLiteral("区块 Blocks"));
    column.row(QStringLiteral("宽 × 高 Columns × rows"), QStringLiteral("%1 × %2").arg(plan.blocksAcross).arg(plan.blocksDown));
    column.row(QStringLiteral("每块魔方 Cubes per block"), QStringLiteral("%1 × %2").arg(plan.blockColumns).arg(plan.blockRows));
    if (plan.wall.panelled)
        column.row(QStringLiteral("面板 Panels"), countText(plan.panelCount()));
    column.row(QStringLiteral("页 Pages"), countText(context.pageCount()));
}

// The marks of the block pages and how to use them.
void drawKey(QPainter &painter, const GuidePageContext &context, const QRectF &area)
{
    painter.setFont(context.fonts.text(PageLayout::TextFontSize + 2, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.topLeft(), QSizeF(area.width(), LineHeight + 2)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("图例 Key"));

    const qreal sticker = 18;
    const FaceMark marks[] = {FaceMark::White, FaceMark::Yellow, FaceMark::Red,   FaceMark::Orange,
                              FaceMark::Blue,  FaceMark::Green,  FaceMark::Black, FaceMark::Outside};
    const char *const names[] = {"白 White", "黄 Yellow", "红 Red", "橙 Orange", "蓝 Blue", "绿 Green",
                                 "黑 Black: 任意颜色 any colour", "界外 Outside: 任意 any"};
    const qreal entryWidth = area.width() / 4;
    const qreal top = area.top() + LineHeight + 6;
    for (int index = 0; index < 8; ++index) {
        const QPointF at(area.left() + (index % 4) * entryWidth, top + (index / 4) * (sticker + 6));
        drawSticker(painter, QRectF(at, QSizeF(sticker, sticker)), marks[index], context.fills, context.fonts, 9);
        painter.setFont(context.fonts.text(PageLayout::SmallFontSize + 1));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() + sticker + 5, at.y(), entryWidth - sticker - 8, sticker),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, QString::fromUtf8(names[index]));
    }

    const QString howTo = buildOrderHowTo(context) + QStringLiteral("\n"
        "握法：前面的颜色朝向自己，上面的颜色朝上，然后按顺序转动。R U F L D B 顺时针转 90°，' 逆时针，2 转 180°。\n"
        "Grip: hold the solved cube with the front colour facing you and the top colour up, then make the moves in "
        "order. R U F L D B turn that face a quarter clockwise, ' counter-clockwise, 2 a half turn.");
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize + 1));
    painter.setPen(RuleColour);
    const QRectF textArea(QPointF(area.left(), top + 2 * (sticker + 6) + 4), area.bottomRight());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, howTo);
}

} // namespace

QRectF overviewMosaicRect(const GuidePageContext &context)
{
    const QRectF body = context.layout.body;
    const qreal photoBand = photoBandHeight(context);
    const qreal mosaicHeight = body.height() - TitleHeight - photoBand - EdgeNumbersRoom - FiguresHeight - KeyHeight;
    const QRectF mosaicArea(body.left() + EdgeNumbersRoom, body.top() + TitleHeight + photoBand + EdgeNumbersRoom / 2,
                            body.width() - EdgeNumbersRoom, mosaicHeight);
    return mosaicRect(context.guide, mosaicArea);
}

void drawOverviewPage(QPainter &painter, const GuidePageContext &context)
{
    const PageLayout &layout = context.layout;
    drawGuidePageFrame(painter, context, 0, QStringLiteral("总览 Overview"));

    const QRectF body = layout.body;
    painter.setFont(context.fonts.text(PageLayout::TitleFontSize, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(body.topLeft(), QSizeF(body.width(), TitleHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("总览 Overview"));
    drawPhotoBand(painter, context,
                  QRectF(body.left(), body.top() + TitleHeight, body.width(), photoBandHeight(context)));

    const QRectF mosaic = overviewMosaicRect(context);
    drawMosaic(painter, context, mosaic);

    const qreal figuresTop = mosaic.bottom() + EdgeNumbersRoom;
    const qreal columnWidth = (body.width() - 2 * ColumnGap) / 3;
    const auto columnAt = [&](int index) {
        return QPointF(body.left() + index * (columnWidth + ColumnGap), figuresTop);
    };
    FigureColumn cells(painter, context, columnAt(0), columnWidth);
    drawCellsAndCubes(cells, context);
    FigureColumn stickers(painter, context, columnAt(1), columnWidth);
    drawStickers(stickers, context);
    drawBuildTime(stickers, context);
    FigureColumn turns(painter, context, columnAt(2), columnWidth);
    drawTurnsAndPages(turns, context);

    drawKey(painter, context, QRectF(QPointF(body.left(), figuresTop + FiguresHeight), body.bottomRight()));
}

} // namespace tessaly
