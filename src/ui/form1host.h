#pragma once

#include "engine/mosaichost.h"

namespace tessaly {

class EventPump;
class Form1;

// How a generation run reaches the window: the source picture is Picture1,
// the counts Text1 and Text2, the tolerances Text3, the canvas Picture2.
// Yields go through the window's event pump.
class Form1Host final : public MosaicHost
{
public:
    Form1Host(Form1 &window, EventPump &pump);

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
    std::optional<PixelView> sourcePixels() const override;
    std::optional<PixelCanvas> canvasPixels() override;

    void showError(std::string_view message) override;
    bool doEvents() override;
    bool isClosed() const override;

private:
    Form1 &m_window;
    EventPump &m_pump;
};

} // namespace tessaly
