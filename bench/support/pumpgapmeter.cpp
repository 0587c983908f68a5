#include "pumpgapmeter.h"

#include <algorithm>

namespace tessaly::bench {

PumpGapMeter::PumpGapMeter()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        closeStretch();
        ++m_pumps;
    });
}

void PumpGapMeter::beginRun()
{
    m_stretchStart = std::chrono::steady_clock::now();
    m_timer.start();
}

void PumpGapMeter::endRun()
{
    closeStretch();
    m_timer.stop();
}

double PumpGapMeter::longestGapMilliseconds() const
{
    return std::chrono::duration<double, std::milli>(m_longest).count();
}

void PumpGapMeter::closeStretch()
{
    const auto now = std::chrono::steady_clock::now();
    m_longest = std::max(m_longest, now - m_stretchStart);
    m_stretchStart = now;
}

} // namespace tessaly::bench
