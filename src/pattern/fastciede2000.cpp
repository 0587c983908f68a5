#include "pattern/fastciede2000.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaly::pattern {

namespace {

constexpr double Pow25To7 = 6103515625.0; // 25^7

// The rotation term's angle is at most 30 degrees: sin 60 degrees.
constexpr double MaxSinTwoDeltaTheta = std::numbers::sqrt3 / 2.0;

double seventhPower(double x)
{
    const double cube = x * x * x;
    return cube * cube * x;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

ChromaLab chromaLab(const Lab &lab)
{
    return {lab, std::sqrt(lab.a * lab.a + lab.b * lab.b)};
}

// Step for step as ciede2000() (Sharma, Wu and Dalal), but with the hue
// angles handled as directions: the hue difference and the mean hue come
// from the two hue vectors, and the weighting function T's cosines of
// multiple angles from the mean hue's cosine and sine. That leaves one
// atan2, one exp and one sin where the plain formula needs a dozen
// transcendental calls, and those only when the lower bounds (lightness
// alone, then lightness, chroma and the least the hue term can be) do not
// already pass stopAbove. Colours without hue and opposite hues, where the
// mean hue is a convention, take the plain way.
double squaredCiede2000(const ChromaLab &one, const ChromaLab &other, double stopAbove)
{
    const double meanL = (one.lab.l + other.lab.l) / 2.0;
    const double lOffset = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * lOffset / std::sqrt(20.0 + lOffset);
    const double l = (other.lab.l - one.lab.l) / sl;
    // With |RT| < 2 the chroma and hue terms together are never negative.
    if (l * l > stopAbove)
        return l * l;

    const double meanC7 = seventhPower((one.chroma + other.chroma) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + Pow25To7)));
    const double a1 = (1.0 + g) * one.lab.a, b1 = one.lab.b;
    const double a2 = (1.0 + g) * other.lab.a, b2 = other.lab.b;
    const double cPrime1 = std::sqrt(a1 * a1 + b1 * b1);
    const double cPrime2 = std::sqrt(a2 * a2 + b2 * b2);

    // C'1 C'2 times the cosine and the sine of the hue difference h'2 - h'1.
    const double chromaProduct = cPrime1 * cPrime2;
    const double cosineTerm = a1 * a2 + b1 * b2;
    const double sineTerm = a1 * b2 - b1 * a2;
    if (chromaProduct == 0 || (sineTerm == 0 && cosineTerm < 0)) {
        const double plain = ciede2000(one.lab, other.lab);
        return plain * plain;
    }

    const double deltaC = cPrime2 - cPrime1;
    // 2 sqrt(C'1 C'2) sin(dh/2), with sin(dh/2)^2 = (1 - cos dh) / 2.
    const double deltaH = std::copysign(std::sqrt(std::max(0.0, 2.0 * (chromaProduct - cosineTerm))), sineTerm);
    const double meanCPrime = (cPrime1 + cPrime2) / 2.0;
    const double meanCPrime7 = seventhPower(meanCPrime);
    const double rc = 2.0 * std::sqrt(meanCPrime7 / (meanCPrime7 + Pow25To7));
    const double sc = 1.0 + 0.045 * meanCPrime;
    const double c = deltaC / sc;
    {
        // T is at most 1 + 0.17 + 0.24 + 0.32 + 0.20, and c^2 + h^2 + RT c h
        // at least (1 - |RT| / 2) (c^2 + h^2).
        const double leastH = deltaH / (1.0 + 0.015 * meanCPrime * 1.93);
        const double bound = l * l + (1.0 - 0.5 * MaxSinTwoDeltaTheta * rc) * (c * c + leastH * leastH);
        if (bound > stopAbove)
            return bound;
    }

    // The mean hue bisects the shorter arc between the two hues.
    const double bisectorA = a1 / cPrime1 + a2 / cPrime2;
    const double bisectorB = b1 / cPrime1 + b2 / cPrime2;
    const double bisectorLength = std::sqrt(bisectorA * bisectorA + bisectorB * bisectorB);
    const double cosH = bisectorA / bisectorLength;
    const double sinH = bisectorB / bisectorLength;
    double meanHue = std::atan2(bisectorB, bisectorA) * 180.0 / std::numbers::pi;
    if (meanHue < 0)
        meanHue += 360.0;

    const double cos2H = cosH * cosH - sinH * sinH;
    const double sin2H = 2.0 * sinH * cosH;
    const double cos3H = cosH * (4.0 * cosH * cosH - 3.0);
    const double sin3H = sinH * (3.0 - 4.0 * sinH * sinH);
    const double cos4H = cos2H * cos2H - sin2H * sin2H;
    const double sin4H = 2.0 * sin2H * cos2H;
    static const double Cos30 = std::cos(radians(30)), Sin30 = std::sin(radians(30));
    static const double Cos6 = std::cos(radians(6)), Sin6 = std::sin(radians(6));
    static const double Cos63 = std::cos(radians(63)), Sin63 = std::sin(radians(63));
    const double t = 1.0 - 0.17 * (cosH * Cos30 + sinH * Sin30) + 0.24 * cos2H
                   + 0.32 * (cos3H * Cos6 - sin3H * Sin6) - 0.20 * (cos4H * Cos63 + sin4H * Sin63);

    const double deltaTheta = 30.0 * std::exp(-std::pow((meanHue - 275.0) / 25.0, 2.0));
    const double sh = 1.0 + 0.015 * meanCPrime * t;
    const double rt = -std::sin(radians(2.0 * deltaTheta)) * rc;
    const double h = deltaH / sh;
    return l * l + c * c + h * h + rt * c * h;
}

} // namespace tessaly::pattern
