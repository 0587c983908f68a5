#pragma once

#include "cube/stickertuplespace.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::cube {

// For each of the four tracked stickers, the faces it may end on (bit f for
// Face f); all six bits for a free place.
using FaceMasks = std::array<std::uint8_t, StickerTupleSpace::Tracked>;

inline constexpr std::uint8_t AnyFace = 0x3F;

// The least number of face turns from every state of the space to one where
// each sticker lies on a face its mask allows (breadth-first from all such
// states at once). Every state reaches the goal: four stickers of one kind
// can be brought anywhere while the rest of the cube absorbs twists and
// parities.
std::vector<std::uint8_t> distancesToFaces(const StickerTupleSpace &space, const FaceMasks &masks);

} // namespace tessaly::cube
