#include "studio/sourcepictureview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tessaly::studio {

namespace {

constexpr double HandleReach = 8; // screen pixels around a corner that grab it

} // namespace

SourcePictureView::SourcePictureView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(160, 120);
}

void SourcePictureView::setPicture(const QImage &shown, QSize pictureSize)
{
    m_picture = shown;
    m_pictureSize = pictureSize;
    update();
}

void SourcePictureView::setRegion(const pattern::CropRect &region, double aspect)
{
    m_region = region;
    m_aspect = aspect > 0 ? aspect : 1;
    update();
}

QRectF SourcePictureView::pictureArea() const
{
    if (m_picture.isNull())
        return {};
    const QSizeF size = QSizeF(m_pictureSize).scaled(QSizeF(width() - 8.0, height() - 8.0), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRectF SourcePictureView::regionOnScreen() const
{
    const QRectF area = pictureArea();
    if (area.isEmpty())
        return {};
    const double scale = area.width() / m_pictureSize.width();
    return QRectF(area.x() + m_region.x * scale, area.y() + m_region.y * scale, m_region.width * scale,
                  m_region.height * scale);
}

void SourcePictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area = pictureArea();
    if (area.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, m_picture);

    // Dim what the wall leaves out.
    const QRectF region = regionOnScreen();
    QPainterPath outside;
    outside.addRect(area);
    QPainterPath inside;
    inside.addRect(region);
    painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 120));
    painter.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
    painter.drawRect(region);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const QPointF &corner : {region.topLeft(), region.topRight(), region.bottomLeft(), region.bottomRight()})
        painter.drawRect(QRectF(corner - QPointF(4, 4), QSizeF(8, 8)));
}

SourcePictureView::Handle SourcePictureView::handleAt(QPointF position) const
{
    const QRectF region = regionOnScreen();
    const auto near = [&](QPointF corner) { return (position - corner).manhattanLength() <= 2 * HandleReach; };
    if (near(region.topLeft()))
        return Handle::TopLeft;
    if (near(region.topRight()))
        return Handle::TopRight;
    if (near(region.bottomLeft()))
        return Handle::BottomLeft;
    if (near(region.bottomRight()))
        return Handle::BottomRight;
    return region.contains(position) ? Handle::Move : Handle::None;
}

pattern::CropRect SourcePictureView::draggedRegion(QPointF position) const
{
    const double scale = pictureArea().width() / m_pictureSize.width();
    const QPointF moved = (position - m_dragFrom) / scale;
    const pattern::CropRect &start = m_regionAtPress;
    const int pictureWidth = m_pictureSize.width();
    const int pictureHeight = m_pictureSize.height();
    if (m_handle == Handle::Move) {
        pattern::CropRect region = start;
        region.x = std::clamp(int(std::lround(start.x + moved.x())), 0, pictureWidth - start.width);
        region.y = std::clamp(int(std::lround(start.y + moved.y())), 0, pictureHeight - start.height);
        return region;
    }
    // A corner: the opposite corner stays, the width follows the pointer and
    // the height the aspect, within the picture.
    const bool left = m_handle == Handle::TopLeft || m_handle == Handle::BottomLeft;
    const bool top = m_handle == Handle::TopLeft || m_handle == Handle::TopRight;
    const double fixedX = left ? start.x + start.width : start.x;
    const double fixedY = top ? start.y + start.height : start.y;
    const double roomX = left ? fixedX : pictureWidth - fixedX;
    const double roomY = top ? fixedY : pictureHeight - fixedY;
    double width = std::abs((left ? start.x + moved.x() : start.x + start.width + moved.x()) - fixedX);
    width = std::clamp(width, 1.0, std::min(roomX, roomY * m_aspect));
    const double height = std::max(1.0, width / m_aspect);
    pattern::CropRect region;
    region.width = std::max(1, int(std::lround(width)));
    region.height = std::max(1, int(std::lround(height)));
    region.x = int(std::lround(left ? fixedX - region.width : fixedX));
    region.y = int(std::lround(top ? fixedY - region.height : fixedY));
    region.width = std::min(region.width, pictureWidth - region.x);
    region.height = std::min(region.height, pictureHeight - region.y);
    return region;
}

void SourcePictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_picture.isNull())
        return;
    m_handle = handleAt(event->position());
    if (m_handle == Handle::None)
        return;
    m_dragFrom = event->position();
    m_regionAtPress = m_region;
    emit dragStarted();
}

void SourcePictureView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_handle == Handle::None) {
        switch (handleAt(event->position())) {
        case Handle::TopLeft:
        case Handle::BottomRight: setCursor(Qt::SizeFDiagCursor); break;
        case Handle::TopRight:
        case Handle::BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
        case Handle::Move: setCursor(Qt::SizeAllCursor); break;
        case Handle::None: unsetCursor(); break;
        }
        return;
    }
    const pattern::CropRect region = draggedRegion(event->position());
    if (region == m_region)
        return;
    m_region = region;
    update();
    emit regionDragged(region);
}

void SourcePictureView::mouseReleaseEvent(QMouseEvent *)
{
    m_handle = Handle::None;
}

} // namespace tessaly::studio
