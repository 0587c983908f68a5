#pragma once

#include "guide/buildguide.h"
#include "guide/buildplansettings.h"
#include "guide/buildrecipes.h"
#include "guide/buildtime.h"
#include "guide/guidepageplan.h"
#include "guide/guidepagerecipes.h"
#include "guide/guidepagestyle.h"
#include "guide/pagelayout.h"

#include <QImage>
#include <QPageSize>

#include <vector>

namespace tessaly {

// What every page of one guide is drawn from. The guide is borrowed: it
// must outlive the context.
struct GuidePageContext
{
    GuidePageContext(const BuildGuide &guide, const QPageSize &pageSize, const BuildPlanSettings &settings = {});

    const BuildGuide &guide;
    BuildPlanSettings settings;
    PageLayout layout;
    GuidePageFonts fonts;
    StickerFills fills; // the colours of the guide's stickers
    // The mosaic one pixel a cell (mosaicImage), made once so that the PDF
    // holds it once however many pages show it.
    QImage mosaic;
    bool solved = false; // every cube has its twists
    GuidePagePlan plan;
    std::vector<CubeWork> blockWork; // by block, in build order
    std::vector<CubeWork> panelWork; // by panel, in build order
    CubeWork wallWork;
    std::vector<Recipe> recipes; // the recipes that need turns, once solved
    RecipePages recipePages;     // where they are listed

    int pageCount() const { return plan.pageCount(); }
    // The time the work takes at the builders' pace.
    double seconds(const CubeWork &work) const { return buildSeconds(work, settings.pace); }
};

} // namespace tessaly
