#pragma once

#include "cube/face.h"
#include "cube/move.h"

#include <array>
#include <cstdint>

namespace tessaly::cube {

// One of the eight symmetries of the cube that keep the front face in front
// (quarter rotations about the front axis, and mirrors through planes that
// hold it). A table of distances for one goal serves every goal a symmetry
// maps it onto, so these let faces share tables.
struct FrontSymmetry {
    std::array<Face, FaceCount> faceImage;        // where each face goes
    std::array<std::uint8_t, 9> frontPlaceImage;  // where each front place goes
    // The symmetry's image of each face turn: s * turn * s^-1. A mirror turns
    // clockwise quarters into anticlockwise ones.
    std::array<std::uint8_t, MoveCount> moveImage;
};

inline constexpr int FrontSymmetryCount = 8;

// The identity first.
const std::array<FrontSymmetry, FrontSymmetryCount> &frontSymmetries();

} // namespace tessaly::cube
