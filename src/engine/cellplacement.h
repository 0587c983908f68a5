#pragma once

#include "platform/boxraster.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly {

// A mosaic's drawing coordinates along one axis, for the cell numbered k
// there (column i or row j): whole-number numerators divided by the scale
// divisor, each rounded to single precision.
struct AxisCorners
{
    float low;
    float high;
};

// The cell spans 4k + 8 to 4k + 11.
AxisCorners cellCorners(std::int64_t k, std::int16_t scaleDivisor);
// The frame drawn at cell k spans 4k - 4 to 4k + 8: the 3x3 block that ends
// just before the cell.
AxisCorners frameCorners(std::int64_t k, std::int16_t scaleDivisor);

// Where cell k and the frame drawn at it fall on the pixels of one axis.
struct AxisPlacement
{
    std::optional<PixelSpan> cell;
    OutlineAxis frame;
};

// Where a mosaic's cells and frames fall on a canvas's pixels, for one
// scale divisor and canvas size. A cell's pixels depend on its column and
// its row alone, so they are worked out once per column and once per row,
// with the rasteriser that draws boxes from their corners (boxraster.h):
// the pixels are the same as drawing every cell's boxes from the corners.
class CellPlacement
{
public:
    CellPlacement() = default;
    CellPlacement(std::int16_t scaleDivisor, int width, int height);

    // Whether it was made for this divisor and canvas size.
    bool suits(std::int16_t scaleDivisor, int width, int height) const;

    // Works out the placements of columns 0 to count - 1 that are not yet,
    // up to the first column that lies wholly beyond the canvas: it and
    // every later one cover nothing, so the table never grows beyond what
    // the canvas can show.
    void coverColumns(std::int64_t count);

    // Column i's placement; columns up to i must have been covered.
    const AxisPlacement &column(std::int32_t i) const
    {
        return i < m_coveredColumns ? m_columns[std::size_t(i)] : m_beyondCanvas;
    }

    // Row j's placement; the last row asked for is kept.
    const AxisPlacement &row(std::int32_t j)
    {
        if (j != m_placedRow) {
            m_row = placement(j, m_height);
            m_placedRow = j;
        }
        return m_row;
    }

private:
    AxisPlacement placement(std::int64_t k, int extent) const;

    std::int16_t m_scaleDivisor = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<AxisPlacement> m_columns;
    std::int32_t m_coveredColumns = 0;
    bool m_reachesBeyondCanvas = false;
    AxisPlacement m_beyondCanvas;
    AxisPlacement m_row;
    std::int32_t m_placedRow = -1;
};

} // namespace tessaly
