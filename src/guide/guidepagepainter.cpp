#include "guide/guidepagepainter.h"

#include "guide/guidepageblock.h"
#include "guide/guidepageoverview.h"

#include <QPainter>

namespace tessaly {

GuidePagePainter::GuidePagePainter(const BuildGuide &guide, const QPageSize &pageSize)
    : m_context(guide, pageSize)
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
    const int block = GuidePagePlan::blockOfPage(pageIndex);
    if (block < 0)
        drawOverviewPage(painter, m_context);
    else
        drawBlockPage(painter, m_context, block);
    painter.restore();
}

} // namespace tessaly
