#pragma once

#include <array>

namespace tessaly::pattern {

// A 3 x 3 matrix of the colour transforms, rows first.
using Matrix3 = std::array<std::array<double, 3>, 3>;

constexpr Matrix3 product(const Matrix3 &left, const Matrix3 &right)
{
    Matrix3 result{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int k = 0; k < 3; ++k)
                result[row][column] += left[row][k] * right[k][column];
    return result;
}

constexpr Matrix3 inverse(const Matrix3 &a)
{
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
                     - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
                     + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    Matrix3 result{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            // The cofactor of the transposed place; cyclic indices carry its sign.
            const int r0 = (column + 1) % 3, r1 = (column + 2) % 3;
            const int c0 = (row + 1) % 3, c1 = (row + 2) % 3;
            result[row][column] = (a[r0][c0] * a[r1][c1] - a[r0][c1] * a[r1][c0]) / det;
        }
    }
    return result;
}

} // namespace tessaly::pattern
