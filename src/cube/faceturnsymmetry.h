#pragma once

#include "cube/colour.h"

#include <array>
#include <cstdint>

namespace tessaly::cube {

// A change of a fully coloured front face that keeps the number of turns it
// needs: its places moved by a symmetry of the front face and its colours
// relabelled, by a rotation of the colour scheme when the places are turned
// (the cube turned in the hand), by a mirror of it when they are mirrored (a
// mirror of the whole cube maps every solution onto one of the same length).
// A mirror of the places or of the colours alone is no such change: the
// colour scheme has a handedness.
struct FaceTurnSymmetry {
    std::array<std::uint8_t, 9> placeImage;       // where each place goes
    std::array<Colour, ColourCount> colourImage;  // what each colour becomes
};

inline constexpr int FaceTurnSymmetryCount = 192;

// All of them (4 turns and 4 mirrors of the places, each with its 24
// relabellings), the identity first. They form a group.
const std::array<FaceTurnSymmetry, FaceTurnSymmetryCount> &faceTurnSymmetries();

// The face `symmetry` makes of `face`.
std::array<Colour, 9> imageOf(const FaceTurnSymmetry &symmetry, const std::array<Colour, 9> &face);

} // namespace tessaly::cube
