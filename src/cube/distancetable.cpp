#include "cube/distancetable.h"

namespace tessaly::cube {

namespace {

constexpr std::uint8_t Unreached = 0xFF;

bool isGoal(const std::array<Face, StickerTupleSpace::Tracked> &faces, const FaceMasks &masks)
{
    for (int i = 0; i < StickerTupleSpace::Tracked; ++i) {
        if ((masks[i] >> int(faces[i]) & 1u) == 0)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> distancesToFaces(const StickerTupleSpace &space, const FaceMasks &masks)
{
    const std::uint32_t size = space.size();
    std::vector<std::uint8_t> distances(size, Unreached);
    std::uint32_t reached = 0;
    std::uint32_t frontier = 0;
    for (std::uint32_t state = 0; state < size; ++state) {
        if (isGoal(space.facesOf(state), masks)) {
            distances[state] = 0;
            ++frontier;
        }
    }
    reached = frontier;

    // Face turns come with their inverses, so a state is one turn from the
    // frontier exactly when one of its successors is on it. Once the
    // unreached states are fewer than the frontier, asking each of them is
    // cheaper than expanding the frontier.
    for (std::uint8_t depth = 0; reached < size && frontier > 0; ++depth) {
        const bool pull = size - reached < frontier;
        frontier = 0;
        for (std::uint32_t state = 0; state < size; ++state) {
            if (pull) {
                if (distances[state] != Unreached)
                    continue;
                for (int move = 0; move < MoveCount; ++move) {
                    if (distances[space.next(state, move)] == depth) {
                        distances[state] = std::uint8_t(depth + 1);
                        ++frontier;
                        break;
                    }
                }
            } else if (distances[state] == depth) {
                for (int move = 0; move < MoveCount; ++move) {
                    std::uint8_t &next = distances[space.next(state, move)];
                    if (next == Unreached) {
                        next = std::uint8_t(depth + 1);
                        ++frontier;
                    }
                }
            }
        }
        reached += frontier;
    }
    return distances;
}

} // namespace tessaly::cube
