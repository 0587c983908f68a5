#pragma once

#include <QImage>
#include <QSize>

#include <optional>

// The mosaic a generation run with the default tolerances must draw, worked
// out here on its own, without the program's code, so that the end-to-end
// tests compare the program against an independent reference.

// The sampling grid for a picture and the two counts typed in the window.
struct MosaicGrid
{
    int columnStep = 0;
    int rowStep = 0;
    int columns = 0; // cells per row, far edge included
    int rows = 0;
};

// The grid, or nothing when the counts would not give a plain run drawn
// at 4 pixels a cell: a refused run, a scale divisor above 1, a step
// below 1.
std::optional<MosaicGrid> mosaicGrid(QSize picture, double columnCount, double rowCount);

// The palette colour a sample becomes under the default tolerances (111,
// 190, 220, 220, 260, 250, tested orange, yellow, green, red, blue, white).
QRgb classifiedColour(QRgb sample);

// The 437 x 437 canvas interior after the run: backColor where nothing is
// drawn, a 4 x 4 cell per sample from (8, 8), and the black frames of the
// 3 x 3 blocks, drawn in the run's order. Samples outside the picture read
// as white.
QImage expectedCanvas(const QImage &picture, const MosaicGrid &grid, QRgb backColor);

// The canvas interior's size in pixels.
inline constexpr int CanvasInterior = 437;

// Where cell (i, j) starts on the canvas, in either direction.
inline constexpr int cellOrigin(int index)
{
    return 4 * index + 8;
}
