#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

// Pixel-exact comparison of an expected image with the region of a larger
// image (a screenshot, a saved file) where it should appear.

struct PixelMismatch
{
    QPoint at; // in the expected image's coordinates
    QRgb expected;
    QRgb actual;
};

struct RegionComparison
{
    qsizetype mismatchCount = 0;
    QList<PixelMismatch> firstMismatches; // at most a handful, row by row
    bool regionOutside = false;           // the region does not fit in the image

    bool matches() const { return !regionOutside && mismatchCount == 0; }
};

// Compares expected with actual's pixels from offset on, ignoring alpha.
RegionComparison compareRegion(const QImage &actual, QPoint offset, const QImage &expected);

// A report of a failed comparison for a human: how many pixels differ and
// the first ones, each labelled by describePlace (what lies there).
QString describeMismatches(const RegionComparison &comparison, const QString &what,
                           const std::function<QString(QPoint)> &describePlace);

// "r,g,b", the form the tests print and read colours in.
QString colourText(QRgb colour);
