#include "peakresidentmeter.h"

#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

namespace tessaly::bench {

namespace {

// A "Vm...:  1234 kB" line of /proc/self/status, in kilobytes.
std::optional<long> statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return std::nullopt;
}

bool resetPeakResidentSize()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return bool(clearRefs);
}

} // namespace

PeakResidentMeter::PeakResidentMeter()
{
    // Heap an earlier run freed but kept would otherwise count as resident
    // at the start and hide that much of this run's peak.
    malloc_trim(0);
    m_residentKilobytes = statusKilobytes("VmRSS").value_or(0);
    m_peakWasReset = resetPeakResidentSize();
}

double PeakResidentMeter::riseMegabytes() const
{
    const long peak = statusKilobytes("VmHWM").value_or(m_residentKilobytes);
    return double(std::max(0L, peak - m_residentKilobytes)) / 1024.0;
}

} // namespace tessaly::bench
