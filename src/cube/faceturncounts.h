#pragma once

#include "cube/facesolver.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tessaly::cube {

// The least turn count of each fully coloured face, given by its
// FaceTurnTable index, in input order: what the FaceTurnTable is built from,
// with FaceTurnTable::classRepresentatives() as the faces. Solved with
// `solver` on `threads` threads (0 = hardware concurrency), identical
// whatever the thread count; `progress` and cancelling as for solveFaces,
// std::nullopt when cancelled.
std::optional<std::vector<std::uint8_t>> solveFaceTurnCounts(
    const FaceSolver &solver, std::span<const std::uint32_t> faceIndices, unsigned threads,
    const std::function<bool(std::size_t done, std::size_t total)> &progress = {});

} // namespace tessaly::cube
