#include "pattern/colourscience.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessaly::pattern {

namespace {

// sRGB primaries to XYZ, D65; the matrix the likeness score is defined with.
constexpr double RgbToXyz[3][3] = {{0.412453, 0.357580, 0.180423},
                                   {0.212671, 0.715160, 0.072169},
                                   {0.019334, 0.119193, 0.950227}};

// D65 white.
constexpr Xyz White{0.95047, 1.0, 1.08883};

// Lab's cube-root curve and its inverse, with the linear part near black.
constexpr double LabEpsilon = 0.008856;
constexpr double LabSlope = 7.787;

double labCurve(double t)
{
    return t > LabEpsilon ? std::cbrt(t) : LabSlope * t + 16.0 / 116.0;
}

double inverseLabCurve(double f)
{
    const double cube = f * f * f;
    return cube > LabEpsilon ? cube : (f - 16.0 / 116.0) / LabSlope;
}

// XYZ to linear sRGB: the inverse of RgbToXyz.
struct InverseMatrix
{
    double m[3][3];
};

InverseMatrix inverted()
{
    const auto &a = RgbToXyz;
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
                     - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
                     + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    InverseMatrix inverse{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            // Cofactor of the transposed position.
            const int r0 = (column + 1) % 3, r1 = (column + 2) % 3;
            const int c0 = (row + 1) % 3, c1 = (row + 2) % 3;
            inverse.m[row][column] = (a[r0][c0] * a[r1][c1] - a[r0][c1] * a[r1][c0]) / det;
        }
    }
    return inverse;
}

const InverseMatrix &xyzToRgb()
{
    static const InverseMatrix inverse = inverted();
    return inverse;
}

std::array<float, 256> linearTable()
{
    std::array<float, 256> table{};
    for (int value = 0; value < 256; ++value)
        table[std::size_t(value)] = float(srgbToLinear(value / 255.0));
    return table;
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// The hue angle in degrees, 0 to 360; 0 for a colour without chroma.
double hueAngle(double b, double a)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360.0 : h;
}

} // namespace

double srgbToLinear(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double linear)
{
    return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

float linearOfByte(std::uint8_t encoded)
{
    static const std::array<float, 256> table = linearTable();
    return table[encoded];
}

LinearRgb linearOf(Srgb8 colour)
{
    return {linearOfByte(colour.r), linearOfByte(colour.g), linearOfByte(colour.b)};
}

Srgb8 srgbOf(LinearRgb colour)
{
    const auto byte = [](float linear) {
        const double encoded = linearToSrgb(std::clamp(double(linear), 0.0, 1.0));
        return std::uint8_t(std::lround(encoded * 255.0));
    };
    return {byte(colour.r), byte(colour.g), byte(colour.b)};
}

Xyz xyzOf(LinearRgb colour)
{
    const auto &m = RgbToXyz;
    return {m[0][0] * colour.r + m[0][1] * colour.g + m[0][2] * colour.b,
            m[1][0] * colour.r + m[1][1] * colour.g + m[1][2] * colour.b,
            m[2][0] * colour.r + m[2][1] * colour.g + m[2][2] * colour.b};
}

LinearRgb linearOf(const Xyz &xyz)
{
    const auto &m = xyzToRgb().m;
    return {float(m[0][0] * xyz.x + m[0][1] * xyz.y + m[0][2] * xyz.z),
            float(m[1][0] * xyz.x + m[1][1] * xyz.y + m[1][2] * xyz.z),
            float(m[2][0] * xyz.x + m[2][1] * xyz.y + m[2][2] * xyz.z)};
}

Lab labOf(const Xyz &xyz)
{
    const double fx = labCurve(xyz.x / White.x);
    const double fy = labCurve(xyz.y / White.y);
    const double fz = labCurve(xyz.z / White.z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Xyz xyzOf(const Lab &lab)
{
    const double fy = (lab.l + 16.0) / 116.0;
    const double fx = fy + lab.a / 500.0;
    const double fz = fy - lab.b / 200.0;
    return {White.x * inverseLabCurve(fx), White.y * inverseLabCurve(fy), White.z * inverseLabCurve(fz)};
}

Lab labOf(LinearRgb colour)
{
    return labOf(xyzOf(colour));
}

LinearRgb linearOf(const Lab &lab)
{
    return linearOf(xyzOf(lab));
}

// Sharma, Wu and Dalal, "The CIEDE2000 color-difference formula:
// implementation notes, supplementary test data, and mathematical
// observations" (2005), step by step. The optimiser calls it millions of
// times, so powers are products and the four cosines of T come from one
// sine and cosine by the multiple-angle identities.
double ciede2000(const Lab &one, const Lab &other)
{
    constexpr double Pow25To7 = 6103515625.0; // 25^7
    const auto seventh = [](double v) {
        const double squared = v * v;
        return squared * squared * squared * v;
    };

    const double c1 = std::sqrt(one.a * one.a + one.b * one.b);
    const double c2 = std::sqrt(other.a * other.a + other.b * other.b);
    const double meanC7 = seventh((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + Pow25To7)));

    const double a1 = (1.0 + g) * one.a;
    const double a2 = (1.0 + g) * other.a;
    const double cPrime1 = std::sqrt(a1 * a1 + one.b * one.b);
    const double cPrime2 = std::sqrt(a2 * a2 + other.b * other.b);
    const double h1 = hueAngle(one.b, a1);
    const double h2 = hueAngle(other.b, a2);

    const double deltaL = other.l - one.l;
    const double deltaC = cPrime2 - cPrime1;
    double deltaHue = 0;
    if (cPrime1 * cPrime2 != 0) {
        deltaHue = h2 - h1;
        if (deltaHue > 180.0)
            deltaHue -= 360.0;
        else if (deltaHue < -180.0)
            deltaHue += 360.0;
    }
    const double deltaH = 2.0 * std::sqrt(cPrime1 * cPrime2) * std::sin(radians(deltaHue / 2.0));

    const double meanL = (one.l + other.l) / 2.0;
    const double meanCPrime = (cPrime1 + cPrime2) / 2.0;
    double meanHue = h1 + h2;
    if (cPrime1 * cPrime2 != 0) {
        if (std::abs(h1 - h2) <= 180.0)
            meanHue = (h1 + h2) / 2.0;
        else
            meanHue = (h1 + h2 < 360.0) ? (h1 + h2 + 360.0) / 2.0 : (h1 + h2 - 360.0) / 2.0;
    }

    // T = 1 - 0.17 cos(h - 30) + 0.24 cos(2h) + 0.32 cos(3h + 6) - 0.20 cos(4h - 63).
    const double cos1 = std::cos(radians(meanHue));
    const double sin1 = std::sin(radians(meanHue));
    const double cos2 = 2.0 * cos1 * cos1 - 1.0;
    const double sin2 = 2.0 * sin1 * cos1;
    const double cos3 = cos1 * (4.0 * cos1 * cos1 - 3.0);
    const double sin3 = sin1 * (3.0 - 4.0 * sin1 * sin1);
    const double cos4 = 2.0 * cos2 * cos2 - 1.0;
    const double sin4 = 2.0 * sin2 * cos2;
    static const double Cos30 = std::cos(radians(30.0)), Sin30 = 0.5;
    static const double Cos6 = std::cos(radians(6.0)), Sin6 = std::sin(radians(6.0));
    static const double Cos63 = std::cos(radians(63.0)), Sin63 = std::sin(radians(63.0));
    const double t = 1.0 - 0.17 * (cos1 * Cos30 + sin1 * Sin30) + 0.24 * cos2 + 0.32 * (cos3 * Cos6 - sin3 * Sin6)
                   - 0.20 * (cos4 * Cos63 + sin4 * Sin63);

    const double hueOffset = (meanHue - 275.0) / 25.0;
    const double deltaTheta = 30.0 * std::exp(-hueOffset * hueOffset);
    const double meanCPrime7 = seventh(meanCPrime);
    const double rc = 2.0 * std::sqrt(meanCPrime7 / (meanCPrime7 + Pow25To7));
    const double lOffset = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * lOffset / std::sqrt(20.0 + lOffset);
    const double sc = 1.0 + 0.045 * meanCPrime;
    const double sh = 1.0 + 0.015 * meanCPrime * t;
    const double rt = -std::sin(radians(2.0 * deltaTheta)) * rc;

    const double l = deltaL / sl;
    const double c = deltaC / sc;
    const double h = deltaH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace tessaly::pattern
