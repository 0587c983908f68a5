#include "guide/guidepageplan.h"

#include "guide/buildguide.h"
#include "guide/pagelayout.h"

#include <algorithm>

namespace tessaly {

namespace {

int blocksFor(int cubes, int perBlock)
{
    return (cubes + perBlock - 1) / perBlock;
}

} // namespace

QRect GuidePagePlan::blockCubes(int block) const
{
    const QPoint topLeft(1 + (block % blocksAcross) * blockColumns, 1 + (block / blocksAcross) * blockRows);
    const QSize size(std::min(blockColumns, cubeColumns - topLeft.x() + 1),
                     std::min(blockRows, cubeRows - topLeft.y() + 1));
    return {topLeft, size};
}

GuidePagePlan planGuidePages(const GuideFigures &figures, const PageLayout &layout)
{
    GuidePagePlan plan;
    plan.cubeColumns = std::max(0, figures.cubeColumns);
    plan.cubeRows = std::max(0, figures.cubeRows);
    plan.blockColumns = std::clamp(figures.cubeColumns, 1, std::max(1, layout.blockColumns));
    plan.blockRows = std::clamp(figures.cubeRows, 1, std::max(1, layout.blockRows));
    plan.blocksAcross = blocksFor(plan.cubeColumns, plan.blockColumns);
    plan.blocksDown = blocksFor(plan.cubeRows, plan.blockRows);
    return plan;
}

} // namespace tessaly
