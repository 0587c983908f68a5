#include "support/pixelhost.h"

#include <algorithm>

namespace tessaly::test {

namespace {

constexpr Color CanvasBack = rgbColor(212, 208, 200);

} // namespace

PixelHost::PixelHost(int width, int height, bool direct, int canvasWidth, int canvasHeight)
    : ScriptedHost(width, height, flatPicture(0)), m_direct(direct), m_canvasWidth(canvasWidth),
      m_canvasHeight(canvasHeight)
{
    setCanvasSize(canvasWidth, canvasHeight);
    setPixels(width, height, flatPicture(0));
}

void PixelHost::setPixels(int width, int height, std::function<Color(int, int)> picture)
{
    m_width = width;
    m_height = height;
    m_source.assign(std::size_t(width) * std::size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            m_source[std::size_t(y) * std::size_t(width) + std::size_t(x)] = PixelCanvas::pixelOf(picture(x, y));
    // The calls read the same pixels as the direct way.
    setPicture(width, height, [this](int x, int y) { return sourceView().point(float(x), float(y)); });
}

void PixelHost::setCanvasSize(int width, int height)
{
    m_canvasWidth = width;
    m_canvasHeight = height;
    m_canvas.assign(std::size_t(width) * std::size_t(height), PixelCanvas::pixelOf(CanvasBack));
}

Color PixelHost::canvasColor(int x, int y) const
{
    return PixelView{m_canvas.data(), m_canvasWidth, m_canvasHeight, m_canvasWidth}.point(float(x), float(y));
}

void PixelHost::clearCanvas()
{
    ScriptedHost::clearCanvas();
    reported.clear();
    std::fill(m_canvas.begin(), m_canvas.end(), PixelCanvas::pixelOf(CanvasBack));
}

void PixelHost::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    drawable().fillBox(x1, y1, x2, y2, color);
}

void PixelHost::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    drawable().drawBox(x1, y1, x2, y2, color);
}

std::optional<PixelView> PixelHost::sourcePixels() const
{
    if (!m_direct)
        return std::nullopt;
    return sourceView();
}

std::optional<PixelCanvas> PixelHost::canvasPixels()
{
    if (!m_direct)
        return std::nullopt;
    return drawable();
}

void PixelHost::cellClassified(std::int32_t i, std::int32_t j, std::int16_t paletteIndex)
{
    reported.push_back({i, j, paletteIndex});
}

bool PixelHost::doEvents()
{
    ++yields;
    if (yields % eventsEvery != 0)
        return false;
    if (onYield)
        onYield(yields);
    return true;
}

PixelView PixelHost::sourceView() const
{
    return {m_source.data(), m_width, m_height, m_width};
}

PixelCanvas PixelHost::drawable()
{
    return PixelCanvas(m_canvas.data(), m_canvasWidth, m_canvasHeight, m_canvasWidth);
}

} // namespace tessaly::test
