#include "guide/guidepageimage.h"

#include "guide/guidepagepainter.h"

#include <QPainter>

#include <cmath>

namespace tessaly {

QImage renderGuidePage(const BuildGuide &guide, int pageIndex, const QPageSize &pageSize, int dpi,
                       const BuildPlanSettings &settings)
{
    const GuidePagePainter pages(guide, pageSize, settings);
    if (!pages.problem().isEmpty() || pageIndex < 0 || pageIndex >= pages.pageCount() || dpi < 1)
        return {};

    const QSizeF points = pageSize.size(QPageSize::Point);
    const qreal scale = dpi / 72.0;
    QImage image(int(std::ceil(points.width() * scale)), int(std::ceil(points.height() * scale)),
                 QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.scale(scale, scale);
    pages.paintPage(painter, pageIndex);
    return image;
}

} // namespace tessaly
