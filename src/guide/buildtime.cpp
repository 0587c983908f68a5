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

namespace {

// "12,039": a long wall's hours read at a glance.
std::string withThousands(long long number)
{
    std::string digits = std::to_string(number);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), 1, ',');
    return digits;
}

} // namespace

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
    const std::string hours = withThousands(time.hours) + " h";
    return time.minutes == 0 ? hours : hours + " " + std::to_string(time.minutes) + " min";
}

} // namespace tessaly
