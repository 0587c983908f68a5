#include "guide/guidepagecontext.h"

#include <algorithm>

namespace tessaly {

GuidePageContext::GuidePageContext(const BuildGuide &guide, const QPageSize &pageSize)
    : guide(guide)
    , layout(pageSize)
    , plan(planGuidePages(guide.figures, layout))
    , fills(stickerFillsOf(guide.photo))
    , solved(!guide.cubes.empty()
             && std::ranges::all_of(guide.cubes, [](const GuideCube &cube) { return cube.twists.has_value(); }))
{
}

} // namespace tessaly
