#include "cube/facesearch.h"

#include <algorithm>

namespace tessaly::cube {

FaceSearch::FaceSearch(const StickerTupleSpace &corners, FramedDistances cornerGoal,
                       const StickerTupleSpace &edges, FramedDistances edgeGoal)
    : corners_(corners)
    , edges_(edges)
    , cornerDistances_(cornerGoal.distances)
    , edgeDistances_(edgeGoal.distances)
    , cornerMove_(cornerGoal.symmetry->moveImage)
    , edgeMove_(edgeGoal.symmetry->moveImage)
{
}

int FaceSearch::bound(std::uint32_t corner, std::uint32_t edge) const
{
    return std::max(cornerDistances_[corner], edgeDistances_[edge]);
}

int FaceSearch::lowerBound() const
{
    // A symmetry keeps the stickers' start, so it is the start in every frame.
    return bound(corners_.start(), edges_.start());
}

std::optional<std::vector<Move>> FaceSearch::find(int length) const
{
    if (bound(corners_.start(), edges_.start()) > length)
        return std::nullopt;
    std::vector<Move> path;
    path.reserve(std::size_t(length));
    if (!extend(corners_.start(), edges_.start(), length, -1, path))
        return std::nullopt;

    // The path turns the stickers back from the front to where they start
    // in the solved cube: the builder turns its inverses, last first.
    std::vector<Move> moves;
    moves.reserve(path.size());
    for (auto move = path.rbegin(); move != path.rend(); ++move)
        moves.push_back(move->inverse());
    return moves;
}

bool FaceSearch::extend(std::uint32_t corner, std::uint32_t edge, int remaining, int lastFace,
                        std::vector<Move> &path) const
{
    // Only states with bound <= remaining are entered, so at 0 both sticker
    // sets are on their goal.
    if (remaining == 0)
        return true;
    const std::uint32_t *const cornerSuccessors = corners_.successors() + std::size_t(corner) * MoveCount;
    const std::uint32_t *const edgeSuccessors = edges_.successors() + std::size_t(edge) * MoveCount;
    for (int move = 0; move < MoveCount; ++move) {
        const int face = move / 3;
        // Two turns of one face in a row are one turn or none. Turns of
        // opposite faces commute: take the later face of U D, L R, F B first
        // here, so the builder, who turns the path backwards, sees U before D.
        if (face == lastFace || ((face ^ 1) == lastFace && face > lastFace))
            continue;
        const std::uint32_t nextCorner = cornerSuccessors[cornerMove_[move]];
        const std::uint32_t nextEdge = edgeSuccessors[edgeMove_[move]];
        if (bound(nextCorner, nextEdge) >= remaining)
            continue;
        path.push_back(Move{std::uint8_t(move)});
        if (extend(nextCorner, nextEdge, remaining - 1, face, path))
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace tessaly::cube
