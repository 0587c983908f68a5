#include "guide/guidebuilder.h"

#include "engine/palette.h"
#include "guide/mosaiccells.h"

namespace tessaly {

namespace {

constexpr int CubeSide = 3;

// A cell's palette index as a front sticker.
FaceMark markOf(std::int16_t paletteIndex)
{
    switch (paletteIndex) {
    case PaletteIndex::Red: return FaceMark::Red;
    case PaletteIndex::Green: return FaceMark::Green;
    case PaletteIndex::Blue: return FaceMark::Blue;
    case PaletteIndex::White: return FaceMark::White;
    case PaletteIndex::Orange: return FaceMark::Orange;
    case PaletteIndex::Yellow: return FaceMark::Yellow;
    default: return FaceMark::Black;
    }
}

int cubesFor(int cells)
{
    return (cells + CubeSide - 1) / CubeSide;
}

CubeFace faceAt(const MosaicCells &cells, int firstColumn, int firstRow)
{
    CubeFace face{};
    for (int place = 0; place < int(face.size()); ++place) {
        const int i = firstColumn + place % CubeSide;
        const int j = firstRow + place / CubeSide;
        const bool inside = i < cells.columns() && j < cells.rows();
        face[std::size_t(place)] = inside ? markOf(cells.at(i, j)) : FaceMark::Outside;
    }
    return face;
}

void count(GuideFigures &figures, const GuideCube &cube)
{
    ++(cube.isPartial() ? figures.partialCubes : figures.fullCubes);
    if (cube.hasBlack())
        ++figures.cubesWithBlack;
    for (const FaceMark mark : cube.face) {
        if (const auto colour = markColour(mark))
            ++figures.stickers[std::size_t(*colour)];
        else if (mark == FaceMark::Black)
            ++figures.blackCells;
    }
}

} // namespace

BuildGuide buildGuide(const MosaicCells &cells)
{
    BuildGuide guide;
    GuideFigures &figures = guide.figures;
    figures.cellColumns = cells.columns();
    figures.cellRows = cells.rows();
    figures.cubeColumns = cubesFor(cells.columns());
    figures.cubeRows = cubesFor(cells.rows());

    guide.cubes.reserve(std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows));
    for (int row = 1; row <= figures.cubeRows; ++row) {
        for (int column = 1; column <= figures.cubeColumns; ++column) {
            GuideCube cube;
            cube.column = column;
            cube.row = row;
            cube.face = faceAt(cells, (column - 1) * CubeSide, (row - 1) * CubeSide);
            count(figures, cube);
            guide.cubes.push_back(cube);
        }
    }
    return guide;
}

} // namespace tessaly
