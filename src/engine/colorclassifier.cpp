#include "engine/colorclassifier.h"

#include "engine/module1.h"
#include "engine/palette.h"

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

} // namespace tessaly
