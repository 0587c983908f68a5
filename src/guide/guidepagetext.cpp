#include "guide/guidepagetext.h"

#include <QFontMetricsF>

namespace tessaly {

QStringList wrappedAtSpaces(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QStringList lines;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= width)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines.append(word);
    }
    return lines;
}

} // namespace tessaly
