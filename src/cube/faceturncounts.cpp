#include "cube/faceturncounts.h"

#include "cube/faceturntable.h"

#include <algorithm>

namespace tessaly::cube {

std::optional<std::vector<std::uint8_t>> solveFaceTurnCounts(
    const FaceSolver &solver, std::span<const std::uint32_t> faceIndices, unsigned threads,
    const std::function<bool(std::size_t done, std::size_t total)> &progress)
{
    std::vector<FaceTarget> faces;
    faces.reserve(faceIndices.size());
    for (const std::uint32_t index : faceIndices) {
        const std::array<Colour, 9> face = FaceTurnTable::faceAt(index);
        faces.emplace_back();
        std::copy(face.begin(), face.end(), faces.back().begin());
    }

    const auto solutions = solveFaces(solver, faces, threads, progress);
    if (!solutions)
        return std::nullopt;
    std::vector<std::uint8_t> counts;
    counts.reserve(solutions->size());
    for (const FaceSolution &solution : *solutions)
        counts.push_back(std::uint8_t(solution.moves.size()));
    return counts;
}

} // namespace tessaly::cube
