#include "engine/colorclassifier.h"
#include "engine/module1.h"
#include "engine/palette.h"
#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace tessaly {
namespace {

Tolerances tolerancesFromTexts(const std::array<std::string, 6> &texts)
{
    Tolerances tolerances;
    for (std::size_t field = 0; field < texts.size(); ++field)
        tolerances[field] = toInt32(readNumber(texts[field]));
    return tolerances;
}

const Tolerances DefaultTolerances = tolerancesFromTexts({"111", "190", "220", "220", "260", "250"});

std::int16_t classify(int red, int green, int blue, const Tolerances &tolerances = DefaultTolerances)
{
    std::int16_t index = -1;
    EXPECT_TRUE(ClassifyColor(std::int16_t(blue), std::int16_t(green), std::int16_t(red), index, tolerances));
    return index;
}

// A sample, its rounded distances to orange, yellow, green, red, blue and
// white, and the palette index it classifies to under the default tolerances.
struct WorkedExample
{
    int red, green, blue;
    std::array<int, 6> distances;
    int index;
};

class WorkedExamples : public ::testing::TestWithParam<WorkedExample>
{
};

TEST_P(WorkedExamples, DistancesAndFirstMatchUnderDefaults)
{
    const WorkedExample example = GetParam();
    const Color sample = rgbColor(example.red, example.green, example.blue);
    const std::array<Color, 6> references = {rgbColor(255, 128, 0), rgbColor(255, 255, 0),
                                             rgbColor(0, 255, 0),   rgbColor(255, 0, 0),
                                             rgbColor(0, 0, 255),   rgbColor(255, 255, 255)};
    for (std::size_t k = 0; k < references.size(); ++k)
        EXPECT_EQ(Module1::ColorDistance(sample, references[k]), example.distances[k]) << "reference " << k;
    EXPECT_EQ(classify(example.red, example.green, example.blue), example.index);
}

INSTANTIATE_TEST_SUITE_P(
    Classifier, WorkedExamples,
    ::testing::Values(WorkedExample{0, 0, 0, {285, 361, 255, 255, 255, 442}, 2},
                      WorkedExample{255, 255, 255, {285, 255, 361, 361, 361, 0}, 3},
                      WorkedExample{128, 128, 128, {180, 221, 221, 221, 221, 220}, 2},
                      WorkedExample{60, 60, 60, {215, 282, 213, 213, 213, 338}, 1},
                      WorkedExample{255, 220, 0, {92, 35, 257, 220, 422, 257}, 4},
                      WorkedExample{255, 60, 0, {68, 195, 321, 60, 366, 321}, 4},
                      WorkedExample{200, 30, 30, {116, 234, 303, 69, 303, 323}, 0},
                      WorkedExample{250, 140, 20, {24, 117, 276, 142, 371, 262}, 4},
                      WorkedExample{151, 88, 4, {111, 197, 225, 136, 306, 319}, 4},
                      WorkedExample{163, 128, 63, {112, 169, 216, 170, 283, 248}, 5}));

TEST(Classifier, EachReferenceColourClassifiesAsItself)
{
    EXPECT_EQ(classify(255, 128, 0), PaletteIndex::Orange);
    EXPECT_EQ(classify(255, 255, 0), PaletteIndex::Yellow);
    EXPECT_EQ(classify(0, 255, 0), PaletteIndex::Green);
    EXPECT_EQ(classify(255, 0, 0), PaletteIndex::Red);
    EXPECT_EQ(classify(0, 0, 255), PaletteIndex::Blue);
    EXPECT_EQ(classify(255, 255, 255), PaletteIndex::White);
}

TEST(Classifier, OrangeToleranceSwallowsYellowAt127AndRedAt128)
{
    auto tolerances = DefaultTolerances;
    tolerances[ToleranceField::Orange] = 127;
    EXPECT_EQ(classify(255, 255, 0, tolerances), PaletteIndex::Orange);
    EXPECT_EQ(classify(255, 0, 0, tolerances), PaletteIndex::Red);
    tolerances[ToleranceField::Orange] = 128;
    EXPECT_EQ(classify(255, 0, 0, tolerances), PaletteIndex::Orange);
}

TEST(Classifier, EmptyFieldsMatchOnlyTheReferencesThemselves)
{
    const Tolerances empty = tolerancesFromTexts({"", "", "", "", "", ""});
    EXPECT_EQ(classify(255, 128, 0, empty), PaletteIndex::Orange);
    EXPECT_EQ(classify(255, 128, 1, empty), PaletteIndex::Black);
    EXPECT_EQ(classify(0, 0, 0, empty), PaletteIndex::Black);
    EXPECT_EQ(classify(255, 255, 255, empty), PaletteIndex::White);
}

TEST(Classifier, NegativeTolerancesNeverMatch)
{
    const Tolerances negative = tolerancesFromTexts({"-1", "-1", "-1", "-1", "-1", "-1"});
    for (const auto &[r, g, b] : {std::array{255, 128, 0}, std::array{255, 255, 255}, std::array{0, 0, 0}})
        EXPECT_EQ(classify(r, g, b, negative), PaletteIndex::Black);
}

TEST(Classifier, Tolerance442MatchesEveryColour)
{
    auto tolerances = DefaultTolerances;
    tolerances[ToleranceField::Orange] = 442;
    for (const auto &[r, g, b] : {std::array{0, 0, 0}, std::array{255, 255, 255}, std::array{0, 0, 255}})
        EXPECT_EQ(classify(r, g, b, tolerances), PaletteIndex::Orange);

    // Black and white lie 441.67 apart, which rounds to 442.
    Tolerances onlyWhite = tolerancesFromTexts({"-1", "-1", "-1", "-1", "-1", "441"});
    EXPECT_EQ(classify(0, 0, 0, onlyWhite), PaletteIndex::Black);
    onlyWhite[ToleranceField::White] = 442;
    EXPECT_EQ(classify(0, 0, 0, onlyWhite), PaletteIndex::White);
}

TEST(Classifier, FractionalTolerancesRoundHalfToEven)
{
    // (151, 88, 4) lies exactly within 111 of orange, (163, 128, 63) just beyond.
    auto tolerances = DefaultTolerances;
    tolerances[ToleranceField::Orange] = toInt32(readNumber("110.5")); // 110
    EXPECT_EQ(classify(151, 88, 4, tolerances), PaletteIndex::Red);
    tolerances[ToleranceField::Orange] = toInt32(readNumber("111.5")); // 112
    EXPECT_EQ(classify(163, 128, 63, tolerances), PaletteIndex::Orange);
}

TEST(Classifier, OutOfRangeToleranceFailsOnlyWhenItsTestIsReached)
{
    auto tolerances = DefaultTolerances;
    tolerances[ToleranceField::White] = std::nullopt;
    // Pure orange matches the first test; white's field is never looked at.
    EXPECT_EQ(classify(255, 128, 0, tolerances), PaletteIndex::Orange);

    tolerances[ToleranceField::Green] = std::nullopt;
    std::int16_t index = 42;
    // Blue is tested after green, so green's field is reached.
    EXPECT_FALSE(ClassifyColor(255, 0, 0, index, tolerances));
    EXPECT_EQ(index, 42) << "the index is set only when classification completes";
}

TEST(Classifier, EveryColourMatchesSomeReferenceUnderDefaults)
{
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; ++green) {
            for (int blue = 0; blue < 256; ++blue) {
                std::int16_t index = -1;
                ClassifyColor(std::int16_t(blue), std::int16_t(green), std::int16_t(red), index, DefaultTolerances);
                if (index == PaletteIndex::Black)
                    FAIL() << "black for " << red << "," << green << "," << blue;
            }
        }
    }
}

TEST(ColourFunctions, SplitColorTakesTheLowThreeBytes)
{
    const auto bytes = Module1::SplitColor(0x7F123456);
    EXPECT_EQ(bytes.Low, 0x56);
    EXPECT_EQ(bytes.Middle, 0x34);
    EXPECT_EQ(bytes.High, 0x12);
}

TEST(ColourFunctions, DistanceIsSymmetricZeroOnItselfAndAtMost442)
{
    const Color colours[] = {0, rgbColor(255, 255, 255), rgbColor(12, 200, 77), rgbColor(255, 0, 128)};
    for (const Color a : colours) {
        EXPECT_EQ(Module1::ColorDistance(a, a), 0);
        for (const Color b : colours) {
            EXPECT_EQ(Module1::ColorDistance(a, b), Module1::ColorDistance(b, a));
            EXPECT_LE(Module1::ColorDistance(a, b), 442);
        }
    }
    EXPECT_EQ(Module1::ColorDistance(0, rgbColor(255, 255, 255)), 442);
}

TEST(ColourFunctions, IsNearColorAgreesWithTheRoundedDistance)
{
    // Every squared distance from 0 to 195,075 that three byte differences
    // can form, against tolerances around every boundary.
    for (int low = 0; low < 256; low += 3) {
        for (int middle = 0; middle < 256; middle += 5) {
            for (int high = 0; high < 256; high += 7) {
                const Color a = rgbColor(low, middle, high);
                const std::int32_t distance = Module1::ColorDistance(a, 0);
                ASSERT_EQ(distance, std::lround(std::sqrt(double(low * low + middle * middle + high * high))));
                for (const int tolerance : {distance - 1, distance, distance + 1, -1, 0, 442}) {
                    ASSERT_EQ(Module1::IsNearColor(a, 0, tolerance), distance <= tolerance)
                        << low << "," << middle << "," << high << " tolerance " << tolerance;
                }
            }
        }
    }
}

} // namespace
} // namespace tessaly
