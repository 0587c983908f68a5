#pragma once

#include "guide/buildguide.h"
#include "guide/guidepageplan.h"
#include "guide/guidepagestyle.h"
#include "guide/pagelayout.h"

#include <QPageSize>

namespace tessaly {

// What every page of one guide is drawn from. The guide is borrowed: it
// must outlive the context.
struct GuidePageContext
{
    GuidePageContext(const BuildGuide &guide, const QPageSize &pageSize);

    const BuildGuide &guide;
    PageLayout layout;
    GuidePagePlan plan;
    GuidePageFonts fonts;
    StickerFills fills; // the colours of the guide's stickers
    bool solved; // every cube has its twists

    int pageCount() const { return plan.pageCount(); }
};

} // namespace tessaly
