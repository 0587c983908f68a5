#pragma once

#include <QTimer>

#include <chrono>
#include <cstdint>

namespace tessaly::bench {

// Measures how long a run keeps the event loop waiting. A zero-interval
// timer is due at every pass of the event loop, so its firings mark the
// moments events were actually handled; the longest stretch between two of
// them (or between the run's start or end and the nearest one) is the
// longest an event could have waited.
class PumpGapMeter
{
public:
    PumpGapMeter();

    void beginRun();
    void endRun();

    // Over every run measured so far.
    double longestGapMilliseconds() const;
    std::int64_t pumpsSeen() const { return m_pumps; }

private:
    void closeStretch();

    QTimer m_timer;
    std::chrono::steady_clock::time_point m_stretchStart;
    std::chrono::steady_clock::duration m_longest{};
    std::int64_t m_pumps = 0;
};

} // namespace tessaly::bench
