#pragma once

#include "cube/colour.h"
#include "cube/facelet.h"
#include "cube/grip.h"
#include "cube/move.h"

#include <array>
#include <cstdint>
#include <span>

namespace tessaly::cube {

// A permutation of the 54 sticker places: entry i is where the sticker on
// place i goes.
using FaceletPermutation = std::array<std::uint8_t, FaceletCount>;

// The 18 face turns by move index, built once from the six clockwise quarter
// turns, each a rotation of the stickers of one layer.
const std::array<FaceletPermutation, MoveCount> &turnPermutations();

// A cube state as a permutation of stickers: which place of the solved cube
// each sticker place's sticker started on.
class CubeState {
public:
    CubeState(); // solved

    void apply(Move move);
    void apply(std::span<const Move> moves);

    // The place, in the solved cube, of the sticker now on place `facelet`.
    int originOf(int facelet) const { return origin_[facelet]; }

    friend bool operator==(const CubeState &, const CubeState &) = default;

private:
    std::array<std::uint8_t, FaceletCount> origin_;
};

// The front face, in reading order as the builder sees it, of a solved cube
// held with `grip` (which must be valid) after `moves`.
std::array<Colour, 9> frontFaceAfter(Grip grip, std::span<const Move> moves);

} // namespace tessaly::cube
