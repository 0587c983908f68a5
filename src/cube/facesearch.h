#pragma once

#include "cube/distancetablecache.h"
#include "cube/move.h"
#include "cube/stickertuplespace.h"

#include <optional>
#include <vector>

namespace tessaly::cube {

// Depth-first search for turn sequences of one length that bring the solved
// cube's stickers onto a goal for the front face, pruned by two admissible
// bounds: the exact distances of the four corner stickers and of the four edge
// stickers to their goals.
//
// It follows the stickers that end on the front face backwards: starting on
// their front places, it applies the inverses of the builder's turns from the
// last to the first. Their goal is then simply to lie on faces whose solved
// colours are the colours wanted.
class FaceSearch {
public:
    FaceSearch(const StickerTupleSpace &corners, FramedDistances cornerGoal,
               const StickerTupleSpace &edges, FramedDistances edgeGoal);

    // Never more than the least length.
    int lowerBound() const;

    // The first sequence of `length` turns in a fixed order that makes the
    // goal, in the builder's order; none when there is none that long. Meant
    // for lengths from lowerBound() upwards, each only once no shorter
    // length succeeded, so what it finds is least.
    std::optional<std::vector<Move>> find(int length) const;

private:
    bool extend(std::uint32_t corner, std::uint32_t edge, int remaining, int lastFace,
                std::vector<Move> &path) const;
    int bound(std::uint32_t corner, std::uint32_t edge) const;

    const StickerTupleSpace &corners_;
    const StickerTupleSpace &edges_;
    const std::uint8_t *cornerDistances_;
    const std::uint8_t *edgeDistances_;
    std::array<std::uint8_t, MoveCount> cornerMove_;
    std::array<std::uint8_t, MoveCount> edgeMove_;
};

} // namespace tessaly::cube
