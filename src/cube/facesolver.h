#pragma once

#include "cube/colour.h"
#include "cube/grip.h"
#include "cube/move.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace tessaly::cube {

class StickerTupleSpace;
class DistanceTableCache;

// What a cube's front face must show, in reading order as the builder sees
// it; an empty place may show any colour.
using FaceTarget = std::array<std::optional<Colour>, 9>;

struct FaceSolution {
    Grip grip;
    std::vector<Move> moves;

    friend bool operator==(const FaceSolution &, const FaceSolution &) = default;
};

// Finds, for a front face, a shortest sequence of outer face turns (every
// turn counts 1) that makes a solved cube show it, with the grip to hold the
// cube by.
class FaceSolver {
public:
    FaceSolver(); // builds the sticker tables (a few tens of megabytes)
    ~FaceSolver();
    FaceSolver(FaceSolver &&) noexcept;
    FaceSolver &operator=(FaceSolver &&) noexcept;

    // The grips tried are the four with the centre's colour in front, or all
    // 24 for a free centre; the one with the shortest sequence wins, ties
    // going to the earliest in allGrips(). A face without any colour wanted
    // is 0 turns with the standard hold. The sequence never turns one face
    // twice in a row, and turns two opposite faces in a row only in the order
    // U D, L R, F B. Thread-safe and deterministic; distance tables for the
    // colours asked are built on first need and kept for later faces.
    FaceSolution solve(const FaceTarget &face) const;

    // How many distance tables the solver holds so far (for measurements).
    std::size_t distanceTableCount() const;

private:
    std::unique_ptr<const StickerTupleSpace> corners_;
    std::unique_ptr<const StickerTupleSpace> edges_;
    std::unique_ptr<const DistanceTableCache> cornerTables_;
    std::unique_ptr<const DistanceTableCache> edgeTables_;
};

// Solves every face, each distinct face once, on `threads` worker threads
// (0 = hardware concurrency); results in input order, identical whatever the
// thread count. `progress` (may be empty) is called on the calling thread
// only, now and then and once at the end, with (distinct faces done,
// distinct total); returning false cancels, and the function then returns
// std::nullopt as soon as the faces being solved are done.
std::optional<std::vector<FaceSolution>> solveFaces(
    const FaceSolver &solver, std::span<const FaceTarget> faces, unsigned threads,
    const std::function<bool(std::size_t done, std::size_t total)> &progress = {});

} // namespace tessaly::cube
