#pragma once

#include "guide/buildplansettings.h"
#include "guide/wallplan.h"

#include <QRect>

namespace tessaly {

struct GuideFigures;
struct PageLayout;

// Which page shows what: the overview first, then the recipe pages, then
// the wall's blocks one per page in build order. A wall cut into panels has
// a section per panel: the panel's own page, then its blocks' pages.
struct GuidePagePlan
{
    int cubeColumns = 0;  // the wall
    int cubeRows = 0;
    int blockColumns = 1; // cubes across a full block
    int blockRows = 1;    // cubes down a full block
    int blocksAcross = 0; // over the whole wall
    int blocksDown = 0;
    WallPlan wall;
    int recipePages = 0;

    int blockCount() const { return int(wall.blocks.size()); }
    int panelCount() const { return int(wall.panels.size()); }
    int pageCount() const { return 1 + recipePages + (wall.panelled ? panelCount() : 0) + blockCount(); }

    // The cubes of block index (from 0, in build order) as columns x and rows
    // y, from 1; the last block of a row or column may be smaller than a
    // full one.
    QRect blockCubes(int block) const;

    enum class PageKind { Overview, Recipes, Panel, Block };
    struct Page
    {
        PageKind kind = PageKind::Overview;
        int index = 0; // which recipe page, panel or block, from 0
    };
    // What page index (from 0, below pageCount()) shows.
    Page pageAt(int page) const;
    // Where a panel's section starts: its own page, or for a wall of one
    // panel without a page of its own, its first block's page.
    int pageOfPanel(int panel) const;
    int pageOfBlock(int block) const;
};

// The plan for a wall on pages laid out as layout: blocks as large as the
// page's cards, and never larger than the wall or a panel; no recipe pages
// yet (their number is known once they are laid out).
GuidePagePlan planGuidePages(const GuideFigures &figures, const PageLayout &layout,
                             const BuildPlanSettings &settings = {});

} // namespace tessaly
