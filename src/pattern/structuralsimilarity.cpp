#include "pattern/structuralsimilarity.h"

#include <cassert>
#include <cstddef>

namespace tessaly::pattern {

namespace {

// The mean of every window wholly inside the grid, by its top-left cell.
Grid<double> windowMeans(const Grid<double> &values, int window)
{
    const int width = values.width() - window + 1;
    const int height = values.height() - window + 1;
    Grid<double> rowSums(width, values.height());
    for (int y = 0; y < values.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            double sum = 0;
            for (int k = 0; k < window; ++k)
                sum += values.at(x + k, y);
            rowSums.at(x, y) = sum;
        }
    }
    Grid<double> means(width, height);
    const double area = double(window) * window;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double sum = 0;
            for (int k = 0; k < window; ++k)
                sum += rowSums.at(x, y + k);
            means.at(x, y) = sum / area;
        }
    }
    return means;
}

Grid<double> product(const Grid<double> &one, const Grid<double> &other)
{
    Grid<double> result(one.width(), one.height());
    for (std::size_t i = 0; i < one.size(); ++i)
        result.values()[i] = one.values()[i] * other.values()[i];
    return result;
}

} // namespace

double structuralSimilarity(const Grid<double> &one, const Grid<double> &other, int windowSize, double dataRange)
{
    assert(one.width() == other.width() && one.height() == other.height());
    assert(windowSize >= 3 && windowSize % 2 == 1 && windowSize <= one.width() && windowSize <= one.height());

    const Grid<double> meanOne = windowMeans(one, windowSize);
    const Grid<double> meanOther = windowMeans(other, windowSize);
    const Grid<double> meanSquareOne = windowMeans(product(one, one), windowSize);
    const Grid<double> meanSquareOther = windowMeans(product(other, other), windowSize);
    const Grid<double> meanProduct = windowMeans(product(one, other), windowSize);

    // Sample (n - 1) rather than population statistics of each window.
    const double cells = double(windowSize) * windowSize;
    const double sampleScale = cells / (cells - 1);
    const double c1 = (0.01 * dataRange) * (0.01 * dataRange);
    const double c2 = (0.03 * dataRange) * (0.03 * dataRange);

    double sum = 0;
    for (std::size_t i = 0; i < meanOne.size(); ++i) {
        const double mx = meanOne.values()[i];
        const double my = meanOther.values()[i];
        const double vx = sampleScale * (meanSquareOne.values()[i] - mx * mx);
        const double vy = sampleScale * (meanSquareOther.values()[i] - my * my);
        const double vxy = sampleScale * (meanProduct.values()[i] - mx * my);
        sum += ((2 * mx * my + c1) * (2 * vxy + c2)) / ((mx * mx + my * my + c1) * (vx + vy + c2));
    }
    return sum / double(meanOne.size());
}

} // namespace tessaly::pattern
