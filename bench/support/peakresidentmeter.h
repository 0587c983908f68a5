#pragma once

namespace tessaly::bench {

// How far some work raises the process's peak resident size above what it
// held when the meter started: the memory the work needed, whatever it
// freed again before the end.
class PeakResidentMeter
{
public:
    // Hands freed heap back to the system, then notes the resident size and
    // brings the peak (VmHWM) down to it, so that the peak read later is the
    // work's own.
    PeakResidentMeter();

    // The peak since the start less the resident size at the start, in MB;
    // 0 when /proc/self/status cannot be read.
    double riseMegabytes() const;
    // False when the peak could not be brought down at the start: the rise
    // then only shows work that went past every earlier peak.
    bool isExact() const { return m_peakWasReset; }

private:
    long m_residentKilobytes = 0;
    bool m_peakWasReset = false;
};

} // namespace tessaly::bench
