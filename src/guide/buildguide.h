#pragma once

#include "cube/colour.h"
#include "guide/photofacts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// What one place of a cube's front face must show.
enum class FaceMark : std::uint8_t {
    White, Yellow, Red, Orange, Blue, Green, // a cube colour (same order as cube::Colour)
    Black,   // a black cell: no cube colour near enough; the place is free
    Outside, // beyond the mosaic's last column or row; the place is free
};

// W Y R O B G for the colours, K for a black cell, - outside the mosaic.
constexpr char faceMarkLetter(FaceMark mark)
{
    return "WYROBGK-"[std::uint8_t(mark)];
}

// The cube colour a mark asks for; empty for a free place.
constexpr std::optional<cube::Colour> markColour(FaceMark mark)
{
    if (mark >= FaceMark::Black)
        return std::nullopt;
    return cube::Colour(std::uint8_t(mark));
}

// A cube's nine front places in reading order: top row first, each row left
// to right, as the builder faces the wall.
using CubeFace = std::array<FaceMark, 9>;

// The face of nine letters (as faceMarkLetter writes them, either case);
// empty unless there are exactly nine and each is one of them.
std::optional<CubeFace> faceFromLetters(std::string_view letters);

// How to hold a solved cube and twist it so that its front shows the face.
struct CubeTwists
{
    cube::Colour front = cube::Colour::Green; // colour facing the builder
    cube::Colour top = cube::Colour::White;   // colour on top
    int turns = 0;                            // half-turn metric
    std::string moves;                        // "R U2 F'"; empty for none
};

// One cube of the wall.
struct GuideCube
{
    int column = 1; // from 1, left to right
    int row = 1;    // from 1, top to bottom
    CubeFace face{};
    std::optional<CubeTwists> twists; // empty until the faces are solved

    bool isPartial() const;  // has a place outside the mosaic
    bool hasBlack() const;   // has a black cell
};

// Counts over the whole wall.
struct GuideFigures
{
    int cellColumns = 0;
    int cellRows = 0;
    int cubeColumns = 0;
    int cubeRows = 0;
    std::int64_t fullCubes = 0;
    std::int64_t partialCubes = 0;
    std::array<std::int64_t, cube::ColourCount> stickers{}; // by cube::Colour
    std::int64_t blackCells = 0;
    std::int64_t cubesWithBlack = 0;
    // Filled once the faces are solved.
    std::int64_t totalTurns = 0;
    std::int64_t cubesWithoutTurns = 0;
};

// The build guide of one mosaic: its cubes in the wall's order (rows of
// cubes top to bottom, each row left to right) and the figures over them.
struct BuildGuide
{
    GuideFigures figures;
    std::vector<GuideCube> cubes;
    std::optional<PhotoFacts> photo; // how a photo pattern was made; empty for the window's mosaic

    const GuideCube &cubeAt(int column, int row) const
    {
        return cubes[std::size_t(row - 1) * std::size_t(figures.cubeColumns) + std::size_t(column - 1)];
    }
};

} // namespace tessaly
