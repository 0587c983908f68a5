#include "studio/readabletextcolour.h"

#include <cmath>

namespace tessaly::studio {

namespace {

double linearLight(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

QColor readableTextColour(const QColor &background)
{
    const double luminance = 0.2126 * linearLight(background.redF()) + 0.7152 * linearLight(background.greenF())
                             + 0.0722 * linearLight(background.blueF());
    // Black and white contrast alike, (L + 0.05) / 0.05 = 1.05 / (L + 0.05),
    // at L = sqrt(1.05 * 0.05) - 0.05.
    const double evenContrast = std::sqrt(1.05 * 0.05) - 0.05;
    return luminance > evenContrast ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace tessaly::studio
