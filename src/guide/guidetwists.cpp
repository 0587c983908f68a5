#include "guide/guidetwists.h"

#include <algorithm>

namespace tessaly {

cube::FaceTarget faceTarget(const CubeFace &face)
{
    cube::FaceTarget target;
    std::ranges::transform(face, target.begin(), markColour);
    return target;
}

CubeTwists twistsOf(const cube::FaceSolution &solution)
{
    return CubeTwists{solution.grip.front, solution.grip.top, int(solution.moves.size()),
                      cube::formatMoves(solution.moves)};
}

bool solveGuideTwists(BuildGuide &guide, const cube::FaceSolver &solver, unsigned threads,
                      const std::function<bool(std::size_t, std::size_t)> &progress)
{
    std::vector<cube::FaceTarget> targets;
    targets.reserve(guide.cubes.size());
    for (const GuideCube &cube : guide.cubes)
        targets.push_back(faceTarget(cube.face));

    const auto solutions = cube::solveFaces(solver, targets, threads, progress);
    if (!solutions)
        return false;

    GuideFigures &figures = guide.figures;
    figures.totalTurns = 0;
    figures.cubesWithoutTurns = 0;
    for (std::size_t at = 0; at < guide.cubes.size(); ++at) {
        const CubeTwists twists = twistsOf((*solutions)[at]);
        figures.totalTurns += twists.turns;
        figures.cubesWithoutTurns += twists.turns == 0 ? 1 : 0;
        guide.cubes[at].twists = twists;
    }
    return true;
}

} // namespace tessaly
