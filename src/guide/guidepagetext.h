#pragma once

#include <QStringList>

class QFontMetricsF;

namespace tessaly {

// Breaks text at spaces into lines no wider than width in the font of the
// metrics; a word wider than that gets a line of its own.
QStringList wrappedAtSpaces(const QString &text, const QFontMetricsF &metrics, qreal width);

} // namespace tessaly
