#pragma once

#include "engine/colorclassifier.h"

#include <QColor>
#include <QImage>
#include <QRgb>

namespace tessaly::test {

// The tolerance fields' texts at start, by colour index.
inline const Tolerances DefaultTolerances = {111, 190, 220, 220, 260, 250};

// The canvas's interior: what Picture2 draws on and Save writes.
inline constexpr int CanvasSide = 437;

// A sampling grid at scale divisor 1: cell (i, j) takes the source pixel at
// (i * columnStep, j * rowStep).
struct MosaicGrid
{
    int columnStep = 1;
    int rowStep = 1;
    int columns = 0;
    int rows = 0;
};

// The output colour of a sample (a pixel outside the picture reads as
// white), classified with the standard palette.
QRgb cellColorFor(QRgb sample, const Tolerances &tolerances = DefaultTolerances);

// The canvas a whole run at scale divisor 1 leaves: every cell a 4 x 4
// square from (4i + 8, 4j + 8), a black frame round every 3 x 3 block that
// has a cell after it in both directions, the back colour elsewhere.
QImage expectedMosaic(const QImage &source, const MosaicGrid &grid, QColor backColor,
                      const Tolerances &tolerances = DefaultTolerances);

// A pixel of cell (i, j) at scale divisor 1 that no frame line crosses.
QRgb cellPixel(const QImage &canvas, int i, int j);

// Whether every pixel of the image is the colour.
bool isFilledWith(const QImage &image, QColor color);

// The first pixel where two images differ, as text for a failure message;
// empty when they are equal in size and colour.
QString firstDifference(const QImage &actual, const QImage &expected);

} // namespace tessaly::test
