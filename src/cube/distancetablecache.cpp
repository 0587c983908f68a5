#include "cube/distancetablecache.h"

namespace tessaly::cube {

namespace {

std::uint8_t maskImage(std::uint8_t mask, const FrontSymmetry &symmetry)
{
    std::uint8_t image = 0;
    for (int face = 0; face < FaceCount; ++face) {
        if (mask >> face & 1u)
            image |= std::uint8_t(1u << int(symmetry.faceImage[face]));
    }
    return image;
}

// The goal as the symmetry sees it: the sticker starting on place p, which
// the symmetry moves to place s(p), must end on a face of s(mask).
FaceMasks masksImage(const FaceMasks &masks, const FrontSymmetry &symmetry,
                     const std::array<int, StickerTupleSpace::Tracked> &places)
{
    FaceMasks image{};
    for (int i = 0; i < StickerTupleSpace::Tracked; ++i) {
        const int placeImage = symmetry.frontPlaceImage[places[i]];
        for (int j = 0; j < StickerTupleSpace::Tracked; ++j) {
            if (places[j] == placeImage)
                image[j] = maskImage(masks[i], symmetry);
        }
    }
    return image;
}

} // namespace

DistanceTableCache::DistanceTableCache(const StickerTupleSpace &space)
    : space_(space)
{
}

FramedDistances DistanceTableCache::find(const FaceMasks &masks) const
{
    // The least image under the front symmetries stands for all of them.
    const auto &symmetries = frontSymmetries();
    const FrontSymmetry *chosen = &symmetries[0];
    FaceMasks key = masks;
    for (const FrontSymmetry &symmetry : symmetries) {
        const FaceMasks image = masksImage(masks, symmetry, space_.frontPlaces());
        if (image < key) {
            key = image;
            chosen = &symmetry;
        }
    }

    Entry *entry = nullptr;
    {
        const std::lock_guard lock(mutex_);
        auto &slot = entries_[key];
        if (!slot)
            slot = std::make_unique<Entry>();
        entry = slot.get();
    }
    std::call_once(entry->built, [&] { entry->distances = distancesToFaces(space_, key); });
    return {entry->distances.data(), chosen};
}

std::size_t DistanceTableCache::tableCount() const
{
    const std::lock_guard lock(mutex_);
    return entries_.size();
}

} // namespace tessaly::cube
