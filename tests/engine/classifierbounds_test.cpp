// ColorClassifier, the run's form of ClassifyColor, must give ClassifyColor's
// answer, its failure included, for every sample under every kind of
// tolerance.

#include "engine/colorclassifier.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaly {
namespace {

struct ToleranceCase
{
    const char *name;
    Tolerances tolerances;
};

constexpr std::optional<std::int32_t> OutOfRange = std::nullopt;
constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();

class BoundsForm : public ::testing::TestWithParam<ToleranceCase>
{
};

TEST_P(BoundsForm, AgreesWithClassifyColorAcrossTheColourCube)
{
    const Tolerances &tolerances = GetParam().tolerances;
    const ColorClassifier classifier(tolerances);
    // Steps of 3 reach 0 and 255 in every channel; the extra values sit on
    // the defaults' boundaries (151, 88, 4 against 163, 128, 63).
    for (int red = 0; red < 256; red += 3) {
        for (int green = 0; green < 256; green += 3) {
            for (int blue : {0, 3, 4, 63, 64, 126, 127, 128, 129, 192, 252, 254, 255}) {
                std::int16_t expected = -1;
                const bool completes = ClassifyColor(std::int16_t(blue), std::int16_t(green), std::int16_t(red),
                                                     expected, tolerances);
                const auto actual = classifier.classify(red, green, blue);
                ASSERT_EQ(actual.has_value(), completes) << red << ", " << green << ", " << blue;
                if (completes) {
                    ASSERT_EQ(*actual, expected) << red << ", " << green << ", " << blue;
                }
            }
        }
    }
    for (const auto &[red, green, blue] : {std::array{151, 88, 4}, std::array{163, 128, 63}}) {
        std::int16_t expected = -1;
        ASSERT_EQ(ClassifyColor(std::int16_t(blue), std::int16_t(green), std::int16_t(red), expected, tolerances),
                  classifier.classify(red, green, blue).has_value());
        if (const auto actual = classifier.classify(red, green, blue)) {
            EXPECT_EQ(*actual, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classifier, BoundsForm,
    ::testing::Values(
        ToleranceCase{"Defaults", {111, 190, 220, 220, 260, 250}},
        ToleranceCase{"AllZero", {0, 0, 0, 0, 0, 0}},
        ToleranceCase{"AllNegative", {-1, -5, -100, -1, -2, Largest * -1}},
        ToleranceCase{"OrangeSwallowsAll", {442, 190, 220, 220, 260, 250}},
        ToleranceCase{"HugeTolerances", {Largest, 0, 0, 0, 0, 0}},
        ToleranceCase{"Uneven", {127, 1, 300, 12, 128, 60}},
        ToleranceCase{"WhiteOutOfRange", {111, 190, 220, 220, 260, OutOfRange}},
        ToleranceCase{"OrangeOutOfRange", {OutOfRange, 190, 220, 220, 260, 250}},
        ToleranceCase{"RedOutOfRangeAfterGreen", {50, 50, OutOfRange, 200, 100, 100}},
        ToleranceCase{"OutOfRangeAfterNoMatch", {-1, -1, -1, -1, -1, OutOfRange}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaly
