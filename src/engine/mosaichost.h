#pragma once

#include "platform/color.h"
#include "platform/pixelcanvas.h"
#include "platform/pixelview.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly {

// What a generation run needs of its window. The window implements it over
// its controls; tests and benchmarks implement it to script what happens
// inside a yield. All coordinates are pixels.
class MosaicHost
{
public:
    virtual ~MosaicHost() = default;

    // The source picture (Picture1): interior size and pixels.
    virtual double sourceScaleWidth() const = 0;
    virtual double sourceScaleHeight() const = 0;
    // The colour of the source pixel at (x, y); -1 outside the interior.
    virtual Color sourcePoint(float x, float y) const = 0;

    // The current texts of the fields, each read as a number (readNumber).
    virtual double columnValue() const = 0;               // Text1
    virtual double rowValue() const = 0;                  // Text2
    virtual double toleranceValue(int fieldIndex) const = 0; // Text3(0..5)
    virtual void setCountFieldsEnabled(bool enabled) = 0; // Text1 and Text2

    // The canvas (Picture2).
    virtual void clearCanvas() = 0;
    // The box with corners (x1, y1) and (x2, y2) filled with the colour.
    virtual void fillBox(float x1, float y1, float x2, float y2, Color color) = 0;
    // The outline of that box, one pixel wide.
    virtual void drawBox(float x1, float y1, float x2, float y2, Color color) = 0;

    // Plain pixels, for a host that holds its pictures as such: the run then
    // reads the source's pixels itself instead of calling sourcePoint, and
    // draws its cells and frames on the canvas's pixels itself instead of
    // calling fillBox and drawBox, with the same rasterisation as CanvasImage.
    // Either may be given without the other; empty (the default) keeps the
    // calls. The run asks again after every doEvents() that returns true,
    // and relies on what it was given until then: the pixels must stay where
    // they are and hold the picture until events are handled. Being asked
    // for the canvas means the run is about to draw on it.
    virtual std::optional<PixelView> sourcePixels() const { return std::nullopt; }
    virtual std::optional<PixelCanvas> canvasPixels() { return std::nullopt; }

    // The run has classified the cell in column i and row j of the mosaic
    // (counted from 0) to the palette index, just before drawing it. Every
    // sampled cell is reported, also those that fall beyond the canvas. The
    // window has no use for it; a build guide collects the cells here.
    virtual void cellClassified(std::int32_t i, std::int32_t j, std::int16_t paletteIndex)
    {
        (void)i, (void)j, (void)paletteIndex;
    }

    // A modal message box with one OK button, titled "错误"; returns once it
    // has been dismissed.
    virtual void showError(std::string_view message) = 0;

    // Lets the window handle its pending events. Returns false when nothing
    // can have changed (no events were handled), true otherwise: then field
    // texts, the source picture and the canvas may all have changed.
    virtual bool doEvents() = 0;

    // True once the window has been closed: a run must then end at once and
    // touch nothing more.
    virtual bool isClosed() const = 0;
};

} // namespace tessaly
