#include "patterncases.h"

namespace tessaly::bench {

std::string patternCaseName(std::string_view photo, long long cubes, std::string_view method)
{
    return "Pattern/" + std::string(photo) + "/" + std::to_string(cubes) + "/" + std::string(method);
}

std::string threadsCaseName(std::string_view photo)
{
    return "Threads/" + std::string(photo) + "/" + std::to_string(CheckCubes);
}

} // namespace tessaly::bench
