#include "pumpgapmeter.h"

#include <algorithm>

namespace tessaly::bench {

namespace {

double milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

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
    m_longestInRun = {};
    m_stretchStart = std::chrono::steady_clock::now();
    m_timer.start();
}

void PumpGapMeter::endRun()
{
    closeStretch();
    m_timer.stop();
    m_longestPerRun.push_back(m_longestInRun);
}

double PumpGapMeter::longestGapMilliseconds() const
{
    if (m_longestPerRun.empty())
        return 0;
    return milliseconds(*std::max_element(m_longestPerRun.begin(), m_longestPerRun.end()));
}

double PumpGapMeter::typicalLongestGapMilliseconds() const
{
    if (m_longestPerRun.empty())
        return 0;
    auto sorted = m_longestPerRun;
    const auto middle = sorted.begin() + std::ptrdiff_t(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    return milliseconds(*middle);
}

void PumpGapMeter::closeStretch()
{
    const auto now = std::chrono::steady_clock::now();
    m_longestInRun = std::max(m_longestInRun, now - m_stretchStart);
    m_stretchStart = now;
}

} // namespace tessaly::bench
