#pragma once

#include "pattern/patternrecipe.h"

#include <QImage>
#include <QWidget>

namespace tessaly::studio {

// The source picture with the region the wall shows. The user drags the
// rectangle to move it and its corners to resize it; its aspect stays the
// wall's, and it stays inside the picture.
class SourcePictureView : public QWidget
{
    Q_OBJECT

public:
    explicit SourcePictureView(QWidget *parent = nullptr);

    // Shows the picture of pictureSize pixels as shown, which may be smaller
    // (a large photo scaled down off the window's thread); regions stay in
    // the picture's own pixels.
    void setPicture(const QImage &shown, QSize pictureSize);
    // The rectangle shown, in picture pixels, and the aspect (width / height)
    // a drag keeps.
    void setRegion(const pattern::CropRect &region, double aspect);

    QSize sizeHint() const override { return {320, 240}; }

signals:
    void dragStarted();
    // The rectangle as the user drags it.
    void regionDragged(const tessaly::pattern::CropRect &region);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Handle { None, Move, TopLeft, TopRight, BottomLeft, BottomRight };

    QRectF pictureArea() const; // where the picture is drawn
    QRectF regionOnScreen() const;
    Handle handleAt(QPointF position) const;
    pattern::CropRect draggedRegion(QPointF position) const;

    QImage m_picture;     // as shown
    QSize m_pictureSize;  // the picture's own
    pattern::CropRect m_region;
    double m_aspect = 1;
    Handle m_handle = Handle::None;
    QPointF m_dragFrom;
    pattern::CropRect m_regionAtPress;
};

} // namespace tessaly::studio
