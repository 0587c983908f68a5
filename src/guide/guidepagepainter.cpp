#include "guide/guidepagepainter.h"

#include "guide/guidepageblock.h"
#include "guide/guidepageoverview.h"
#include "guide/guidepagepanel.h"
#include "guide/guidepagerecipes.h"

#include <QPainter>

namespace tessaly {

GuidePagePainter::GuidePagePainter(const BuildGuide &guide, const QPageSize &pageSize,
                                   const BuildPlanSettings &settings)
    : m_context(guide, pageSize, settings)
{
}

QString GuidePagePainter::problem() const
{
    const GuideFigures &figures = m_context.guide.figures;
    if (figures.cubeColumns < 1 || figures.cubeRows < 1
        || m_context.guide.cubes.size() != std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows))
        return QStringLiteral("the guide has no wall of cubes to print");
    if (m_context.layout.blockColumns < 1 || m_context.layout.blockRows < 1)
        return QStringLiteral("the page is too small for a cube of the guide");
    return {};
}

void GuidePagePainter::paintPage(QPainter &painter, int pageIndex) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const GuidePagePlan::Page page = m_context.plan.pageAt(pageIndex);
    switch (page.kind) {
    case GuidePagePlan::PageKind::Overview: drawOverviewPage(painter, m_context); break;
    case GuidePagePlan::PageKind::Recipes: drawRecipePage(painter, m_context, page.index); break;
    case GuidePagePlan::PageKind::Panel: drawPanelPage(painter, m_context, page.index); break;
    case GuidePagePlan::PageKind::Block: drawBlockPage(painter, m_context, page.index); break;
    }
    painter.restore();
}

} // namespace tessaly
