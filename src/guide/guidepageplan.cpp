#include "guide/guidepageplan.h"

#include "guide/buildguide.h"
#include "guide/pagelayout.h"

#include <algorithm>
#include <ranges>

namespace tessaly {

QRect GuidePagePlan::blockCubes(int block) const
{
    const CubeSpan &cubes = wall.blocks[std::size_t(block)].cubes;
    return {cubes.column, cubes.row, cubes.columns, cubes.rows};
}

GuidePagePlan::Page GuidePagePlan::pageAt(int page) const
{
    if (page == 0)
        return {PageKind::Overview, 0};
    if (page <= recipePages)
        return {PageKind::Recipes, page - 1};
    const int section = page - 1 - recipePages;
    if (!wall.panelled)
        return {PageKind::Block, section};
    // A panel's section starts at its page: one page for each earlier panel, and each earlier block.
    const auto panels = std::views::iota(0, panelCount());
    const int panel = *std::ranges::prev(std::ranges::upper_bound(panels, section, std::less(), [&](int index) {
        return index + wall.panels[std::size_t(index)].firstBlock;
    }));
    const int inSection = section - (panel + wall.panels[std::size_t(panel)].firstBlock);
    if (inSection == 0)
        return {PageKind::Panel, panel};
    return {PageKind::Block, wall.panels[std::size_t(panel)].firstBlock + inSection - 1};
}

int GuidePagePlan::pageOfPanel(int panel) const
{
    return 1 + recipePages + (wall.panelled ? panel : 0) + wall.panels[std::size_t(panel)].firstBlock;
}

int GuidePagePlan::pageOfBlock(int block) const
{
    const int panel = wall.blocks[std::size_t(block)].panel;
    return 1 + recipePages + (wall.panelled ? panel + 1 : 0) + block;
}

GuidePagePlan planGuidePages(const GuideFigures &figures, const PageLayout &layout,
                             const BuildPlanSettings &settings)
{
    GuidePagePlan plan;
    plan.cubeColumns = std::max(0, figures.cubeColumns);
    plan.cubeRows = std::max(0, figures.cubeRows);
    const CubeExtent panel = settings.panel.value_or(CubeExtent{plan.cubeColumns, plan.cubeRows});
    plan.blockColumns = std::clamp(std::min(figures.cubeColumns, panel.columns), 1, std::max(1, layout.blockColumns));
    plan.blockRows = std::clamp(std::min(figures.cubeRows, panel.rows), 1, std::max(1, layout.blockRows));
    plan.wall = planWall(plan.cubeColumns, plan.cubeRows,
                         {{plan.blockColumns, plan.blockRows}, settings.panel, settings.order});
    plan.blocksAcross = plan.wall.blocksAcross;
    plan.blocksDown = plan.wall.blocksDown;
    return plan;
}

} // namespace tessaly
