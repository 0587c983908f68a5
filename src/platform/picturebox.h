#pragma once

#include "platform/canvasimage.h"

#include <QFrame>

class QMimeData;
class QTimer;

namespace tessaly {

// A picture box control: a 2-pixel sunken border round an interior that
// shows its persistent image (CanvasImage). Drawing goes into the image at
// once; the screen follows on a frame deadline (about 60 a second), never
// per drawing call, so a long run of small drawings costs what the pixels
// cost. In auto-size mode the box takes its picture's size plus the border.
// In manual drop mode it accepts any drag and hands the dropped data to
// oleDragDrop.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    static constexpr int BorderWidth = 2;

    explicit PictureBox(QWidget *parent = nullptr);

    // The colour cls() paints where there is no picture; setting it clears
    // the box.
    void setBackColor(QColor color);
    QColor backColor() const;

    void setAutoSize(bool autoSize);
    void setManualDropMode(bool manual);

    // Picture: shown from the interior's top-left corner; with auto-size the
    // box resizes at once to the picture's size plus the border. The image
    // always has the interior's size: without auto-size a larger picture is
    // cut off and a smaller one is surrounded by the back colour.
    void setPicture(const QImage &picture);

    // Interior size in pixels (ScaleWidth, ScaleHeight).
    double scaleWidth() const;
    double scaleHeight() const;

    // Drawing on the image as CanvasImage does, in interior pixels; the
    // screen follows at the next frame.
    void cls();
    Color point(float x, float y) const; // -1 outside the interior
    void fillBox(float x1, float y1, float x2, float y2, Color color);
    void drawBox(float x1, float y1, float x2, float y2, Color color);

    // The persistent image: the picture and everything drawn since cls().
    QImage image() const;

    // The image's pixels, to read or to draw on directly (CanvasImage); the
    // screen follows drawing at the next frame. Valid until the next event
    // is handled: only then can the box change size or picture.
    PixelView pixels() const;
    PixelCanvas drawingPixels();

signals:
    void oleDragDrop(const QMimeData *data);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void scheduleRepaint();
    void fitToPicture();
    QSize interiorSize() const;
    void syncCanvasSize() const;
    CanvasImage &canvas() const;

    // Follows the interior's size lazily (syncCanvasSize), hence mutable.
    mutable CanvasImage m_canvas;
    QTimer *m_frameTimer = nullptr;
    bool m_autoSize = false;
};

} // namespace tessaly
