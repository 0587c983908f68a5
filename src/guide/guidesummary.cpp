#include "guide/guidesummary.h"

#include "guide/buildguide.h"

#include <QStringList>

namespace tessaly {

namespace {

QString count(std::int64_t number)
{
    return QString::number(qlonglong(number));
}

} // namespace

QString guideSummary(const GuideFigures &figures)
{
    const std::int64_t cells = std::int64_t(figures.cellColumns) * figures.cellRows;
    const std::int64_t cubes = figures.fullCubes + figures.partialCubes;
    QStringList stickers;
    for (int colour = 0; colour < cube::ColourCount; ++colour)
        stickers << QStringLiteral("%1 %2").arg(QLatin1String(cube::colourName(cube::Colour(colour))),
                                                count(figures.stickers[std::size_t(colour)]));

    QString summary;
    summary += QStringLiteral("Cells:       %1 x %2 = %3\n")
                   .arg(figures.cellColumns).arg(figures.cellRows).arg(count(cells));
    summary += QStringLiteral("Cubes:       %1 x %2 = %3 (%4 full, %5 partial)\n")
                   .arg(figures.cubeColumns).arg(figures.cubeRows)
                   .arg(count(cubes), count(figures.fullCubes), count(figures.partialCubes));
    summary += QStringLiteral("Stickers:    %1\n").arg(stickers.join(QStringLiteral(", ")));
    summary += QStringLiteral("Black cells: %1 in %2 cubes\n")
                   .arg(count(figures.blackCells), count(figures.cubesWithBlack));
    return summary;
}

} // namespace tessaly
