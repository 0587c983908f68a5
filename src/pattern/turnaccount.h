#pragma once

#include "pattern/palette.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly::cube {
class FaceTurnTable;
}

namespace tessaly::pattern {

// A cube's front face as the palette indices of its nine cells, in reading
// order.
using FaceCells = std::array<int, 9>;

// A face that takes few turns, with its index in the turn table.
struct LowTurnFace
{
    std::uint32_t index;
    FaceCells cells;
};

// The turns of every cube of a wall while its cells change colour, and what
// they cost in a search's objective: `weight` per turn, and more than any
// cell's colour could gain per turn over the limit. Each cube's front face
// is the 3 x 3 cells from its top left; the grid is whole cubes. Faces are
// indexed as cube::FaceTurnTable indexes them.
class TurnAccount
{
public:
    // `cells` holds each cell's palette index in reading order, `width` and
    // `height` multiples of 3.
    TurnAccount(const cube::FaceTurnTable &table, const StickerPalette &palette, double weight,
                std::optional<int> maxTurns, const std::vector<std::uint8_t> &cells, int width);

    std::size_t cubes() const { return m_faces.size(); }
    std::optional<int> maxTurns() const { return m_maxTurns; }
    // The face and the turns of the cube with cell (x, y).
    std::uint32_t faceAt(int x, int y) const { return m_faces[cubeAt(x, y)]; }
    int turns(std::size_t cube) const;
    int turnsAt(int x, int y) const { return turns(cubeAt(x, y)); }

    // What a face costs, and every cube's faces together.
    float cost(std::uint32_t face) const;
    double totalCost() const;
    // The change of the cost when cell (x, y) changes from palette colour
    // `from` to `to`.
    float change(int x, int y, int from, int to) const;

    void setCell(int x, int y, int from, int to);
    void setFaceAt(int x, int y, std::uint32_t face) { m_faces[cubeAt(x, y)] = face; }
    std::uint32_t faceOf(const FaceCells &cells) const;

    // The table's cheap faces (a cube's candidates for a face that is cheap
    // to twist) that use only the palette's colours.
    const std::vector<LowTurnFace> &lowTurnFaces() const { return m_lowTurnFaces; }

private:
    std::size_t cubeAt(int x, int y) const
    {
        return std::size_t(y / 3) * std::size_t(m_cubeColumns) + std::size_t(x / 3);
    }
    // What palette colour `colour` in cell (x, y) adds to its cube's face
    // index.
    std::uint32_t share(int x, int y, int colour) const;

    const cube::FaceTurnTable &m_table;
    float m_weight;
    std::optional<int> m_maxTurns;
    int m_cubeColumns;
    std::array<cube::Colour, 6> m_colours{}; // by palette index: the cube colour
    std::vector<std::uint32_t> m_faces;              // per cube, reading order
    std::vector<LowTurnFace> m_lowTurnFaces;
};

} // namespace tessaly::pattern
