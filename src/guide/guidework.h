#pragma once

#include "guide/buildplansettings.h"
#include "guide/buildtime.h"
#include "guide/guidepageplan.h"

#include <vector>

namespace tessaly {

struct BuildGuide;
struct PageLayout;

// A guide's wall cut into the blocks and panels its pages show, and the
// work in each: what the PDF and the terminal's summary both report.
struct GuideWork
{
    GuidePagePlan plan;              // no blocks for a wall that cannot be drawn
    bool solved = false;             // every cube has its twists
    std::vector<CubeWork> blockWork; // by block, in build order
    std::vector<CubeWork> panelWork; // by panel, in build order
    CubeWork wallWork;
};

// Plans the wall for pages laid out as layout. Only a wall whose cubes are
// all there gets blocks: a guide's writers refuse the others before
// drawing anything.
GuideWork planGuideWork(const BuildGuide &guide, const PageLayout &layout, const BuildPlanSettings &settings);

} // namespace tessaly
