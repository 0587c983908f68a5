#include "patterncases.h"

#include <cstdio>

namespace tessaly::bench {

std::string patternCaseName(std::string_view photo, long long cubes, std::string_view method)
{
    return "Pattern/" + std::string(photo) + "/" + std::to_string(cubes) + "/" + std::string(method);
}

std::string threadsCaseName(std::string_view photo)
{
    return "Threads/" + std::string(photo) + "/" + std::to_string(CheckCubes);
}

std::string curveCaseName(std::string_view photo, double turnWeight)
{
    char weight[32];
    std::snprintf(weight, sizeof weight, "%g", turnWeight);
    return "Curve/" + std::string(photo) + "/" + weight;
}

} // namespace tessaly::bench
