#pragma once

#include <cstdint>

namespace tessaly::pattern {

// A colour in linear light, sRGB primaries, each channel 0 to 1 (a picture's
// average; outside that range only in the middle of a calculation).
struct LinearRgb
{
    float r = 0;
    float g = 0;
    float b = 0;

    bool operator==(const LinearRgb &) const = default;
};

// An 8-bit sRGB colour as files store it.
struct Srgb8
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Srgb8 &) const = default;
};

// CIE XYZ with D65 white, Y of white 1.
struct Xyz
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// CIELAB under D65.
struct Lab
{
    double l = 0;
    double a = 0;
    double b = 0;
};

// The sRGB transfer curve and its inverse, on values 0 to 1.
double srgbToLinear(double encoded);
double linearToSrgb(double linear);

// An 8-bit sRGB value in linear light, from a table.
float linearOfByte(std::uint8_t encoded);

LinearRgb linearOf(Srgb8 colour);
// Rounded to 8 bits, clamped to 0 to 255.
Srgb8 srgbOf(LinearRgb colour);

Xyz xyzOf(LinearRgb colour);
LinearRgb linearOf(const Xyz &xyz);
Lab labOf(const Xyz &xyz);
Xyz xyzOf(const Lab &lab);
Lab labOf(LinearRgb colour);
// Not clamped: a Lab colour outside the sRGB gamut gives channels outside 0 to 1.
LinearRgb linearOf(const Lab &lab);

// The CIEDE2000 colour difference, kL = kC = kH = 1.
double ciede2000(const Lab &one, const Lab &other);

} // namespace tessaly::pattern
