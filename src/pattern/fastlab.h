#pragma once

#include "pattern/colourscience.h"
#include "pattern/fastciede2000.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// CIELAB in float, four values at a time where it counts: the likeness
// optimiser converts millions of blurred colours, and float precision is
// plenty to compare them.
namespace tessaly::pattern::fastlab {

// D65 white, as the Lab conversion divides by it.
constexpr float WhiteX = 0.95047f;
constexpr float WhiteZ = 1.08883f;

// The cube root for Lab's curve: a guess from the float's exponent, then two
// Newton steps (relative error under 1e-6 for the 1e-5 to 2 that blurred
// colours span).
inline float cubeRoot(float t)
{
    float y = std::bit_cast<float>(std::bit_cast<std::uint32_t>(t) / 3 + 0x2a514067u);
    y = (2.0f * y + t / (y * y)) * (1.0f / 3.0f);
    y = (2.0f * y + t / (y * y)) * (1.0f / 3.0f);
    return y;
}

// Lab's curve, with its straight part near black.
inline float labCurve(float t)
{
    const float root = cubeRoot(t > 1e-6f ? t : 1e-6f);
    return t > 0.008856f ? root : 7.787f * t + 16.0f / 116.0f;
}

// Four floats worked on at once.
using Float4 = float __attribute__((vector_size(16)));
using UInt4 = std::uint32_t __attribute__((vector_size(16)));

inline Float4 splat(float value)
{
    return Float4{value, value, value, value};
}

inline Float4 load(const float *values)
{
    Float4 loaded;
    std::memcpy(&loaded, values, sizeof loaded);
    return loaded;
}

inline Float4 squareRoot4(Float4 q)
{
    q = q > 0.0f ? q : 0.0f;
#if defined(__SSE2__)
    return _mm_sqrt_ps(q);
#else
    return Float4{std::sqrt(q[0]), std::sqrt(q[1]), std::sqrt(q[2]), std::sqrt(q[3])};
#endif
}

// labCurve on four values.
inline Float4 labCurve4(Float4 t)
{
    const Float4 positive = t > 1e-6f ? t : 1e-6f;
    Float4 y = (Float4)((UInt4)positive / 3u + 0x2a514067u);
    y = (2.0f * y + positive / (y * y)) * (1.0f / 3.0f);
    y = (2.0f * y + positive / (y * y)) * (1.0f / 3.0f);
    return t > 0.008856f ? y : 7.787f * t + 16.0f / 116.0f;
}

inline Lab labOf(const Xyz &xyz)
{
    const float fx = labCurve(float(xyz.x) * (1.0f / WhiteX));
    const float fy = labCurve(float(xyz.y));
    const float fz = labCurve(float(xyz.z) * (1.0f / WhiteZ));
    return {116.0 * fy - 16.0, 500.0 * (double(fx) - fy), 200.0 * (double(fy) - fz)};
}

// CIEDE2000 through its faster formulation.
inline float ciede2000(const Lab &one, const Lab &other)
{
    return float(std::sqrt(squaredCiede2000(chromaLab(one), chromaLab(other))));
}

} // namespace tessaly::pattern::fastlab
