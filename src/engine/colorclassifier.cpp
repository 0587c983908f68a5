#include "engine/colorclassifier.h"

#include "engine/module1.h"
#include "engine/palette.h"

#include <algorithm>

namespace tessaly {

namespace {

struct ReferenceTest
{
    int red;
    int green;
    int blue;
    int toleranceField;
    std::int16_t paletteIndex;
};

// In test order: the first reference within its tolerance wins. Green comes
// before red, so the fields are not read in the order of their indexes.
constexpr ReferenceTest ReferenceTests[] = {
    {255, 128, 0, ToleranceField::Orange, PaletteIndex::Orange},
    {255, 255, 0, ToleranceField::Yellow, PaletteIndex::Yellow},
    {0, 255, 0, ToleranceField::Green, PaletteIndex::Green},
    {255, 0, 0, ToleranceField::Red, PaletteIndex::Red},
    {0, 0, 255, ToleranceField::Blue, PaletteIndex::Blue},
    {255, 255, 255, ToleranceField::White, PaletteIndex::White},
};

// Blue in the low byte, the reverse of Color; the distance treats the three
// bytes alike, so distances are those of the true colours.
constexpr std::int32_t blueLowValue(int blue, int green, int red)
{
    return blue + 256 * green + 65536 * red;
}

} // namespace

bool ClassifyColor(std::int16_t blue, std::int16_t green, std::int16_t red, std::int16_t &index,
                   const Tolerances &tolerances)
{
    const std::int32_t sample = blueLowValue(blue, green, red);
    for (const ReferenceTest &test : ReferenceTests) {
        const auto &tolerance = tolerances[test.toleranceField];
        if (!tolerance)
            return false;
        const std::int32_t reference = blueLowValue(test.blue, test.green, test.red);
        if (Module1::IsNearColor(sample, reference, *tolerance)) {
            index = test.paletteIndex;
            return true;
        }
    }
    index = PaletteIndex::Black;
    return true;
}

ColorClassifier::ColorClassifier(const Tolerances &tolerances)
{
    // No two colours lie further apart than this squared distance.
    constexpr std::int64_t LargestSquaredDistance = 3 * 255 * 255;
    std::array<std::int32_t, Lanes> red{}, green{}, blue{};
    std::array<std::int32_t, Lanes> bound;
    bound.fill(-1); // never matches
    for (unsigned test = 0; test < TestCount; ++test) {
        const ReferenceTest &reference = ReferenceTests[test];
        red[test] = reference.red;
        green[test] = reference.green;
        blue[test] = reference.blue;
        m_index[test] = reference.paletteIndex;
        const auto &tolerance = tolerances[std::size_t(reference.toleranceField)];
        if (!tolerance) {
            m_unreadable |= 1u << test;
        } else if (*tolerance >= 0) {
            const std::int64_t squared = std::int64_t(*tolerance) * (std::int64_t(*tolerance) + 1);
            bound[test] = std::int32_t(std::min(squared, LargestSquaredDistance));
        }
    }
    m_index[TestCount] = PaletteIndex::Black;

#if defined(__SSE2__)
    for (unsigned group = 0; group < Lanes / 4; ++group) {
        const unsigned t = 4 * group;
        m_referenceRedGreen[group] = _mm_setr_epi16(
            std::int16_t(red[t]), std::int16_t(green[t]), std::int16_t(red[t + 1]), std::int16_t(green[t + 1]),
            std::int16_t(red[t + 2]), std::int16_t(green[t + 2]), std::int16_t(red[t + 3]),
            std::int16_t(green[t + 3]));
        m_referenceBlue[group] = _mm_setr_epi32(blue[t], blue[t + 1], blue[t + 2], blue[t + 3]);
        m_bound[group] = _mm_setr_epi32(bound[t], bound[t + 1], bound[t + 2], bound[t + 3]);
    }
#else
    for (unsigned test = 0; test < TestCount; ++test) {
        m_red[test] = red[test];
        m_green[test] = green[test];
        m_blue[test] = blue[test];
        m_boundOf[test] = bound[test];
    }
#endif
}

} // namespace tessaly
