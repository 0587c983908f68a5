#pragma once

#include "platform/color.h"
#include "platform/boxraster.h"
#include "platform/pixelview.h"

#include <cstddef>
#include <cstdint>

namespace tessaly {

// Plain pixels to draw on, in the layout of PixelView, rasterised as
// boxraster.h says. It does not own the pixels; whoever hands one out says
// how long it stays valid.
class PixelCanvas
{
public:
    PixelCanvas() = default;
    PixelCanvas(std::uint32_t *bits, int width, int height, std::ptrdiff_t stride)
        : m_bits(bits), m_width(width), m_height(height), m_stride(stride)
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    PixelView view() const { return {m_bits, m_width, m_height, m_stride}; }

    // The pixel word a Color is stored as.
    static constexpr std::uint32_t pixelOf(Color color)
    {
        return 0xFF000000u | (std::uint32_t(color & 0xFF) << 16) | (std::uint32_t(color) & 0xFF00u)
            | (std::uint32_t(color >> 16) & 0xFFu);
    }

    void fillBox(float x1, float y1, float x2, float y2, Color color)
    {
        const auto columns = filledSpan(x1, x2, m_width);
        const auto rows = filledSpan(y1, y2, m_height);
        if (columns && rows)
            fill(*columns, *rows, pixelOf(color));
    }

    void drawBox(float x1, float y1, float x2, float y2, Color color)
    {
        drawOutline(outlineAxis(x1, x2, m_width), outlineAxis(y1, y2, m_height), pixelOf(color));
    }

    // The outline whose axes outlineAxis() gave: the edges along x span
    // columns and lie on the rows' lines, the edges along y the other way
    // round. Corners are set twice, which costs nothing.
    void drawOutline(const OutlineAxis &columns, const OutlineAxis &rows, std::uint32_t pixel)
    {
        if (columns.span) {
            for (const auto &row : {rows.lowLine, rows.highLine}) {
                if (row)
                    fill(*columns.span, {*row, *row}, pixel);
            }
        }
        if (rows.span) {
            for (const auto &column : {columns.lowLine, columns.highLine}) {
                if (column)
                    fill({*column, *column}, *rows.span, pixel);
            }
        }
    }

    // Sets every pixel of the columns and rows, both spans inside.
    void fill(PixelSpan columns, PixelSpan rows, std::uint32_t pixel)
    {
        std::uint32_t *row = m_bits + std::ptrdiff_t(rows.first) * m_stride + columns.first;
        const int width = columns.last - columns.first + 1;
        for (int rowsLeft = rows.last - rows.first + 1; rowsLeft > 0; --rowsLeft, row += m_stride) {
            // Cells and frame edges are a few pixels wide: a plain loop
            // beats the set-up of a vectorised fill.
            for (int column = 0; column < width; ++column)
                row[column] = pixel;
        }
    }

private:
    std::uint32_t *m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::ptrdiff_t m_stride = 0;
};

} // namespace tessaly
