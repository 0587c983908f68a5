#include "platform/picturebox.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace tessaly {

namespace {

// About one screen frame: drawings in between reach the screen together.
constexpr int FrameIntervalMs = 16;

// The classic sunken 3D border, the same on every style and palette.
const QColor OuterShadow(128, 128, 128);
const QColor OuterHighlight(255, 255, 255);
const QColor InnerShadow(0, 0, 0);
const QColor InnerHighlight(192, 192, 192);

// Draws a one-pixel frame just inside rect: top and left edges in
// topLeft, bottom and right edges in bottomRight.
void drawShadedFrame(QPainter &painter, const QRect &rect, QColor topLeft, QColor bottomRight)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
    , m_canvas(QSize(), palette().color(QPalette::Button))
    , m_frameTimer(new QTimer(this))
{
    // The border is painted here, not by the style, so it is exactly
    // BorderWidth pixels whatever the style.
    setFrameStyle(QFrame::NoFrame);
    setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_frameTimer->setSingleShot(true);
    m_frameTimer->setInterval(FrameIntervalMs);
    connect(m_frameTimer, &QTimer::timeout, this, [this] { update(contentsRect()); });
}

void PictureBox::setBackColor(QColor color)
{
    canvas().setBackColor(color);
    update();
}

QColor PictureBox::backColor() const
{
    return m_canvas.backColor();
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        fitToPicture();
}

void PictureBox::setManualDropMode(bool manual)
{
    setAcceptDrops(manual);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_canvas.setPicture(picture);
    if (m_autoSize)
        fitToPicture();
    syncCanvasSize();
    update();
}

double PictureBox::scaleWidth() const
{
    return interiorSize().width();
}

double PictureBox::scaleHeight() const
{
    return interiorSize().height();
}

void PictureBox::cls()
{
    canvas().cls();
    scheduleRepaint();
}

Color PictureBox::point(float x, float y) const
{
    return canvas().point(x, y);
}

void PictureBox::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    canvas().fillBox(x1, y1, x2, y2, color);
    scheduleRepaint();
}

void PictureBox::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    canvas().drawBox(x1, y1, x2, y2, color);
    scheduleRepaint();
}

QImage PictureBox::image() const
{
    return canvas().image();
}

PixelView PictureBox::pixels() const
{
    return canvas().pixels();
}

PixelCanvas PictureBox::drawingPixels()
{
    // Whoever asks is about to draw; the frame deadline brings every drawing
    // until the next pump to the screen together.
    scheduleRepaint();
    return canvas().drawingPixels();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // The image always has the interior's size, so it covers all of it.
    // Only the part asked for is drawn: a photograph-sized picture costs a
    // full copy of its pixels on every paint otherwise.
    QPainter painter(this);
    const QRect interior = contentsRect();
    const QRect exposed = event->rect() & interior;
    if (!exposed.isEmpty())
        painter.drawImage(exposed.topLeft(), canvas().image(), exposed.translated(-interior.topLeft()));
    drawShadedFrame(painter, rect(), OuterShadow, OuterHighlight);
    drawShadedFrame(painter, rect().adjusted(1, 1, -1, -1), InnerShadow, InnerHighlight);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    syncCanvasSize();
}

// Qt routes drags only to widgets that accept drops; the checks keep a box
// out of manual drop mode deaf to drag events sent to it directly as well.
void PictureBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptDrops())
        event->acceptProposedAction();
}

void PictureBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptDrops())
        event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent *event)
{
    if (!acceptDrops())
        return;
    emit oleDragDrop(event->mimeData());
    event->acceptProposedAction();
}

void PictureBox::scheduleRepaint()
{
    if (!m_frameTimer->isActive())
        m_frameTimer->start();
}

void PictureBox::fitToPicture()
{
    const QSize pictureSize = m_canvas.picture().size();
    if (!pictureSize.isEmpty())
        resize(pictureSize + QSize(2 * BorderWidth, 2 * BorderWidth));
}

QSize PictureBox::interiorSize() const
{
    // The margins are the fixed border, so the interior follows from the
    // outer size without asking the style (this runs for every drawn cell).
    return QSize(width() - 2 * BorderWidth, height() - 2 * BorderWidth).expandedTo(QSize(0, 0));
}

void PictureBox::syncCanvasSize() const
{
    // A hidden widget gets its resize event only when it is shown, so the
    // image is brought to the interior's size whenever it is used.
    m_canvas.setSize(interiorSize());
}

CanvasImage &PictureBox::canvas() const
{
    syncCanvasSize();
    return m_canvas;
}

} // namespace tessaly
