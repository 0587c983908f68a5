#include "guide/guidehost.h"

#include "platform/textbox.h"

namespace tessaly {

namespace {

// Yields between two looks at the interrupt: often enough to stop within a
// few milliseconds, rarely enough to cost nothing per cell.
constexpr unsigned YieldsPerLook = 1u << 16;

} // namespace

GuideHost::GuideHost(const QImage &picture, const GuideFields &fields, QSize canvasSize,
                     QColor backColor, std::function<bool()> interrupted, bool collectsCells)
    // Sized by the picture it is given: no full-size fill of its own first.
    : m_source(QSize(), backColor)
    , m_canvas(canvasSize, backColor)
    , m_columnValue(fieldNumber(fields.columns))
    , m_rowValue(fieldNumber(fields.rows))
    , m_interrupted(std::move(interrupted))
    , m_collectsCells(collectsCells)
{
    m_source.setPicture(picture);
    for (std::size_t field = 0; field < m_toleranceValues.size(); ++field)
        m_toleranceValues[field] = fieldNumber(fields.tolerances[field]);
}

double GuideHost::sourceScaleWidth() const
{
    return m_source.size().width();
}

double GuideHost::sourceScaleHeight() const
{
    return m_source.size().height();
}

Color GuideHost::sourcePoint(float x, float y) const
{
    return m_source.point(x, y);
}

double GuideHost::toleranceValue(int fieldIndex) const
{
    return m_toleranceValues.at(std::size_t(fieldIndex));
}

void GuideHost::clearCanvas()
{
    m_canvas.cls();
}

void GuideHost::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    m_canvas.fillBox(x1, y1, x2, y2, color);
}

void GuideHost::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    m_canvas.drawBox(x1, y1, x2, y2, color);
}

void GuideHost::cellClassified(std::int32_t i, std::int32_t, std::int16_t paletteIndex)
{
    if (m_collectsCells)
        m_cells.append(i, paletteIndex);
}

void GuideHost::showError(std::string_view message)
{
    if (!m_error)
        m_error = std::string(message);
}

// Nothing ever changes inside a yield, except that the user may interrupt:
// then the run is told its window has gone.
bool GuideHost::doEvents()
{
    if (!m_interrupted || ++m_yieldsSinceLook < YieldsPerLook)
        return false;
    m_yieldsSinceLook = 0;
    m_closed = m_interrupted();
    return m_closed;
}

} // namespace tessaly
