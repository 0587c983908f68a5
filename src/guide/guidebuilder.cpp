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

FaceMark markOf(pattern::Sticker sticker)
{
    // FaceMark and Sticker share the cube colours' order.
    if (const auto colour = pattern::colourOf(sticker))
        return FaceMark(std::uint8_t(*colour));
    return FaceMark::Black;
}

int cubesFor(int cells)
{
    return (cells + CubeSide - 1) / CubeSide;
}

// markAt(i, j) gives the mark of a cell inside the pattern.
template <typename MarkAt>
CubeFace faceAt(const GuideFigures &figures, const MarkAt &markAt, int firstColumn, int firstRow)
{
    CubeFace face{};
    for (int place = 0; place < int(face.size()); ++place) {
        const int i = firstColumn + place % CubeSide;
        const int j = firstRow + place / CubeSide;
        const bool inside = i < figures.cellColumns && j < figures.cellRows;
        face[std::size_t(place)] = inside ? markAt(i, j) : FaceMark::Outside;
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

// The one way every pattern becomes cubes, whatever holds its cells.
template <typename MarkAt>
BuildGuide buildGuideOf(int cellColumns, int cellRows, const MarkAt &markAt)
{
    BuildGuide guide;
    GuideFigures &figures = guide.figures;
    figures.cellColumns = cellColumns;
    figures.cellRows = cellRows;
    figures.cubeColumns = cubesFor(cellColumns);
    figures.cubeRows = cubesFor(cellRows);

    guide.cubes.reserve(std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows));
    for (int row = 1; row <= figures.cubeRows; ++row) {
        for (int column = 1; column <= figures.cubeColumns; ++column) {
            GuideCube cube;
            cube.column = column;
            cube.row = row;
            cube.face = faceAt(figures, markAt, (column - 1) * CubeSide, (row - 1) * CubeSide);
            count(figures, cube);
            guide.cubes.push_back(cube);
        }
    }
    return guide;
}

} // namespace

BuildGuide buildGuide(const MosaicCells &cells)
{
    return buildGuideOf(cells.columns(), cells.rows(), [&](int i, int j) { return markOf(cells.at(i, j)); });
}

BuildGuide buildGuide(const pattern::StickerGrid &stickers)
{
    return buildGuideOf(stickers.width(), stickers.height(),
                        [&](int i, int j) { return markOf(stickers.at(i, j)); });
}

} // namespace tessaly
