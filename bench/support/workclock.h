#pragma once

#include <chrono>
#include <ctime>

namespace tessaly::bench {

// Times stretches of work on two clocks: real time, what a user waits, and
// the CPU time of the whole process, which counts every thread the work
// starts. On a shared machine real time also counts the moments the
// processors went to others; CPU time does not.
class WorkClock
{
public:
    void start();
    void stop();

    // The mean over the stretches timed so far, in milliseconds; 0 before any.
    double realMilliseconds() const;
    double cpuMilliseconds() const;

private:
    std::chrono::steady_clock::time_point m_realStart;
    timespec m_cpuStart{};
    double m_realTotal = 0;
    double m_cpuTotal = 0;
    int m_stretches = 0;
};

} // namespace tessaly::bench
