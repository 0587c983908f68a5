#pragma once

#include "guide/buildguide.h"

#include <optional>
#include <vector>

namespace tessaly {

struct WallPlan;

// One cube a recipe makes, and where it goes.
struct RecipeCube
{
    int block = 0;  // index into WallPlan::blocks, in build order
    int card = 0;   // the cube's card on its block page, from 0 in build order (rowsInBuildOrder)
    int column = 1; // in the wall, from 1
    int row = 1;
};

// Cubes with the same face (the same nine marks) get the same twists: a team
// makes all of them in one go.
struct Recipe
{
    CubeFace face{};
    std::optional<CubeTwists> twists; // empty until the faces are solved
    std::vector<RecipeCube> cubes;    // in build order

    int turns() const { return twists ? twists->turns : 0; }
};

// Every distinct face of the guide as a recipe: each cube of the wall in
// exactly one. Recipes with the most cubes come first; of those with as
// many, the one whose first cube comes first in build order (block by
// block, each block's cubes row by row in build order). The plan must be the
// guide's wall.
std::vector<Recipe> collectRecipes(const BuildGuide &guide, const WallPlan &plan);

} // namespace tessaly
