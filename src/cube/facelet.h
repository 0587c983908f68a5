#pragma once

#include "cube/face.h"
#include "cube/vec3.h"

#include <cstdint>

namespace tessaly::cube {

inline constexpr int FaceletCount = 54;

// Where a sticker place is: the cubie it sits on and the way it faces.
struct Facelet {
    Vec3 position; // the cubie, coordinates in {-1, 0, 1}
    Vec3 normal;   // outward unit normal of the face it lies on
};

// Sticker places are numbered face by face (U, D, L, R, F, B), nine each in
// reading order as seen looking straight at that face: the up face with the
// back at its top, the down face with the front at its top, the four sides
// with the up face at their top. So front place p (0..8) is facelet 36 + p.
Facelet faceletAt(int index);

// The index of a sticker place; -1 when there is no such place.
int faceletIndex(const Facelet &facelet);

constexpr int frontFacelet(int place)
{
    return int(Face::Front) * 9 + place;
}

// The number of nonzero coordinates of a sticker's cubie: 1 for a centre,
// 2 for an edge, 3 for a corner.
int cubieKind(const Facelet &facelet);

} // namespace tessaly::cube
