#pragma once

#include "pattern/palette.h"
#include "pattern/sticker.h"
#include "studio/newestjobrunner.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <optional>

namespace tessaly::studio {

// The wall as it will be built, drawn by renderWallPreview as
// tessaly-guide --preview draws it, off the window's thread (until the new
// picture is ready the one before is shown). The wheel zooms about the
// pointer, dragging with the right or middle button (or the left one
// outside the paint tool) pans, and fitToWindow shows it whole. With the
// paint tool on, the left button paints cells.
class WallView : public QWidget
{
    Q_OBJECT

public:
    explicit WallView(QWidget *parent = nullptr);

    // Shows the stickers once their picture is drawn (pictureChanged); keeps
    // the zoom and place when the size is the same.
    void setStickers(const pattern::StickerGrid &stickers, const pattern::StickerPalette &palette);
    void setPainting(bool painting);
    void fitToWindow();
    // Pixels a sticker at the current zoom.
    double scale() const { return m_scale; }

    QSize sizeHint() const override { return {640, 480}; }

signals:
    // The picture of the stickers last set is drawn and shown.
    void pictureChanged();
    // The pointer moved onto another cube (columns and rows from 0), or off
    // the wall.
    void cubeHovered(std::optional<QPoint> cube);
    void cubeClicked(QPoint cube);
    // A paint stroke began, and a cell it passes over.
    void strokeStarted();
    void cellPainted(QPoint cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::optional<QPoint> cellAt(QPointF position) const;
    void paintCellAt(QPointF position);
    void paintCubesInSight(QPainter &painter) const;
    // Reports the cube under the mouse when it is another than last time.
    void hover(std::optional<QPoint> cube);

    pattern::StickerGrid m_stickers;
    pattern::StickerPalette m_palette;
    QImage m_picture;        // the whole wall at m_pictureScale pixels a sticker
    int m_pictureScale = 0;
    NewestJobRunner m_painter{QStringLiteral("wall painter")};
    double m_scale = 8;      // pixels a sticker
    QPointF m_origin;        // where the wall's top left corner is drawn
    bool m_fitted = true;    // follows the window's size until zoomed or panned
    bool m_painting = false;
    enum class Drag { None, Pan, Paint, Click } m_drag = Drag::None;
    QPointF m_dragFrom;
    std::optional<QPoint> m_lastPainted;
    std::optional<QPoint> m_hovered; // the cube last reported under the mouse
};

} // namespace tessaly::studio
