#include "guide/guidework.h"

#include "guide/buildguide.h"

#include <algorithm>

namespace tessaly {

namespace {

bool drawable(const BuildGuide &guide)
{
    const GuideFigures &figures = guide.figures;
    return figures.cubeColumns > 0 && figures.cubeRows > 0
           && guide.cubes.size() == std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows);
}

} // namespace

GuideWork planGuideWork(const BuildGuide &guide, const PageLayout &layout, const BuildPlanSettings &settings)
{
    GuideWork work;
    work.solved = !guide.cubes.empty() && std::ranges::all_of(guide.cubes, [](const GuideCube &cube) {
        return cube.twists.has_value();
    });
    work.plan = planGuidePages(guide.figures, layout, settings);
    if (!drawable(guide)) {
        work.plan.wall = {}; // no blocks whose cubes are missing
        return work;
    }
    for (const PlanBlock &block : work.plan.wall.blocks)
        work.blockWork.push_back(workIn(guide, block.cubes));
    work.panelWork.resize(work.plan.wall.panels.size());
    for (std::size_t block = 0; block < work.blockWork.size(); ++block)
        work.panelWork[std::size_t(work.plan.wall.blocks[block].panel)] += work.blockWork[block];
    for (const CubeWork &panel : work.panelWork)
        work.wallWork += panel;
    return work;
}

} // namespace tessaly
