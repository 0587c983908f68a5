#include "pdfsyntheticguide.h"

#include <cmath>
#include <string>

namespace tessaly::test {

namespace {

// A well-mixed hash of a few numbers: the pattern needs no state.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

CubeTwists syntheticTwists(int column, int row, std::uint32_t seed)
{
    static const char *const Faces[] = {"R", "U", "F", "L", "D", "B"};
    static const char *const Suffixes[] = {"", "2", "'"};
    const std::uint32_t h = mix(std::uint32_t(column), std::uint32_t(row), seed ^ 0xABCDu);
    CubeTwists twists;
    twists.front = cube::Colour(h % 6);
    // Any colour of the other two opposite pairs: never the front nor its opposite.
    const std::uint32_t frontPair = std::uint32_t(twists.front) & ~1u;
    twists.top = cube::Colour((frontPair + 2 + (h >> 3) % 4) % 6);
    twists.turns = (h >> 8) % 10 == 0 ? 0 : int(1 + (h >> 12) % 14);
    int previous = -1;
    for (int turn = 0; turn < twists.turns; ++turn) {
        const std::uint32_t t = mix(h, std::uint32_t(turn), seed);
        int face = int(t % 6);
        if (face == previous)
            face = (face + 1) % 6;
        previous = face;
        if (!twists.moves.empty())
            twists.moves += ' ';
        twists.moves += std::string(Faces[face]) + Suffixes[(t >> 4) % 3];
    }
    return twists;
}

} // namespace

FaceMark syntheticMark(int x, int y, int cellColumns, int cellRows, std::uint32_t seed)
{
    if (mix(std::uint32_t(x), std::uint32_t(y), seed) % 100 < 3)
        return FaceMark::Black;
    const double dx = (x + 0.5) / cellColumns - 0.5;
    const double dy = (y + 0.5) / cellRows - 0.5;
    const int ring = int(std::sqrt(dx * dx + dy * dy) * 12);
    return FaceMark(ring % 6);
}

BuildGuide syntheticGuide(int cellColumns, int cellRows, bool withTwists, std::uint32_t seed)
{
    BuildGuide guide;
    GuideFigures &figures = guide.figures;
    figures.cellColumns = cellColumns;
    figures.cellRows = cellRows;
    figures.cubeColumns = (cellColumns + 2) / 3;
    figures.cubeRows = (cellRows + 2) / 3;
    guide.cubes.reserve(std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows));
    for (int row = 1; row <= figures.cubeRows; ++row) {
        for (int column = 1; column <= figures.cubeColumns; ++column) {
            GuideCube cube;
            cube.column = column;
            cube.row = row;
            for (int place = 0; place < 9; ++place) {
                const int x = 3 * (column - 1) + place % 3;
                const int y = 3 * (row - 1) + place / 3;
                const FaceMark mark = x < cellColumns && y < cellRows
                                          ? syntheticMark(x, y, cellColumns, cellRows, seed)
                                          : FaceMark::Outside;
                cube.face[std::size_t(place)] = mark;
                if (const auto colour = markColour(mark))
                    ++figures.stickers[std::size_t(*colour)];
                else if (mark == FaceMark::Black)
                    ++figures.blackCells;
            }
            (cube.isPartial() ? figures.partialCubes : figures.fullCubes) += 1;
            figures.cubesWithBlack += cube.hasBlack() ? 1 : 0;
            if (withTwists) {
                cube.twists = syntheticTwists(column, row, seed);
                figures.totalTurns += cube.twists->turns;
                figures.cubesWithoutTurns += cube.twists->turns == 0 ? 1 : 0;
            }
            guide.cubes.push_back(cube);
        }
    }
    return guide;
}

} // namespace tessaly::test
