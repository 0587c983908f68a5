#pragma once

#include "pattern/patternrecipe.h"

#include <string>
#include <string_view>

namespace tessaly::bench {

// What the photo pattern benchmarks measure, and the names their figures
// are recorded under, shared by the program that registers them and the
// report that reads them back.

// Every picture is made into walls of about these many cubes...
inline constexpr long long WallCubeCounts[] = {400, 1600, 4000};
// ...and one picture into a wall this large, with the optimiser alone.
inline constexpr long long HugeWallCubes = 100000;
inline constexpr const char *HugeWallPhoto = "astronaut";
// The size the thread check and the previews use.
inline constexpr long long CheckCubes = 1600;

struct NamedMethod
{
    pattern::Method method;
    const char *name;
};

inline constexpr NamedMethod PatternMethods[] = {
    {pattern::Method::Optimised, "optimised"}, {pattern::Method::Nearest, "nearest"},
    {pattern::Method::Ordered, "ordered"},     {pattern::Method::Diffusion, "diffusion"},
    {pattern::Method::Atkinson, "atkinson"},
};
// The window's own mosaic on the same cells, reported as one more method.
inline constexpr const char *WindowMethod = "window";

// "Pattern/astronaut/1600/optimised": one picture, wall size and method.
std::string patternCaseName(std::string_view photo, long long cubes, std::string_view method);
// "Threads/astronaut/1600": the optimiser on one thread and on two.
std::string threadsCaseName(std::string_view photo);

// Counters every pattern case sets.
namespace Counter {
inline constexpr const char *Columns = "columns";
inline constexpr const char *Rows = "rows";
inline constexpr const char *Likeness = "sde";
inline constexpr const char *RealMilliseconds = "real_ms";
inline constexpr const char *CpuMilliseconds = "cpu_ms";
inline constexpr const char *PeakRise = "peak_rise_MB";
inline constexpr const char *Picture = "picture_MB";
// Threads cases: 1 when both thread counts gave the same stickers.
inline constexpr const char *SameBytes = "same_bytes";
} // namespace Counter

} // namespace tessaly::bench
