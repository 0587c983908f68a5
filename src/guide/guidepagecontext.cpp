#include "guide/guidepagecontext.h"

#include "guide/guidepagemosaic.h"
#include "guide/guidework.h"

#include <algorithm>
#include <utility>

namespace tessaly {

namespace {

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
{
    GuideWork work = planGuideWork(guide, layout, settings);
    solved = work.solved;
    plan = std::move(work.plan);
    blockWork = std::move(work.blockWork);
    panelWork = std::move(work.panelWork);
    wallWork = work.wallWork;
    if (plan.wall.blocks.empty())
        return; // nothing to draw

    if (solved)
        recipes = recipesWithTurns(guide, plan.wall);
    recipePages = layOutRecipePages(recipes, plan.wall, layout, fonts);
    plan.recipePages = int(recipePages.pages.size());
}

} // namespace tessaly
