#include "workclock.h"

namespace tessaly::bench {

namespace {

timespec processCpuTime()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now;
}

double millisecondsBetween(const timespec &from, const timespec &to)
{
    return double(to.tv_sec - from.tv_sec) * 1e3 + double(to.tv_nsec - from.tv_nsec) / 1e6;
}

} // namespace

void WorkClock::start()
{
    m_realStart = std::chrono::steady_clock::now();
    m_cpuStart = processCpuTime();
}

void WorkClock::stop()
{
    m_cpuTotal += millisecondsBetween(m_cpuStart, processCpuTime());
    m_realTotal += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_realStart).count();
    ++m_stretches;
}

double WorkClock::realMilliseconds() const
{
    return m_stretches ? m_realTotal / m_stretches : 0;
}

double WorkClock::cpuMilliseconds() const
{
    return m_stretches ? m_cpuTotal / m_stretches : 0;
}

} // namespace tessaly::bench
