#include "support/scriptedhost.h"

#include "engine/generationrun.h"
#include "platform/numbers.h"

#include <cmath>
#include <utility>

namespace tessaly::test {

ScriptedHost::ScriptedHost(int width, int height, std::function<Color(int, int)> picture)
    : m_width(width), m_height(height), m_picture(std::move(picture))
{
}

void ScriptedHost::setPicture(int width, int height, std::function<Color(int, int)> picture)
{
    m_width = width;
    m_height = height;
    m_picture = std::move(picture);
}

double ScriptedHost::sourceScaleWidth() const { return m_width; }
double ScriptedHost::sourceScaleHeight() const { return m_height; }

Color ScriptedHost::sourcePoint(float x, float y) const
{
    const int px = int(std::floor(x));
    const int py = int(std::floor(y));
    if (px < 0 || py < 0 || px >= m_width || py >= m_height)
        return -1;
    return m_picture(px, py);
}

double ScriptedHost::columnValue() const { return readNumber(columnText); }
double ScriptedHost::rowValue() const { return readNumber(rowText); }
double ScriptedHost::toleranceValue(int fieldIndex) const
{
    return readNumber(toleranceTexts.at(std::size_t(fieldIndex)));
}

void ScriptedHost::setCountFieldsEnabled(bool enabled)
{
    countFieldsEnabled = enabled;
    calls.push_back(enabled ? "enable" : "disable");
}

void ScriptedHost::clearCanvas()
{
    ++clears;
    cells.clear();
    frames.clear();
    calls.push_back("clear");
}

void ScriptedHost::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    cells.push_back({x1, y1, x2, y2, color});
    calls.push_back("cell");
}

void ScriptedHost::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    frames.push_back({x1, y1, x2, y2, color});
    calls.push_back("frame");
}

void ScriptedHost::showError(std::string_view message)
{
    messages.emplace_back(message);
    calls.push_back("error");
}

bool ScriptedHost::doEvents()
{
    ++yields;
    calls.push_back("yield");
    if (onYield)
        onYield(yields);
    return true;
}

bool ScriptedHost::isClosed() const { return closed; }

std::int16_t generate(ScriptedHost &host, std::int16_t scaleDivisor)
{
    generateMosaic(host, StandardPalette, scaleDivisor);
    return scaleDivisor;
}

std::function<Color(int, int)> flatPicture(Color color)
{
    return [color](int, int) { return color; };
}

} // namespace tessaly::test
