#pragma once

#include "platform/color.h"
#include "platform/pixelcanvas.h"
#include "platform/pixelview.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace tessaly {

// A picture box's persistent image: its picture (or its back colour where it
// has none) with everything drawn on it since the last cls(). Plain pixels in
// QImage::Format_RGB32; drawing writes the pixels directly.
//
// Rasterisation (boxraster.h): corners are single-precision and may be
// fractional (the mosaic divides its coordinates by a scale divisor). A filled
// box covers the pixels p with x1 <= p <= x2 and y1 <= p <= y2, i.e. columns
// ceil(x1) to floor(x2); a box outline draws each edge on the one pixel line
// ceil(c) of its coordinate c. With whole-number corners both are the box with its
// corners included. Adjacent cells (x2 of one and x1 of the next one pixel of
// numerator apart) therefore never leave a gap, and frame lines stay one
// pixel wide on the first pixel line of the block they border. Corners may
// lie anywhere, far outside the image or infinite: drawing is clipped to the
// image, and a box with a corner that is not a number draws nothing.
class CanvasImage
{
public:
    CanvasImage(QSize size, QColor backColor);

    QSize size() const { return m_image.size(); }
    QColor backColor() const { return m_backColor; }
    // Changes the back colour and erases everything drawn, as cls() does.
    void setBackColor(QColor color);

    // Gives the image a new size: what it holds stays at its top-left, new
    // area gets the back colour.
    void setSize(QSize size);

    // Shows the picture: the image takes the picture's size and pixels.
    // A null picture removes it; the image keeps its size in back colour.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // Erases everything drawn: back to the picture (at the top-left), and
    // the back colour where there is no picture.
    void cls();

    // The colour of the pixel at (x, y) (coordinates taken down to whole
    // pixels); -1 outside the image.
    Color point(float x, float y) const;

    void fillBox(float x1, float y1, float x2, float y2, Color color);
    void drawBox(float x1, float y1, float x2, float y2, Color color);

    // The persistent image as it stands.
    const QImage &image() const { return m_image; }

    // The image's pixels, to read (pixels) or to draw on directly
    // (drawingPixels, which gives the image its own pixels first, so copies
    // handed out before keep what they showed). Both stay valid until the
    // image is next changed by anything but drawing on them: cls, a picture,
    // a size or a back colour, or a copy of the image being made.
    PixelView pixels() const;
    PixelCanvas drawingPixels();

private:
    QImage m_picture;
    QImage m_image;
    QColor m_backColor;
};

} // namespace tessaly
