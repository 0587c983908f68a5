#pragma once

#include <string>
#include <vector>

namespace tessaly {

struct Recipe;
struct WallPlan;

// Where a recipe's cubes go, short enough for a list: one group per block in
// build order, blocks and cards counted from 1 as their pages show them.
// "B3: 1–3, 7, 9" is cards 1 to 3, 7 and 9 of block 3 (runs of three or
// more cards as ranges); a block whose every cube the recipe makes is "B5:
// all", and a run of such blocks one group, "B5–8: all". The plan must be
// the one the recipe was collected on.
std::vector<std::string> recipePlaces(const Recipe &recipe, const WallPlan &plan);

} // namespace tessaly
