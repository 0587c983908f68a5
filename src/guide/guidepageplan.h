#pragma once

#include <QRect>

namespace tessaly {

struct GuideFigures;
struct PageLayout;

// Which page shows what: the overview first, then one block of the wall per
// page, blocks in rows top to bottom, each row left to right.
struct GuidePagePlan
{
    int cubeColumns = 0;  // the wall
    int cubeRows = 0;
    int blockColumns = 1; // cubes across a full block
    int blockRows = 1;    // cubes down a full block
    int blocksAcross = 0;
    int blocksDown = 0;

    int blockCount() const { return blocksAcross * blocksDown; }
    int pageCount() const { return 1 + blockCount(); }

    // The cubes of block index (from 0) as columns x and rows y, from 1; the
    // last block of a row or column may be smaller than a full one.
    QRect blockCubes(int block) const;

    // The block whose cubes lie on page index (from 0); -1 for the overview.
    static int blockOfPage(int page) { return page - 1; }
};

// The plan for a wall on pages laid out as layout: blocks as large as the
// page's cards, and never larger than the wall.
GuidePagePlan planGuidePages(const GuideFigures &figures, const PageLayout &layout);

} // namespace tessaly
