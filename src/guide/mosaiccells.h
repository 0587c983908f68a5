#pragma once

#include <cstdint>
#include <vector>

namespace tessaly {

// The cells of one mosaic as its run classified them: a palette index for
// every cell, column i and row j counted from 0, also the cells that fall
// beyond the canvas.
class MosaicCells
{
public:
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    std::int64_t count() const { return std::int64_t(m_indexes.size()); }

    std::int16_t at(int i, int j) const
    {
        return m_indexes[std::size_t(j) * std::size_t(m_columns) + std::size_t(i)];
    }

    // Takes the next cell in the run's order: rows top to bottom, each row
    // left to right, a cell with i == 0 starting a new row. The first row
    // sets the number of columns.
    void append(std::int32_t i, std::int16_t paletteIndex)
    {
        if (i == 0)
            ++m_rows;
        if (m_rows == 1)
            m_columns = i + 1;
        m_indexes.push_back(std::int8_t(paletteIndex));
    }

    // Every row as long as the first: always so while the picture and the
    // counts stay as they were when the run started.
    bool isRectangular() const
    {
        return m_indexes.size() == std::size_t(m_columns) * std::size_t(m_rows);
    }

private:
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::int8_t> m_indexes;
};

} // namespace tessaly
