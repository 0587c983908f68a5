#pragma once

#include <QColor>

namespace tessaly::studio {

// Black or white, whichever contrasts more with background (by the relative
// luminance of its sRGB colour): the text of a colour swatch.
QColor readableTextColour(const QColor &background);

} // namespace tessaly::studio
