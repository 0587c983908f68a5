#pragma once

#include "pattern/framing.h"
#include "pattern/patternrecipe.h"

#include <QString>

#include <optional>

namespace tessaly {

// The readers of the photo options' values: each gives the value, or a
// message that quotes the text it was given.

// The most cubes a wall may have.
using pattern::MaxWallCubes;
// The most pixels a preview may give a sticker.
constexpr int MaxPreviewScale = 64;

template <typename T>
struct OptionValue
{
    std::optional<T> value;
    QString error;
};

// Columns and rows as the command line writes them: "40x30", also "40X30"
// or "40×30", spaces allowed around the numbers. Empty unless both are
// whole numbers that fit a long long.
struct ColumnsByRows
{
    long long columns = 0;
    long long rows = 0;
};
std::optional<ColumnsByRows> columnsByRowsFromText(const QString &text);

// "40x30": columns and rows of cubes, each at least 1, at most MaxWallCubes in all.
OptionValue<pattern::WallSize> wallSizeFromText(const QString &text);
// A whole number of cubes from 1 to MaxWallCubes.
OptionValue<long long> cubeCountFromText(const QString &text);
// crop, pad or stretch.
OptionValue<pattern::Fit> fitNamed(const QString &name);
// "X,Y,W,H": four whole numbers of picture pixels; whether they lie inside
// the picture is asked once it is read.
OptionValue<pattern::CropRect> cropFromText(const QString &text);
// A whole number from -100 to 100 for the adjustment named (brightness,
// contrast or saturation).
OptionValue<int> adjustmentFromText(const QString &name, const QString &text);
// optimised, nearest, ordered, diffusion, atkinson or exact.
OptionValue<pattern::Method> methodNamed(const QString &name);
// Pixels a sticker, 1 to MaxPreviewScale.
OptionValue<int> previewScaleFromText(const QString &text);

// --turn-weight: what a turn saved is worth against the likeness, 0 to MaxTurnWeight.
inline constexpr double MaxTurnWeight = 1000;
OptionValue<double> turnWeightFromText(const QString &text);

// --max-turns: 0 to the most turns any face takes.
OptionValue<int> maxTurnsFromText(const QString &text);

// The names fitNamed and methodNamed read.
QString fitName(pattern::Fit fit);
QString methodName(pattern::Method method);

} // namespace tessaly
