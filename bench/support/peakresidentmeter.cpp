#include "peakresidentmeter.h"

#include "support/processmemory.h"

#include <malloc.h>

#include <algorithm>

namespace tessaly::bench {

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
