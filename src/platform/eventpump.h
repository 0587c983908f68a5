#pragma once

#include <chrono>
#include <cstdint>

namespace tessaly {

// DoEvents for a long computation that yields after every small step. Pumping
// Qt's event loop costs far more than one step, so doEvents() pumps only when
// the interval has passed since the last pump, and looks at the clock only
// every few calls. Events are thus handled within a few milliseconds while
// the computation runs at close to full speed.
class EventPump
{
public:
    // doEvents() reads the clock on every this many calls only.
    static constexpr std::uint32_t CallsPerClockCheck = 32;

    explicit EventPump(std::chrono::microseconds interval = std::chrono::milliseconds(4));

    // Returns true when it handled the pending events (anything may have
    // changed), false when it returned at once.
    // Inline: a run calls it after every cell, and nearly every call only
    // counts.
    bool doEvents()
    {
        if (++m_callsSinceCheck < CallsPerClockCheck)
            return false;
        return checkClock();
    }

    // Handles the pending events now, whatever the interval.
    void pumpNow();

    std::uint64_t pumpCount() const { return m_pumps; }

private:
    bool checkClock();

    std::chrono::steady_clock::duration m_interval;
    std::chrono::steady_clock::time_point m_lastPump;
    std::uint32_t m_callsSinceCheck = 0;
    std::uint64_t m_pumps = 0;
};

} // namespace tessaly
