#include "regioncompare.h"

#include <QRect>

namespace {

constexpr qsizetype ReportedMismatches = 8;

} // namespace

RegionComparison compareRegion(const QImage &actual, QPoint offset, const QImage &expected)
{
    RegionComparison comparison;
    if (!actual.rect().contains(QRect(offset, expected.size()))) {
        comparison.regionOutside = true;
        return comparison;
    }
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y) & RGB_MASK;
            const QRgb got = actual.pixel(offset.x() + x, offset.y() + y) & RGB_MASK;
            if (want == got)
                continue;
            if (comparison.firstMismatches.size() < ReportedMismatches)
                comparison.firstMismatches.append({QPoint(x, y), want, got});
            ++comparison.mismatchCount;
        }
    }
    return comparison;
}

QString describeMismatches(const RegionComparison &comparison, const QString &what,
                           const std::function<QString(QPoint)> &describePlace)
{
    if (comparison.regionOutside)
        return QStringLiteral("%1: the region lies outside the image").arg(what);

    QString report = QStringLiteral("%1: %2 pixels differ; first ones:")
                         .arg(what)
                         .arg(comparison.mismatchCount);
    for (const PixelMismatch &mismatch : comparison.firstMismatches) {
        report += QStringLiteral("\n  (%1, %2) %3: expected %4, got %5")
                      .arg(mismatch.at.x())
                      .arg(mismatch.at.y())
                      .arg(describePlace(mismatch.at), colourText(mismatch.expected),
                           colourText(mismatch.actual));
    }
    return report;
}

QString colourText(QRgb colour)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}
