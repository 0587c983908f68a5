#pragma once

#include "engine/mosaichost.h"
#include "engine/palette.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessaly::test {

// A box as the run asked the canvas to draw it.
struct DrawnBox
{
    float x1, y1, x2, y2;
    Color color;
};

// A MosaicHost without a window: the source picture is a function of the
// pixel position, the fields are plain texts read afresh at every use, the
// canvas records what is drawn, and every yield counts and may run a script.
class ScriptedHost : public MosaicHost
{
public:
    ScriptedHost(int width, int height, std::function<Color(int x, int y)> picture);

    // Replaces the source picture (as a drop does).
    void setPicture(int width, int height, std::function<Color(int x, int y)> picture);

    std::string columnText = "99";
    std::string rowText = "99";
    std::array<std::string, 6> toleranceTexts = {"111", "190", "220", "220", "260", "250"};

    // Runs inside every yield, given the yield's number (1 for the first).
    std::function<void(int yieldNumber)> onYield;
    bool closed = false;

    // What the run did.
    int clears = 0;
    int yields = 0;
    bool countFieldsEnabled = true;
    std::vector<DrawnBox> cells;
    std::vector<DrawnBox> frames;
    std::vector<std::string> messages;
    // Every call the run made, in order ("clear", "disable", "enable",
    // "error", "cell", "frame", "yield"), for order checks.
    std::vector<std::string> calls;

    double sourceScaleWidth() const override;
    double sourceScaleHeight() const override;
    Color sourcePoint(float x, float y) const override;
    double columnValue() const override;
    double rowValue() const override;
    double toleranceValue(int fieldIndex) const override;
    void setCountFieldsEnabled(bool enabled) override;
    void clearCanvas() override;
    void fillBox(float x1, float y1, float x2, float y2, Color color) override;
    void drawBox(float x1, float y1, float x2, float y2, Color color) override;
    void showError(std::string_view message) override;
    bool doEvents() override;
    bool isClosed() const override;

private:

    int m_width;
    int m_height;
    std::function<Color(int, int)> m_picture;
};

// Runs generateMosaic on the host with the standard palette; returns the
// scale divisor it leaves.
std::int16_t generate(ScriptedHost &host, std::int16_t scaleDivisor = 0);

// A picture of one colour everywhere.
std::function<Color(int, int)> flatPicture(Color color);

} // namespace tessaly::test
