#include "cube/distancetable.h"

namespace tessaly::cube {

namespace {

constexpr std::uint8_t Unreached = 0xFF;

// Whether each combination of the four stickers' faces is a goal.
std::array<bool, StickerTupleSpace::FacesCodeCount> goalCodes(const FaceMasks &masks)
{
    std::array<bool, StickerTupleSpace::FacesCodeCount> goals;
    for (int code = 0; code < StickerTupleSpace::FacesCodeCount; ++code) {
        bool goal = true;
        for (int i = 0, faces = code; i < StickerTupleSpace::Tracked; ++i, faces /= FaceCount)
            goal = goal && (masks[i] >> (faces % FaceCount) & 1u) != 0;
        goals[code] = goal;
    }
    return goals;
}

} // namespace

std::vector<std::uint8_t> distancesToFaces(const StickerTupleSpace &space, const FaceMasks &masks)
{
    const std::uint32_t size = space.size();
    std::vector<std::uint8_t> table(size, Unreached);
    std::uint8_t *const distances = table.data();
    const std::uint32_t *const successors = space.successors();

    const auto goals = goalCodes(masks);
    std::uint32_t frontier = 0;
    for (std::uint32_t state = 0; state < size; ++state) {
        if (goals[space.facesCodeOf(state)]) {
            distances[state] = 0;
            ++frontier;
        }
    }
    std::uint32_t reached = frontier;

    // Face turns come with their inverses, so a state is one turn from the
    // frontier exactly when one of its successors is on it. Once the
    // unreached states are fewer than the frontier, asking each of them is
    // cheaper than expanding the frontier.
    for (std::uint8_t depth = 0; reached < size && frontier > 0; ++depth) {
        const bool pull = size - reached < frontier;
        frontier = 0;
        for (std::uint32_t state = 0; state < size; ++state) {
            const std::uint32_t *next = successors + std::size_t(state) * MoveCount;
            if (pull) {
                if (distances[state] != Unreached)
                    continue;
                for (int move = 0; move < MoveCount; ++move) {
                    if (distances[next[move]] == depth) {
                        distances[state] = std::uint8_t(depth + 1);
                        ++frontier;
                        break;
                    }
                }
            } else if (distances[state] == depth) {
                for (int move = 0; move < MoveCount; ++move) {
                    if (distances[next[move]] == Unreached) {
                        distances[next[move]] = std::uint8_t(depth + 1);
                        ++frontier;
                    }
                }
            }
        }
        reached += frontier;
    }
    return table;
}

} // namespace tessaly::cube
