#include "support/processmemory.h"

#include <fstream>
#include <string>

namespace tessaly::bench {

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

} // namespace tessaly::bench
