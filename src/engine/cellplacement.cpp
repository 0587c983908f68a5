#include "engine/cellplacement.h"

#include "platform/numbers.h"

namespace tessaly {

namespace {

float scaled(std::int64_t numerator, std::int16_t scaleDivisor)
{
    return toSingle(double(numerator) / double(scaleDivisor));
}

} // namespace

AxisCorners cellCorners(std::int64_t k, std::int16_t scaleDivisor)
{
    return {scaled(4 * k + 8, scaleDivisor), scaled(4 * k + 11, scaleDivisor)};
}

AxisCorners frameCorners(std::int64_t k, std::int16_t scaleDivisor)
{
    return {scaled(4 * k - 4, scaleDivisor), scaled(4 * k + 8, scaleDivisor)};
}

CellPlacement::CellPlacement(std::int16_t scaleDivisor, int width, int height)
    : m_scaleDivisor(scaleDivisor), m_width(width), m_height(height)
{
}

bool CellPlacement::suits(std::int16_t scaleDivisor, int width, int height) const
{
    return scaleDivisor == m_scaleDivisor && width == m_width && height == m_height;
}

AxisPlacement CellPlacement::placement(std::int64_t k, int extent) const
{
    const AxisCorners cell = cellCorners(k, m_scaleDivisor);
    const AxisCorners frame = frameCorners(k, m_scaleDivisor);
    return {filledSpan(cell.low, cell.high, extent), outlineAxis(frame.low, frame.high, extent)};
}

void CellPlacement::coverColumns(std::int64_t count)
{
    for (auto k = std::int64_t(m_columns.size()); k < count && !m_reachesBeyondCanvas; ++k) {
        // The frame's left edge comes first; once it lies beyond the last
        // pixel column, so does everything of this column and later ones.
        if (frameCorners(k, m_scaleDivisor).low >= float(m_width)) {
            m_reachesBeyondCanvas = true;
            break;
        }
        m_columns.push_back(placement(k, m_width));
    }
    m_coveredColumns = std::int32_t(m_columns.size());
}

} // namespace tessaly
