#pragma once

#include <QImage>

namespace tessaly::bench {

// The photo set's flat art: a club's badge of a few shapes and two letters
// in flat colours with anti-aliased edges, on white. Drawn from paths alone,
// no font, so every machine draws the same pixels. 640 x 480, Format_RGB32.
QImage drawClubLogo();

} // namespace tessaly::bench
