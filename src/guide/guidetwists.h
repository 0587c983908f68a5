#pragma once

#include "cube/facesolver.h"
#include "guide/buildguide.h"

#include <functional>

namespace tessaly {

// The solver's question for a cube's face: its colours, black cells and
// places outside the mosaic free.
cube::FaceTarget faceTarget(const CubeFace &face);

// The grip, the turns and the moves of a solution.
CubeTwists twistsOf(const cube::FaceSolution &solution);

// Gives every cube of the guide the shortest twists for its face, each
// distinct face solved once on the given threads (0: every core), and
// counts the turns. progress(done, total) over distinct faces may cancel by
// returning false; the guide then keeps no twists and false is returned.
bool solveGuideTwists(BuildGuide &guide, const cube::FaceSolver &solver, unsigned threads,
                      const std::function<bool(std::size_t, std::size_t)> &progress = {});

} // namespace tessaly
