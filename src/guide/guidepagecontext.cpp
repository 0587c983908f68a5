#include "guide/guidepagecontext.h"

#include "guide/guidepagemosaic.h"

#include <algorithm>

namespace tessaly {

namespace {

// Only a wall that can be drawn gets a plan of blocks: the page painter
// refuses the others before drawing anything.
bool drawable(const BuildGuide &guide)
{
    const GuideFigures &figures = guide.figures;
    return figures.cubeColumns > 0 && figures.cubeRows > 0
           && guide.cubes.size() == std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows);
}

std::vector<Recipe> recipesWithTurns(const BuildGuide &guide, const WallPlan &wall)
{
    std::vector<Recipe> recipes = collectRecipes(guide, wall);
    std::erase_if(recipes, [](const Recipe &recipe) { return recipe.turns() == 0; });
    return recipes;
}

} // namespace

GuidePageContext::GuidePageContext(const BuildGuide &guide, const QPageSize &pageSize,
                                   const BuildPlanSettings &settings)
    : guide(guide)
    , settings(settings)
    , layout(pageSize)
    , fills(stickerFillsOf(guide.photo))
    , mosaic(mosaicImage(guide, fills))
    , solved(!guide.cubes.empty()
             && std::ranges::all_of(guide.cubes, [](const GuideCube &cube) { return cube.twists.has_value(); }))
    , plan(planGuidePages(guide.figures, layout, settings))
{
    if (!drawable(guide)) {
        plan.wall = {}; // nothing to draw: no blocks whose cubes are missing
        return;
    }
    for (const PlanBlock &block : plan.wall.blocks)
        blockWork.push_back(workIn(guide, block.cubes));
    panelWork.resize(plan.wall.panels.size());
    for (std::size_t block = 0; block < blockWork.size(); ++block)
        panelWork[std::size_t(plan.wall.blocks[block].panel)] += blockWork[block];
    for (const CubeWork &work : panelWork)
        wallWork += work;

    if (solved)
        recipes = recipesWithTurns(guide, plan.wall);
    recipePages = layOutRecipePages(recipes, plan.wall, layout, fonts);
    plan.recipePages = int(recipePages.pages.size());
}

} // namespace tessaly
