#include "studio/wallview.h"

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

QColor colourOf(pattern::Srgb8 colour)
{
    return QColor(colour.r, colour.g, colour.b);
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
    if (m_stickers.isEmpty())
        return;
    QPainter painter(this);
    const QRectF wall(m_origin, QSizeF(m_scale * m_stickers.width(), m_scale * m_stickers.height()));
    painter.fillRect(wall, Qt::black);

    // Only the cells in sight are drawn, so a big wall zoomed in stays quick.
    const int firstX = std::max(0, int(std::floor(-m_origin.x() / m_scale)));
    const int firstY = std::max(0, int(std::floor(-m_origin.y() / m_scale)));
    const int lastX = std::min(m_stickers.width() - 1, int(std::floor((width() - m_origin.x()) / m_scale)));
    const int lastY = std::min(m_stickers.height() - 1, int(std::floor((height() - m_origin.y()) / m_scale)));
    const bool detailed = m_scale >= 4;
    const double gap = detailed ? m_scale * 0.08 : 0;
    const double radius = detailed ? m_scale * 0.15 : 0;
    painter.setRenderHint(QPainter::Antialiasing, detailed);
    painter.setPen(Qt::NoPen);
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x) {
            const QRectF cell(m_origin.x() + x * m_scale + gap, m_origin.y() + y * m_scale + gap,
                              m_scale - 2 * gap, m_scale - 2 * gap);
            painter.setBrush(colourOf(pattern::displayColour(m_palette, m_stickers.at(x, y))));
            if (detailed)
                painter.drawRoundedRect(cell, radius, radius);
            else
                painter.drawRect(cell);
        }
    }
    if (detailed) {
        // A hairline between cubes, as on the printed guide.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        for (int x = 0; x <= m_stickers.width(); x += 3)
            painter.drawLine(QPointF(m_origin.x() + x * m_scale, wall.top()), QPointF(m_origin.x() + x * m_scale, wall.bottom()));
        for (int y = 0; y <= m_stickers.height(); y += 3)
            painter.drawLine(QPointF(wall.left(), m_origin.y() + y * m_scale), QPointF(wall.right(), m_origin.y() + y * m_scale));
    }
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
    emit cubeHovered(cell ? std::optional<QPoint>(QPoint(cell->x() / 3, cell->y() / 3)) : std::nullopt);
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
    emit cubeHovered(std::nullopt);
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
