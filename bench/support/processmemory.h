#pragma once

#include <optional>

namespace tessaly::bench {

// A "Vm...:  1234 kB" line of /proc/self/status, in kilobytes; empty when
// it cannot be read.
std::optional<long> statusKilobytes(const char *field);

// Brings the peak resident size (VmHWM) down to the present one, so the next
// reading shows the peak of what happens from now on. False when the system
// does not allow it.
bool resetPeakResidentSize();

} // namespace tessaly::bench
