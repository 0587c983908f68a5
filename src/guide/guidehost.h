#pragma once

#include "engine/mosaichost.h"
#include "guide/guidefields.h"
#include "guide/mosaiccells.h"
#include "platform/canvasimage.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tessaly {

// A generation run's host without a window: the source picture and the
// canvas are canvas images like the window's picture boxes, the fields are
// fixed texts, and a yield never has events to handle. It collects every
// classified cell unless told not to, and keeps the message the run would
// have shown.
class GuideHost final : public MosaicHost
{
public:
    // interrupted, may be empty, is asked now and then inside yields; once it
    // says true the run is told its window has gone and ends at once. Without
    // collectsCells, cells() stays empty: only the canvas is wanted.
    GuideHost(const QImage &picture, const GuideFields &fields, QSize canvasSize,
              QColor backColor, std::function<bool()> interrupted = {}, bool collectsCells = true);

    double sourceScaleWidth() const override;
    double sourceScaleHeight() const override;
    Color sourcePoint(float x, float y) const override;

    double columnValue() const override { return m_columnValue; }
    double rowValue() const override { return m_rowValue; }
    double toleranceValue(int fieldIndex) const override;
    void setCountFieldsEnabled(bool) override {}

    void clearCanvas() override;
    void fillBox(float x1, float y1, float x2, float y2, Color color) override;
    void drawBox(float x1, float y1, float x2, float y2, Color color) override;
    // The run reads and draws the pixels itself: nothing changes them meanwhile.
    std::optional<PixelView> sourcePixels() const override { return m_source.pixels(); }
    std::optional<PixelCanvas> canvasPixels() override { return m_canvas.drawingPixels(); }
    void cellClassified(std::int32_t i, std::int32_t j, std::int16_t paletteIndex) override;

    void showError(std::string_view message) override;
    bool doEvents() override;
    bool isClosed() const override { return m_closed; }

    const MosaicCells &cells() const { return m_cells; }
    MosaicCells takeCells() { return std::move(m_cells); }
    const QImage &canvas() const { return m_canvas.image(); }
    // The first message the run showed, if any: it refused or stopped.
    const std::optional<std::string> &error() const { return m_error; }
    bool wasInterrupted() const { return m_closed; }

private:
    CanvasImage m_source;
    CanvasImage m_canvas;
    double m_columnValue;
    double m_rowValue;
    std::array<double, 6> m_toleranceValues{};
    std::function<bool()> m_interrupted;
    unsigned m_yieldsSinceLook = 0;
    bool m_closed = false;
    bool m_collectsCells;
    MosaicCells m_cells;
    std::optional<std::string> m_error;
};

} // namespace tessaly
