#pragma once

#include <QTimer>

#include <chrono>
#include <cstdint>
#include <vector>

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

    // The longest stretch over every run measured so far: what the slowest
    // moment cost, a moment when the system took the processor away
    // included.
    double longestGapMilliseconds() const;
    // The median over the runs of each run's longest stretch: what the run
    // itself holds the event loop up for, mostly free of such moments.
    double typicalLongestGapMilliseconds() const;
    std::int64_t pumpsSeen() const { return m_pumps; }

private:
    void closeStretch();

    QTimer m_timer;
    std::chrono::steady_clock::time_point m_stretchStart;
    std::chrono::steady_clock::duration m_longestInRun{};
    std::vector<std::chrono::steady_clock::duration> m_longestPerRun;
    std::int64_t m_pumps = 0;
};

} // namespace tessaly::bench
