#pragma once

#include "cube/distancetable.h"
#include "cube/frontsymmetry.h"
#include "cube/stickertuplespace.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace tessaly::cube {

// A distance table for a goal read through a symmetry: the search follows
// the symmetry's image of the state, turning `symmetry->moveImage[m]` for
// each turn m, and looks that image up in `distances`.
struct FramedDistances {
    const std::uint8_t *distances = nullptr;
    const FrontSymmetry *symmetry = nullptr;
};

// Distance tables of one sticker space, built the first time a goal (or one
// a front symmetry maps onto it) is asked for and kept for later faces.
// Thread-safe; tables live as long as the cache.
class DistanceTableCache {
public:
    explicit DistanceTableCache(const StickerTupleSpace &space);

    FramedDistances find(const FaceMasks &masks) const;
    std::size_t tableCount() const;

private:
    struct Entry {
        std::once_flag built;
        std::vector<std::uint8_t> distances;
    };

    const StickerTupleSpace &space_;
    mutable std::mutex mutex_;
    mutable std::map<FaceMasks, std::unique_ptr<Entry>> entries_;
};

} // namespace tessaly::cube
