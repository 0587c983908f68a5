#include "guide/buildrecipes.h"

#include "guide/wallplan.h"

#include <algorithm>
#include <unordered_map>

namespace tessaly {

namespace {

// Nine marks of three bits each.
std::uint32_t faceKey(const CubeFace &face)
{
    std::uint32_t key = 0;
    for (const FaceMark mark : face)
        key = key << 3 | std::uint32_t(mark);
    return key;
}

} // namespace

std::vector<Recipe> collectRecipes(const BuildGuide &guide, const WallPlan &plan)
{
    std::vector<Recipe> recipes;
    std::unordered_map<std::uint32_t, std::size_t> recipeOfFace;
    for (int block = 0; block < int(plan.blocks.size()); ++block) {
        const CubeSpan &span = plan.blocks[std::size_t(block)].cubes;
        int card = 0;
        for (const int row : rowsInBuildOrder(span, plan.shape.order)) {
            for (int column = span.column; column <= span.lastColumn(); ++column, ++card) {
                const GuideCube &cube = guide.cubeAt(column, row);
                const auto [found, isNew] = recipeOfFace.try_emplace(faceKey(cube.face), recipes.size());
                if (isNew)
                    recipes.push_back(Recipe{cube.face, cube.twists, {}});
                recipes[found->second].cubes.push_back({block, card, column, row});
            }
        }
    }
    // Recipes were made in the order of their first cubes: a stable sort keeps it among equals.
    std::ranges::stable_sort(recipes, std::ranges::greater(), [](const Recipe &recipe) { return recipe.cubes.size(); });
    return recipes;
}

} // namespace tessaly
