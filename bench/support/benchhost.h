#pragma once

#include "engine/mosaichost.h"
#include "platform/canvasimage.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace tessaly {

class EventPump;

namespace bench {

// A MosaicHost without a window, for measuring the run itself: the source is
// a plain Format_RGB32 picture, the canvas a 437 x 437 CanvasImage, both
// handed to the run as plain pixels, the field numbers fixed. Yields go to an EventPump, or, with
// none, return at once without touching the event loop (the no-yield
// baseline).
class BenchHost final : public MosaicHost
{
public:
    static constexpr int CanvasSide = 437;

    // The source must outlive the host; pump may be null.
    BenchHost(const QImage &source, double columnCount, double rowCount, EventPump *pump);

    double sourceScaleWidth() const override { return m_sourceWidth; }
    double sourceScaleHeight() const override { return m_sourceHeight; }
    Color sourcePoint(float x, float y) const override;

    double columnValue() const override { return m_columnCount; }
    double rowValue() const override { return m_rowCount; }
    double toleranceValue(int fieldIndex) const override;
    void setCountFieldsEnabled(bool) override {}

    void clearCanvas() override;
    void fillBox(float x1, float y1, float x2, float y2, Color color) override;
    void drawBox(float x1, float y1, float x2, float y2, Color color) override;
    std::optional<PixelView> sourcePixels() const override;
    std::optional<PixelCanvas> canvasPixels() override;
    void cellClassified(std::int32_t, std::int32_t, std::int16_t) override { ++m_cellsDrawn; }

    // A benchmark has nobody to dismiss a box: it only counts the message.
    void showError(std::string_view) override { ++m_errors; }
    bool doEvents() override;
    bool isClosed() const override { return false; }

    // Cells classified since the last clearCanvas(); messages ever shown.
    std::int64_t cellsDrawn() const { return m_cellsDrawn; }
    int errors() const { return m_errors; }
    const CanvasImage &canvas() const { return m_canvas; }

private:
    const QImage &m_source;
    int m_sourceWidth;
    int m_sourceHeight;
    double m_columnCount;
    double m_rowCount;
    EventPump *m_pump;
    CanvasImage m_canvas;
    std::int64_t m_cellsDrawn = 0;
    int m_errors = 0;
};

// The default tolerances of Text3(0) to Text3(5).
constexpr std::array<double, 6> DefaultTolerances = {111, 190, 220, 220, 260, 250};

} // namespace bench
} // namespace tessaly
