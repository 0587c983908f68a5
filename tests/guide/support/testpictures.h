#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace tessaly::test {

// A picture drawn from rows of letters, one pixel a letter: W Y R O B G in
// their cube colours (the exact palette colours), K a grey that no colour
// takes when every tolerance is 0.
QImage letterPicture(const QStringList &rows);

// The tolerances under which only the exact palette colours are taken.
inline const QString ExactTolerances = QStringLiteral("0,0,0,0,0,0");

} // namespace tessaly::test
