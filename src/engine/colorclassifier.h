#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly {

// The six tolerance fields Text3(0) to Text3(5), as their texts read at one
// moment: each the field's number converted to a 32-bit whole number, or
// empty when that number lies outside the 32-bit range.
using Tolerances = std::array<std::optional<std::int32_t>, 6>;

// The tolerance field that governs each cube colour.
namespace ToleranceField {
constexpr int Orange = 0;
constexpr int Yellow = 1;
constexpr int Red = 2;
constexpr int Green = 3;
constexpr int Blue = 4;
constexpr int White = 5;
} // namespace ToleranceField

// Classifies one sample by its blue, green and red bytes (0 to 255): the
// palette index of the first reference colour, tested in the order orange,
// yellow, green, red, blue, white, that lies within its field's tolerance;
// black (6) when none does. The first one near enough wins, not the nearest.
//
// Sets index and returns true when it completes. Returns false, leaving index
// as it was, when a test is reached whose tolerance is out of range; the
// tolerances of tests that are not reached are never looked at.
bool ClassifyColor(std::int16_t blue, std::int16_t green, std::int16_t red,
                   std::int16_t &index, const Tolerances &tolerances);

// ClassifyColor for many samples under the same tolerances: each tolerance
// is turned into its squared-distance bound once (IsNearColor's t * (t + 1)),
// and a sample is tested against all six references at once, without a
// branch per test, which a picture's ever-changing colours would mispredict.
// Gives ClassifyColor's answer for every sample and set of tolerances.
class ColorClassifier
{
public:
    explicit ColorClassifier(const Tolerances &tolerances);

    // The palette index of the sample with the red, green and blue bytes
    // (0 to 255); empty when the first test that would decide it has a
    // tolerance out of range, ClassifyColor's failure.
    std::optional<std::int16_t> classify(int red, int green, int blue) const
    {
        // The first test that matches or cannot be read decides; with none,
        // the sample is black.
        const unsigned decided = nearTests(red, green, blue) | m_unreadable | (1u << TestCount);
        const int first = std::countr_zero(decided);
        if ((m_unreadable >> first) & 1u)
            return std::nullopt;
        return m_index[std::size_t(first)];
    }

private:
    static constexpr unsigned TestCount = 6;
    // Tests in groups of four, the last group padded with tests that never
    // match.
    static constexpr unsigned Lanes = 8;

    // Bit per test whose reference lies within its bound of the sample.
    unsigned nearTests(int red, int green, int blue) const
    {
#if defined(__SSE2__)
        // Each 32-bit lane holds one test: the red and green differences as
        // two 16-bit halves, which one multiply-add squares and sums, and
        // the blue difference beside a 0.
        const __m128i redGreen = _mm_set1_epi32((green << 16) | red);
        const __m128i blueZero = _mm_set1_epi32(blue);
        unsigned near = 0;
        for (unsigned group = 0; group < Lanes / 4; ++group) {
            const __m128i rg = _mm_sub_epi16(redGreen, m_referenceRedGreen[group]);
            const __m128i b = _mm_sub_epi16(blueZero, m_referenceBlue[group]);
            const __m128i distance = _mm_add_epi32(_mm_madd_epi16(rg, rg), _mm_madd_epi16(b, b));
            const __m128i far = _mm_cmpgt_epi32(distance, m_bound[group]);
            near |= (~unsigned(_mm_movemask_ps(_mm_castsi128_ps(far))) & 0xFu) << (4 * group);
        }
        return near;
#else
        unsigned near = 0;
        for (unsigned test = 0; test < TestCount; ++test) {
            const std::int32_t dr = red - m_red[test];
            const std::int32_t dg = green - m_green[test];
            const std::int32_t db = blue - m_blue[test];
            near |= unsigned(dr * dr + dg * dg + db * db <= m_boundOf[test]) << test;
        }
        return near;
#endif
    }

#if defined(__SSE2__)
    // Plain arrays: std::array would drop the vector type's alignment.
    __m128i m_referenceRedGreen[Lanes / 4]{};
    __m128i m_referenceBlue[Lanes / 4]{};
    __m128i m_bound[Lanes / 4]{};
#else
    std::array<std::int32_t, TestCount> m_red{};
    std::array<std::int32_t, TestCount> m_green{};
    std::array<std::int32_t, TestCount> m_blue{};
    std::array<std::int32_t, TestCount> m_boundOf{};
#endif
    // Bit per test whose tolerance is out of range.
    unsigned m_unreadable = 0;
    // The palette index each test gives, and black after the last.
    std::array<std::int16_t, TestCount + 1> m_index{};
};

} // namespace tessaly
