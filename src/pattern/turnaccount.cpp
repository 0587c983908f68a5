#include "pattern/turnaccount.h"

#include "cube/faceturntable.h"

#include <algorithm>

namespace tessaly::pattern {

namespace {

// What each turn over the limit costs: more than any cell's colour.
constexpr float OverLimitCost = 1000.0f;

// The table's cheap faces in the palette's colours, as palette indices;
// faces with a colour the palette lacks are left out.
std::vector<LowTurnFace> lowTurnFacesOf(const cube::FaceTurnTable &table, const std::array<int, 6> &paletteIndexOfColour)
{
    std::vector<LowTurnFace> faces;
    for (const std::uint32_t index : table.cheapFaces()) {
        const std::array<cube::Colour, 9> colours = cube::FaceTurnTable::faceAt(index);
        LowTurnFace face{index, {}};
        bool inPalette = true;
        for (int place = 0; place < 9; ++place) {
            const int cell = paletteIndexOfColour[std::size_t(colours[std::size_t(place)])];
            face.cells[std::size_t(place)] = cell;
            inPalette = inPalette && cell >= 0;
        }
        if (inPalette)
            faces.push_back(face);
    }
    return faces;
}

} // namespace

TurnAccount::TurnAccount(const cube::FaceTurnTable &table, const StickerPalette &palette, double weight,
                         std::optional<int> maxTurns, const std::vector<std::uint8_t> &cells, int width)
    : m_table(table)
    , m_weight(float(weight))
    , m_maxTurns(maxTurns)
    , m_cubeColumns(width / 3)
{
    std::array<int, 6> paletteIndexOfColour;
    paletteIndexOfColour.fill(-1);
    for (std::size_t index = 0; index < palette.colours.size(); ++index) {
        m_colours[index] = cube::Colour(palette.colours[index].sticker);
        paletteIndexOfColour[std::size_t(m_colours[index])] = int(index);
    }
    m_lowTurnFaces = lowTurnFacesOf(table, paletteIndexOfColour);

    const int height = width > 0 ? int(cells.size()) / width : 0;
    m_faces.assign(std::size_t(m_cubeColumns) * std::size_t(height / 3), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            m_faces[cubeAt(x, y)] += share(x, y, cells[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
}

int TurnAccount::turns(std::size_t cube) const
{
    return m_table.turns(m_faces[cube]);
}

float TurnAccount::cost(std::uint32_t face) const
{
    const int turns = m_table.turns(face);
    const int excess = m_maxTurns ? std::max(0, turns - *m_maxTurns) : 0;
    return m_weight * float(turns) + OverLimitCost * float(excess);
}

double TurnAccount::totalCost() const
{
    double sum = 0;
    for (const std::uint32_t face : m_faces)
        sum += cost(face);
    return sum;
}

float TurnAccount::change(int x, int y, int from, int to) const
{
    const std::uint32_t face = faceAt(x, y);
    return cost(face + share(x, y, to) - share(x, y, from)) - cost(face);
}

void TurnAccount::setCell(int x, int y, int from, int to)
{
    m_faces[cubeAt(x, y)] += share(x, y, to) - share(x, y, from);
}

std::uint32_t TurnAccount::faceOf(const FaceCells &cells) const
{
    std::uint32_t face = 0;
    for (int place = 0; place < 9; ++place)
        face += share(place % 3, place / 3, cells[std::size_t(place)]);
    return face;
}

std::uint32_t TurnAccount::share(int x, int y, int colour) const
{
    return cube::FaceTurnTable::placeShare(y % 3 * 3 + x % 3, m_colours[std::size_t(colour)]);
}

} // namespace tessaly::pattern
