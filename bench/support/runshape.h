#pragma once

#include <QSize>

#include <cstdint>

namespace tessaly::bench {

// One measured kind of run: the source picture's size and the counts typed
// into Text1 and Text2.
struct RunShape
{
    const char *name;
    QSize picture;
    double columnCount;
    double rowCount;

    // The cells such a run draws: along each side the step is the size over
    // the count rounded half-to-even, and the samples run from 0 up to the
    // size itself, both ends included.
    std::int64_t cells() const;
};

// The window's defaults on a picture of the built-in sample's size:
// 105 x 92 cells.
inline constexpr RunShape DefaultRun{"Default", QSize(208, 183), 99, 99};
// About a million cells: 1001 x 1001.
inline constexpr RunShape MillionCellRun{"MillionCells", QSize(2000, 2000), 999, 999};
// A camera's photograph sampled at every pixel: 5313 x 2989, 15.9 million
// cells, the build guide's large run.
inline constexpr RunShape PhotographRun{"Photograph", QSize(5312, 2988), 5312, 2988};

} // namespace tessaly::bench
