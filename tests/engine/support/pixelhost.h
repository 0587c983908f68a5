#pragma once

#include "support/scriptedhost.h"

#include <cstdint>
#include <vector>

namespace tessaly::test {

// A cell as the run reported it to cellClassified.
struct ReportedCell
{
    std::int32_t i, j;
    std::int16_t paletteIndex;

    bool operator==(const ReportedCell &) const = default;
};

// A ScriptedHost whose source and canvas are plain pixels. It hands them to
// the run directly, or, with direct false, only through sourcePoint, fillBox
// and drawBox, drawing with the same PixelCanvas; a run must leave the same
// pixels either way. Like a window's event pump, only every eventsEvery-th
// yield handles events (runs onYield and returns true); the others return
// false at once.
class PixelHost : public ScriptedHost
{
public:
    PixelHost(int width, int height, bool direct, int canvasWidth = 437, int canvasHeight = 437);

    // A picture whose pixel (x, y) has the colour, as a drop brings it.
    void setPixels(int width, int height, std::function<Color(int x, int y)> picture);
    void setCanvasSize(int width, int height);

    int eventsEvery = 1;
    std::vector<ReportedCell> reported;
    const std::vector<std::uint32_t> &canvas() const { return m_canvas; }
    // The canvas pixel's colour.
    Color canvasColor(int x, int y) const;

    void clearCanvas() override;
    void fillBox(float x1, float y1, float x2, float y2, Color color) override;
    void drawBox(float x1, float y1, float x2, float y2, Color color) override;
    std::optional<PixelView> sourcePixels() const override;
    std::optional<PixelCanvas> canvasPixels() override;
    void cellClassified(std::int32_t i, std::int32_t j, std::int16_t paletteIndex) override;
    bool doEvents() override;

private:
    PixelView sourceView() const;
    PixelCanvas drawable();

    bool m_direct;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_source;
    int m_canvasWidth;
    int m_canvasHeight;
    std::vector<std::uint32_t> m_canvas;
};

} // namespace tessaly::test
