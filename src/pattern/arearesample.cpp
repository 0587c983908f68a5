#include "pattern/arearesample.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessaly::pattern {

namespace {

// What one cell covers along one axis: the pixels it overlaps, each with the
// share of the cell it covers, and the share that lies outside the picture.
struct CellCover
{
    int firstPixel = 0;
    std::vector<double> shares; // of pixels firstPixel, firstPixel + 1, ...
    double outside = 0;

    int endPixel() const { return firstPixel + int(shares.size()); }
};

// The cover of every cell when `cells` equal cells span [start, start + length)
// of an axis `pixels` long.
std::vector<CellCover> axisCover(double start, double length, int cells, int pixels)
{
    const double step = length / cells;
    std::vector<CellCover> covers(static_cast<std::size_t>(cells));
    for (int cell = 0; cell < cells; ++cell) {
        const double low = start + cell * step;
        const double high = start + (cell + 1) * step;
        const double size = high - low;
        CellCover &cover = covers[std::size_t(cell)];
        cover.firstPixel = std::clamp(int(std::floor(low)), 0, pixels);
        const int end = std::clamp(int(std::ceil(high)), cover.firstPixel, pixels);
        for (int pixel = cover.firstPixel; pixel < end; ++pixel)
            cover.shares.push_back(std::max(0.0, std::min(high, pixel + 1.0) - std::max(low, double(pixel))) / size);
        const double before = std::max(0.0, std::min(high, 0.0) - low);
        const double after = std::max(0.0, high - std::max(low, double(pixels)));
        cover.outside = (before + after) / size;
    }
    return covers;
}

std::array<double, 256> linearOfBytes()
{
    std::array<double, 256> table{};
    for (int value = 0; value < 256; ++value)
        table[std::size_t(value)] = linearOfByte(std::uint8_t(value));
    return table;
}

// The pixel columns [begin, end) that any cell of a row reads.
struct ColumnSpan
{
    int begin = 0;
    int end = 0;
};

ColumnSpan spanOf(const std::vector<CellCover> &covers)
{
    // Cells follow each other along the axis: the first and last that read
    // any pixel bound the span.
    ColumnSpan span;
    bool found = false;
    for (const CellCover &cover : covers) {
        if (cover.shares.empty())
            continue;
        if (!found)
            span.begin = cover.firstPixel;
        span.end = cover.endPixel();
        found = true;
    }
    return span;
}

// One row of cells averaged down the picture: for every pixel column of the
// span, red, green and blue of the cell row's vertical mean.
void averageDown(const SrgbPicture &picture, const CellCover &rowCover, ColumnSpan span,
                 const std::array<double, 256> &linear, std::vector<double> &band)
{
    std::fill(band.begin(), band.end(), rowCover.outside);
    const std::size_t rowBytes = std::size_t(picture.width) * 3;
    for (std::size_t k = 0; k < rowCover.shares.size(); ++k) {
        const double share = rowCover.shares[k];
        const std::uint8_t *bytes = picture.rgb.data() + std::size_t(rowCover.firstPixel + int(k)) * rowBytes
                                  + std::size_t(span.begin) * 3;
        for (std::size_t i = 0; i < band.size(); ++i)
            band[i] += share * linear[bytes[i]];
    }
}

// One cell of the row from the band the row was averaged into.
LinearRgb averageAcross(const std::vector<double> &band, const CellCover &columnCover, ColumnSpan span)
{
    double sum[3] = {columnCover.outside, columnCover.outside, columnCover.outside};
    for (std::size_t k = 0; k < columnCover.shares.size(); ++k) {
        const std::size_t at = std::size_t(columnCover.firstPixel + int(k) - span.begin) * 3;
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += columnCover.shares[k] * band[at + std::size_t(channel)];
    }
    return {float(sum[0]), float(sum[1]), float(sum[2])};
}

} // namespace

LinearGrid areaAverage(const SrgbPicture &picture, const SourceRegion &region, int columns, int rows)
{
    assert(region.width > 0 && region.height > 0 && columns >= 0 && rows >= 0);
    LinearGrid cells(columns, rows);
    if (cells.isEmpty())
        return cells;

    const std::vector<CellCover> rowCovers = axisCover(region.y, region.height, rows, std::max(picture.height, 0));
    const std::vector<CellCover> columnCovers = axisCover(region.x, region.width, columns, std::max(picture.width, 0));
    const ColumnSpan span = spanOf(columnCovers);
    const std::array<double, 256> linear = linearOfBytes();

    // Rows first, then columns, one row of cells at a time: the picture is
    // read once (twice where a pixel row straddles two cell rows).
    std::vector<double> band(std::size_t(span.end - span.begin) * 3);
    for (int row = 0; row < rows; ++row) {
        averageDown(picture, rowCovers[std::size_t(row)], span, linear, band);
        for (int column = 0; column < columns; ++column)
            cells.at(column, row) = averageAcross(band, columnCovers[std::size_t(column)], span);
    }
    return cells;
}

} // namespace tessaly::pattern
