#include "guide/buildtime.h"

#include "guide/buildguide.h"
#include "guide/wallplan.h"

#include <cmath>

namespace tessaly {

CubeWork &CubeWork::operator+=(const CubeWork &other)
{
    cubes += other.cubes;
    turns += other.turns;
    for (std::size_t colour = 0; colour < stickers.size(); ++colour)
        stickers[colour] += other.stickers[colour];
    blackCells += other.blackCells;
    return *this;
}

CubeWork workIn(const BuildGuide &guide, const CubeSpan &span)
{
    CubeWork work;
    for (int row = span.row; row <= span.lastRow(); ++row) {
        for (int column = span.column; column <= span.lastColumn(); ++column) {
            const GuideCube &cube = guide.cubeAt(column, row);
            ++work.cubes;
            work.turns += cube.twists ? cube.twists->turns : 0;
            for (const FaceMark mark : cube.face) {
                if (const auto colour = markColour(mark))
                    ++work.stickers[std::size_t(*colour)];
                else if (mark == FaceMark::Black)
                    ++work.blackCells;
            }
        }
    }
    return work;
}

double buildSeconds(const CubeWork &work, const BuildPace &pace)
{
    return double(work.cubes) * pace.secondsPerCube + double(work.turns) * pace.secondsPerTurn;
}

RoundedBuildTime roundBuildTime(double seconds)
{
    const long long minutes = std::llround(seconds / 60);
    return {minutes / 60, minutes % 60, minutes == 0 && seconds > 0};
}

std::string formatBuildTime(double seconds)
{
    const RoundedBuildTime time = roundBuildTime(seconds);
    if (time.underAMinute)
        return "< 1 min";
    if (time.hours == 0)
        return std::to_string(time.minutes) + " min";
    if (time.minutes == 0)
        return std::to_string(time.hours) + " h";
    return std::to_string(time.hours) + " h " + std::to_string(time.minutes) + " min";
}

} // namespace tessaly
