#include "guide/photosummary.h"

#include "guide/photofacts.h"
#include "guide/photofactstext.h"
#include "guide/photooptionvalues.h"

namespace tessaly {

QString photoSummary(const PhotoFacts &facts)
{
    QStringList colours;
    for (const pattern::PaletteColour &colour : facts.palette.colours)
        colours << QStringLiteral("%1 %2").arg(QString(QLatin1Char(pattern::stickerLetter(colour.sticker))),
                                               hexText(colour.colour));
    const QStringList adjustments = adjustmentTexts(facts.adjustments);

    QString summary;
    summary += QStringLiteral("Photo pattern: %1, method %2\n").arg(wallText(facts.wall), methodText(facts));
    summary += QStringLiteral("Palette: %1\n").arg(colours.join(QStringLiteral(", ")));
    if (!adjustments.isEmpty())
        summary += QStringLiteral("Adjustments: %1\n").arg(adjustments.join(QStringLiteral(", ")));
    if (facts.likeness)
        summary += QStringLiteral("Likeness: %1\n").arg(likenessText(*facts.likeness));
    return summary;
}

} // namespace tessaly
