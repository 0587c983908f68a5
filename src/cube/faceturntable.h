#pragma once

#include "cube/colour.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tessaly::cube {

// The least number of outer face turns (every turn counting 1) that makes a
// solved cube, held with the best grip, show a fully coloured front face,
// for all 6^9 such faces: one byte a face, ten megabytes, read-only once
// built.
//
// A face's index is the sum of colour(place) * 6^place over its places in
// reading order, colours numbered as in Colour: all white is 0, a red top
// left corner on white is 2.
//
// The table is built from one count per class of faces that the
// faceTurnSymmetries() map onto each other, classes in the order their first
// face is met going through the faces by increasing index, which is the
// order of classRepresentatives().
class FaceTurnTable {
public:
    static constexpr std::uint32_t ColouringCount = 10'077'696; // 6^9

    // Gives every face of each class its count. Throws std::invalid_argument
    // unless there is exactly one count per class and none is 255 or more.
    explicit FaceTurnTable(std::span<const std::uint8_t> classTurns);

    // `index` must be below ColouringCount.
    int turns(std::uint32_t index) const { return turns_[index]; }
    int turns(const std::array<Colour, 9> &face) const { return turns_[indexOf(face)]; }

    // What colour `colour` at `place` (reading order) adds to a face's
    // index: faces are numbered in base ColourCount, the top left place
    // lowest.
    static constexpr std::uint32_t placeShare(int place, Colour colour)
    {
        std::uint32_t value = std::uint32_t(colour);
        for (int step = 0; step < place; ++step)
            value *= ColourCount;
        return value;
    }
    static std::uint32_t indexOf(const std::array<Colour, 9> &face)
    {
        std::uint32_t index = 0;
        for (int place = 8; place >= 0; --place)
            index = index * ColourCount + std::uint32_t(face[place]);
        return index;
    }
    // The indices of every face of at most CheapTurns turns, increasing
    // (1,722 faces): the faces that are cheap to twist.
    static constexpr int CheapTurns = 2;
    const std::vector<std::uint32_t> &cheapFaces() const { return cheapFaces_; }

    // The face of an index below ColouringCount.
    static std::array<Colour, 9> faceAt(std::uint32_t index);

    // The least index of each class, increasing: the faces whose counts the
    // constructor takes, in its order. Takes a few tens of milliseconds.
    static std::vector<std::uint32_t> classRepresentatives();

private:
    std::vector<std::uint8_t> turns_;
    std::vector<std::uint32_t> cheapFaces_;
};

} // namespace tessaly::cube
