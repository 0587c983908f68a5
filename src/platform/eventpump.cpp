#include "platform/eventpump.h"

#include <QCoreApplication>

namespace tessaly {

EventPump::EventPump(std::chrono::microseconds interval)
    : m_interval(interval)
    , m_lastPump(std::chrono::steady_clock::now())
{
}

bool EventPump::checkClock()
{
    m_callsSinceCheck = 0;
    if (std::chrono::steady_clock::now() - m_lastPump < m_interval)
        return false;
    pumpNow();
    return true;
}

void EventPump::pumpNow()
{
    QCoreApplication::processEvents();
    // Timed after the pump: events handled in it (a nested run, a modal
    // box) may take any time, and the next interval starts from their end.
    m_lastPump = std::chrono::steady_clock::now();
    ++m_pumps;
}

} // namespace tessaly
