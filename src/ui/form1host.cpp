#include "ui/form1host.h"

#include "platform/eventpump.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "ui/errormessage.h"
#include "ui/form1.h"

#include <QString>

namespace tessaly {

Form1Host::Form1Host(Form1 &window, EventPump &pump)
    : m_window(window)
    , m_pump(pump)
{
}

double Form1Host::sourceScaleWidth() const
{
    return m_window.Picture1->scaleWidth();
}

double Form1Host::sourceScaleHeight() const
{
    return m_window.Picture1->scaleHeight();
}

Color Form1Host::sourcePoint(float x, float y) const
{
    return m_window.Picture1->point(x, y);
}

double Form1Host::columnValue() const
{
    return m_window.Text1->number();
}

double Form1Host::rowValue() const
{
    return m_window.Text2->number();
}

double Form1Host::toleranceValue(int fieldIndex) const
{
    return m_window.Text3.at(std::size_t(fieldIndex))->number();
}

void Form1Host::setCountFieldsEnabled(bool enabled)
{
    m_window.Text1->setEnabled(enabled);
    m_window.Text2->setEnabled(enabled);
}

void Form1Host::clearCanvas()
{
    m_window.Picture2->cls();
}

void Form1Host::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    m_window.Picture2->fillBox(x1, y1, x2, y2, color);
}

void Form1Host::drawBox(float x1, float y1, float x2, float y2, Color color)
{
    m_window.Picture2->drawBox(x1, y1, x2, y2, color);
}

std::optional<PixelView> Form1Host::sourcePixels() const
{
    return m_window.Picture1->pixels();
}

std::optional<PixelCanvas> Form1Host::canvasPixels()
{
    return m_window.Picture2->drawingPixels();
}

void Form1Host::showError(std::string_view message)
{
    showErrorMessage(&m_window, QString::fromUtf8(message.data(), qsizetype(message.size())));
}

bool Form1Host::doEvents()
{
    return m_pump.doEvents();
}

bool Form1Host::isClosed() const
{
    return m_window.isClosed();
}

} // namespace tessaly
