#pragma once

#include "cube/vec3.h"

#include <cstdint>

namespace tessaly::cube {

// The six faces relative to how the cube is held, in Singmaster's letters.
// The order is that of the move indices (see move.h).
enum class Face : std::uint8_t { Up, Down, Left, Right, Front, Back };

inline constexpr int FaceCount = 6;

// U, D, L, R, F, B.
constexpr char faceLetter(Face face)
{
    return "UDLRFB"[std::uint8_t(face)];
}

// Up and Down, Left and Right, Front and Back pair up as index ^ 1.
constexpr Face oppositeFace(Face face)
{
    return Face(std::uint8_t(face) ^ 1u);
}

// The outward normal of a face.
constexpr Vec3 faceNormal(Face face)
{
    constexpr Vec3 normals[FaceCount] = {
        {0, 1, 0}, {0, -1, 0}, {-1, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, -1}};
    return normals[std::uint8_t(face)];
}

// The face whose outward normal is the given unit axis vector.
constexpr Face faceWithNormal(Vec3 normal)
{
    for (int face = 0; face < FaceCount; ++face) {
        if (faceNormal(Face(face)) == normal)
            return Face(face);
    }
    return Face::Front; // not reached for a unit axis vector
}

} // namespace tessaly::cube
