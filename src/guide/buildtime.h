#pragma once

#include "cube/colour.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaly {

struct BuildGuide;
struct CubeSpan;

// The builders' pace. Twisting takes most of a wall's time, so each turn
// counts; every cube also costs the same time to pick, check and mount.
struct BuildPace
{
    static constexpr double MaxSeconds = 3600; // the most either figure may be

    double secondsPerTurn = 3;
    double secondsPerCube = 10;

    bool operator==(const BuildPace &) const = default;
};

// What some cubes of a wall take to build, and the stickers they show.
struct CubeWork
{
    std::int64_t cubes = 0;
    std::int64_t turns = 0; // 0 until the faces are solved
    std::array<std::int64_t, cube::ColourCount> stickers{}; // by cube::Colour
    std::int64_t blackCells = 0;

    CubeWork &operator+=(const CubeWork &other);
};

// The work of the guide's cubes inside span, which must lie inside the wall.
CubeWork workIn(const BuildGuide &guide, const CubeSpan &span);

// Every cube's picking and mounting plus every turn, in seconds.
double buildSeconds(const CubeWork &work, const BuildPace &pace);

// A time to the nearest minute as builders plan it, in hours and minutes.
struct RoundedBuildTime
{
    long long hours = 0;
    long long minutes = 0;     // 0 to 59
    bool underAMinute = false; // some time, but less than half a minute
};
RoundedBuildTime roundBuildTime(double seconds);

// The rounded time in English: "2 h 35 min", "3 h", "35 min", "0 min" for
// none, "< 1 min" for a little.
std::string formatBuildTime(double seconds);

} // namespace tessaly
