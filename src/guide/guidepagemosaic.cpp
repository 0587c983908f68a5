#include "guide/guidepagemosaic.h"

#include "guide/guidepagecontext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tessaly {

namespace {

// Cube pitches below this show no line per cube, only every numbered one.
constexpr qreal MinCubeLinePitch = 4;
// Blocks narrower than this get no outline: it would hide the mosaic.
constexpr qreal MinBlockLinePitch = 12;

// The smallest of 1, 2, 5, 10, 20, 50... cubes that spans at least room.
int numberStep(qreal pitch, qreal room)
{
    for (int decade = 1;; decade *= 10)
        for (int step : {decade, 2 * decade, 5 * decade})
            if (step * pitch >= room || step >= 1'000'000)
                return step;
}

// The cubes along one edge that get a number: the first, then every step,
// leaving out the first where it would touch the second.
template <typename Draw>
void forEachNumbered(int count, int step, qreal pitch, qreal room, Draw draw)
{
    if (step == 1 || (step - 1) * pitch >= room)
        draw(1);
    for (int cube = step; cube <= count; cube += step)
        if (cube != 1)
            draw(cube);
}

// Lines between every columnStep-th column and every rowStep-th row of cubes.
void drawGridLines(QPainter &painter, const QRectF &rect, int columns, int rows, qreal pitch, QSize step,
                   const QPen &pen)
{
    painter.setPen(pen);
    for (int column = step.width(); column < columns; column += step.width()) {
        const qreal x = rect.left() + column * pitch;
        painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
    }
    for (int row = step.height(); row < rows; row += step.height()) {
        const qreal y = rect.top() + row * pitch;
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
    }
}

// The edges between the pieces that tile the wall: each piece's left and
// top edge, unless it lies on the wall's own edge.
template <typename Pieces>
void drawInnerEdges(QPainter &painter, QPointF origin, qreal pitch, const Pieces &pieces, const QPen &pen)
{
    painter.setPen(pen);
    for (const auto &piece : pieces) {
        const CubeSpan &span = piece.cubes;
        const QPointF topLeft = origin + QPointF((span.column - 1) * pitch, (span.row - 1) * pitch);
        if (span.column > 1)
            painter.drawLine(topLeft, topLeft + QPointF(0, span.rows * pitch));
        if (span.row > 1)
            painter.drawLine(topLeft, topLeft + QPointF(span.columns * pitch, 0));
    }
}

} // namespace

QImage mosaicImage(const BuildGuide &guide, const StickerFills &fills)
{
    const GuideFigures &figures = guide.figures;
    QImage image(std::max(1, figures.cellColumns), std::max(1, figures.cellRows), QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const GuideCube &cube : guide.cubes) {
        for (int place = 0; place < 9; ++place) {
            const FaceMark mark = cube.face[std::size_t(place)];
            const int x = 3 * (cube.column - 1) + place % 3;
            const int y = 3 * (cube.row - 1) + place / 3;
            if (mark != FaceMark::Outside && x < image.width() && y < image.height())
                image.setPixel(x, y, fills.of(mark).rgb());
        }
    }
    return image;
}

QRectF mosaicRect(const BuildGuide &guide, const QRectF &area)
{
    const GuideFigures &figures = guide.figures;
    const qreal cellsAcross = std::max(1, figures.cellColumns);
    const qreal cellsDown = std::max(1, figures.cellRows);
    const qreal cell = std::min(area.width() / cellsAcross, area.height() / cellsDown);
    const QSizeF size(cell * cellsAcross, cell * cellsDown);
    return {QPointF(area.center().x() - size.width() / 2, area.top()), size};
}

void drawMosaic(QPainter &painter, const GuidePageContext &context, const QRectF &rect)
{
    const GuideFigures &figures = context.guide.figures;
    // Cells stay sharp squares of their exact colour: no smoothing between
    // them, and the PDF keeps the picture lossless (JPEG would bleed colours).
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(rect, context.mosaic);

    // Cubes run past the mosaic's edge where the last ones are partial.
    const qreal pitch = 3 * rect.width() / std::max(1, figures.cellColumns);
    const QRectF cubes(rect.topLeft(), QSizeF(pitch * figures.cubeColumns, pitch * figures.cubeRows));
    painter.save();
    painter.setClipRect(rect);
    const QFont font = context.fonts.letters(PageLayout::EdgeNumberSize, false);
    const QFontMetricsF metrics(font);
    const qreal columnRoom = metrics.horizontalAdvance(QString::number(figures.cubeColumns)) + 4;
    const qreal rowRoom = metrics.height() + 1;
    const int columnStep = numberStep(pitch, columnRoom);
    const int rowStep = numberStep(pitch, rowRoom);
    const QColor gridColour(0, 0, 0, 150);
    if (pitch >= MinCubeLinePitch)
        drawGridLines(painter, cubes, figures.cubeColumns, figures.cubeRows, pitch, QSize(1, 1), QPen(gridColour, 0.3));
    const int lineStep = std::max(columnStep, rowStep);
    if (lineStep > 1)
        drawGridLines(painter, cubes, figures.cubeColumns, figures.cubeRows, pitch, QSize(lineStep, lineStep),
                      QPen(gridColour, 0.7));
    // The blocks of the block pages, one per page, and the panels.
    const GuidePagePlan &plan = context.plan;
    if (std::min(plan.blockColumns, plan.blockRows) * pitch >= MinBlockLinePitch)
        drawInnerEdges(painter, cubes.topLeft(), pitch, plan.wall.blocks, QPen(AccentColour, 1.2));
    if (plan.wall.panelled)
        drawInnerEdges(painter, cubes.topLeft(), pitch, plan.wall.panels, QPen(PanelOutlineColour, 2.2));
    painter.restore();

    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);

    painter.setFont(font);
    painter.setPen(RuleColour);
    forEachNumbered(figures.cubeColumns, columnStep, pitch, columnRoom, [&](int column) {
        const qreal centre = rect.left() + (column - 0.5) * pitch;
        painter.drawText(QRectF(centre - 20, rect.top() - metrics.height() - 1, 40, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(column));
    });
    forEachNumbered(figures.cubeRows, rowStep, pitch, rowRoom, [&](int row) {
        const qreal centre = rect.top() + (row - 0.5) * pitch;
        painter.drawText(QRectF(rect.left() - 42, centre - metrics.height() / 2, 40, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(row));
    });
}

} // namespace tessaly
