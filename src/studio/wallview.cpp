#include "studio/wallview.h"

#include "guide/wallpreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tessaly::studio {

namespace {

constexpr double LeastScale = 0.5;
constexpr double MostScale = 96;
constexpr int FitMargin = 8;
// The whole wall is drawn once at up to this many pixels a sticker and this
// many pixels a side (about 64 MB at most); zoomed in closer, the cubes in
// sight are drawn at the zoom's own scale.
constexpr int PictureStickerPixels = 16;
constexpr int PictureSide = 4096;

int pictureScaleFor(const pattern::StickerGrid &stickers)
{
    const int side = std::max(stickers.width(), stickers.height());
    return std::clamp(PictureSide / std::max(side, 1), 1, PictureStickerPixels);
}

// The part of the stickers from cube (column, row), columns x rows cubes.
pattern::StickerGrid cubesOf(const pattern::StickerGrid &stickers, int column, int row, int columns, int rows)
{
    pattern::StickerGrid part(3 * columns, 3 * rows);
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x)
            part.at(x, y) = stickers.at(3 * column + x, 3 * row + y);
    }
    return part;
}

} // namespace

WallView::WallView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
    setFocusPolicy(Qt::WheelFocus);
}

void WallView::setStickers(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette)
{
    const bool resized = stickers.width() != m_stickers.width() || stickers.height() != m_stickers.height();
    m_stickers = stickers;
    m_palette = palette;
    m_hovered.reset(); // the cube under the mouse may show another face now
    const int scale = pictureScaleFor(stickers);
    m_painter.run<QImage>(
        [stickers, palette, scale] {
            return stickers.isEmpty() ? QImage() : renderWallPreview(stickers, palette, scale);
        },
        [this, scale](const QImage &picture) {
            m_picture = picture;
            m_pictureScale = scale;
            update();
            emit pictureChanged();
        });
    if (resized)
        m_fitted = true;
    if (m_fitted)
        fitToWindow();
    update();
}

void WallView::setPainting(bool painting)
{
    m_painting = painting;
    setCursor(painting ? Qt::CrossCursor : Qt::ArrowCursor);
}

void WallView::fitToWindow()
{
    m_fitted = true;
    if (m_stickers.isEmpty())
        return;
    const double across = double(width() - 2 * FitMargin) / m_stickers.width();
    const double down = double(height() - 2 * FitMargin) / m_stickers.height();
    m_scale = std::clamp(std::min(across, down), LeastScale, MostScale);
    m_origin = QPointF((width() - m_scale * m_stickers.width()) / 2, (height() - m_scale * m_stickers.height()) / 2);
    update();
}

std::optional<QPoint> WallView::cellAt(QPointF position) const
{
    const QPointF onWall = (position - m_origin) / m_scale;
    const int x = int(std::floor(onWall.x()));
    const int y = int(std::floor(onWall.y()));
    if (x < 0 || y < 0 || x >= m_stickers.width() || y >= m_stickers.height())
        return std::nullopt;
    return QPoint(x, y);
}

void WallView::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // On a high-density screen the picture's pixels are device pixels.
    if (m_scale * devicePixelRatioF() > m_pictureScale) {
        paintCubesInSight(painter);
        return;
    }
    // Only the part in sight is scaled, so that a big wall stays quick.
    const QRectF wall(m_origin, QSizeF(m_scale * m_stickers.width(), m_scale * m_stickers.height()));
    const QRectF inSight = wall.intersected(QRectF(rect()));
    if (inSight.isEmpty())
        return;
    const double pixels = m_pictureScale / m_scale; // picture pixels a widget pixel
    const QRectF source((inSight.topLeft() - m_origin) * pixels, inSight.size() * pixels);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_scale < m_pictureScale);
    painter.drawImage(inSight, m_picture, source);
}

// Closer than the picture's scale, the cubes in sight are drawn anew at the
// zoom's own in device pixels, so that they stay sharp.
void WallView::paintCubesInSight(QPainter &painter) const
{
    const double cubeSide = 3 * m_scale;
    const int firstColumn = std::max(0, int(std::floor(-m_origin.x() / cubeSide)));
    const int firstRow = std::max(0, int(std::floor(-m_origin.y() / cubeSide)));
    const int lastColumn = std::min(m_stickers.width() / 3 - 1, int(std::floor((width() - m_origin.x()) / cubeSide)));
    const int lastRow = std::min(m_stickers.height() / 3 - 1, int(std::floor((height() - m_origin.y()) / cubeSide)));
    if (lastColumn < firstColumn || lastRow < firstRow)
        return;
    const int scale = int(std::ceil(m_scale * devicePixelRatioF()));
    const QImage cubes = renderWallPreview(
        cubesOf(m_stickers, firstColumn, firstRow, lastColumn - firstColumn + 1, lastRow - firstRow + 1), m_palette,
        scale);
    const QRectF target(m_origin + QPointF(firstColumn, firstRow) * cubeSide,
                        QSizeF(cubes.width(), cubes.height()) * (m_scale / scale));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, cubes);
}

void WallView::wheelEvent(QWheelEvent *event)
{
    const double steps = event->angleDelta().y() / 120.0;
    const double scale = std::clamp(m_scale * std::pow(1.25, steps), LeastScale, MostScale);
    // The point under the pointer stays where it is.
    const QPointF pointer = event->position();
    m_origin = pointer - (pointer - m_origin) * (scale / m_scale);
    m_scale = scale;
    m_fitted = false;
    update();
    event->accept();
}

void WallView::mousePressEvent(QMouseEvent *event)
{
    m_dragFrom = event->position();
    if (event->button() == Qt::LeftButton && m_painting) {
        m_drag = Drag::Paint;
        m_lastPainted.reset();
        emit strokeStarted();
        paintCellAt(event->position());
    } else if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Click;
    } else {
        m_drag = Drag::Pan;
    }
}

void WallView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    if (m_drag == Drag::Click && (position - m_dragFrom).manhattanLength() > 4)
        m_drag = Drag::Pan;
    if (m_drag == Drag::Pan) {
        m_origin += position - m_dragFrom;
        m_dragFrom = position;
        m_fitted = false;
        update();
    } else if (m_drag == Drag::Paint) {
        paintCellAt(position);
    }
    const std::optional<QPoint> cell = cellAt(position);
    hover(cell ? std::optional<QPoint>(QPoint(cell->x() / 3, cell->y() / 3)) : std::nullopt);
}

void WallView::hover(std::optional<QPoint> cube)
{
    if (cube == m_hovered)
        return;
    m_hovered = cube;
    emit cubeHovered(cube);
}

void WallView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Click) {
        if (const std::optional<QPoint> cell = cellAt(event->position()))
            emit cubeClicked(QPoint(cell->x() / 3, cell->y() / 3));
    }
    m_drag = Drag::None;
}

void WallView::leaveEvent(QEvent *)
{
    hover(std::nullopt);
}

void WallView::resizeEvent(QResizeEvent *)
{
    if (m_fitted)
        fitToWindow();
}

void WallView::paintCellAt(QPointF position)
{
    const std::optional<QPoint> cell = cellAt(position);
    if (!cell || cell == m_lastPainted)
        return;
    m_lastPainted = cell;
    emit cellPainted(*cell);
}

} // namespace tessaly::studio
