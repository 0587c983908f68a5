#include "cube/facesolver.h"

#include "cube/distancetablecache.h"
#include "cube/facesearch.h"
#include "cube/stickertuplespace.h"

#include <algorithm>

namespace tessaly::cube {

namespace {

// The faces of the solved cube, held with `grip`, whose colour the front
// place asks for.
std::uint8_t faceMask(Grip grip, std::optional<Colour> wanted)
{
    if (!wanted)
        return AnyFace;
    std::uint8_t mask = 0;
    for (int face = 0; face < FaceCount; ++face) {
        if (colourOnFace(grip, Face(face)) == *wanted)
            mask |= std::uint8_t(1u << face);
    }
    return mask;
}

FaceMasks faceMasks(Grip grip, const FaceTarget &face, const StickerTupleSpace &space)
{
    FaceMasks masks;
    for (int i = 0; i < StickerTupleSpace::Tracked; ++i)
        masks[i] = faceMask(grip, face[space.frontPlaces()[i]]);
    return masks;
}

struct GripCandidate {
    Grip grip;
    FaceMasks cornerMasks;
    FaceMasks edgeMasks;
};

} // namespace

FaceSolver::FaceSolver()
    : corners_(std::make_unique<StickerTupleSpace>(StickerTupleSpace::Kind::Corner))
    , edges_(std::make_unique<StickerTupleSpace>(StickerTupleSpace::Kind::Edge))
    , cornerTables_(std::make_unique<DistanceTableCache>(*corners_))
    , edgeTables_(std::make_unique<DistanceTableCache>(*edges_))
{
}

FaceSolver::~FaceSolver() = default;
FaceSolver::FaceSolver(FaceSolver &&) noexcept = default;
FaceSolver &FaceSolver::operator=(FaceSolver &&) noexcept = default;

FaceSolution FaceSolver::solve(const FaceTarget &face) const
{
    if (std::none_of(face.begin(), face.end(), [](const auto &place) { return place.has_value(); }))
        return {allGrips()[0], {}};

    // Grips that ask the same of every sticker give the same sequences;
    // the earliest stands for them.
    constexpr int Centre = 4;
    std::vector<GripCandidate> candidates;
    for (const Grip grip : allGrips()) {
        if (face[Centre] && grip.front != *face[Centre])
            continue;
        const GripCandidate candidate{grip, faceMasks(grip, face, *corners_), faceMasks(grip, face, *edges_)};
        const bool seen = std::any_of(candidates.begin(), candidates.end(), [&](const GripCandidate &other) {
            return other.cornerMasks == candidate.cornerMasks && other.edgeMasks == candidate.edgeMasks;
        });
        if (!seen)
            candidates.push_back(candidate);
    }

    std::vector<FaceSearch> searches;
    searches.reserve(candidates.size());
    for (const GripCandidate &candidate : candidates) {
        searches.emplace_back(*corners_, cornerTables_->find(candidate.cornerMasks), *edges_,
                              edgeTables_->find(candidate.edgeMasks));
    }

    // Deepen all grips together, so no grip is searched deeper than the
    // winner needs. Every face can be made, so this ends.
    for (int length = 0;; ++length) {
        for (std::size_t i = 0; i < searches.size(); ++i) {
            if (searches[i].lowerBound() > length)
                continue;
            if (auto moves = searches[i].find(length))
                return {candidates[i].grip, std::move(*moves)};
        }
    }
}

std::size_t FaceSolver::distanceTableCount() const
{
    return cornerTables_->tableCount() + edgeTables_->tableCount();
}

} // namespace tessaly::cube
