#pragma once

#include "cube/face.h"
#include "cube/move.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::cube {

// The joint places of the four corner stickers, or of the four edge
// stickers, that start on the front face, followed as face turns move them.
// Four stickers of one kind on four different cubies: 8*7*6*5 * 3^4 = 136,080
// corner states, 12*11*10*9 * 2^4 = 190,080 edge states, numbered densely,
// with every face turn as a table of successor states.
class StickerTupleSpace {
public:
    enum class Kind { Corner, Edge };
    static constexpr int Tracked = 4;

    explicit StickerTupleSpace(Kind kind);

    std::uint32_t size() const { return std::uint32_t(facesCodes_.size()); }
    // The stickers on the front places they start on.
    std::uint32_t start() const { return start_; }
    std::uint32_t next(std::uint32_t state, int move) const
    {
        return successors_[std::size_t(state) * MoveCount + std::size_t(move)];
    }

    // The front places (0..8, reading order) the four stickers start on, in
    // the order the state lists them.
    const std::array<int, Tracked> &frontPlaces() const { return frontPlaces_; }
    // The faces f0..f3 the four stickers lie on in a state as one number,
    // f0 + 6 f1 + 36 f2 + 216 f3 (below FacesCodeCount).
    static constexpr int FacesCodeCount = FaceCount * FaceCount * FaceCount * FaceCount;
    std::uint16_t facesCodeOf(std::uint32_t state) const { return facesCodes_[state]; }

    // All successor tables at once, MoveCount a state, for tight loops.
    const std::uint32_t *successors() const { return successors_.data(); }

private:
    std::array<int, Tracked> frontPlaces_;
    std::vector<std::uint16_t> facesCodes_; // by state
    std::vector<std::uint32_t> successors_; // state * MoveCount + move
    std::uint32_t start_ = 0;
};

} // namespace tessaly::cube
