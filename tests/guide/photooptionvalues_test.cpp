// How the command line reads the photo options' values: columns by rows,
// for --wall and --panel alike, and the methods' names.

#include "guide/photooptionvalues.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace tessaly {
namespace {

struct ColumnsByRowsCase
{
    const char *text;
    std::optional<ColumnsByRows> expected;
};

class ColumnsByRowsTest : public testing::TestWithParam<ColumnsByRowsCase> {};

TEST_P(ColumnsByRowsTest, ReadsBothSidesOrNothing)
{
    const auto &[text, expected] = GetParam();
    const auto read = columnsByRowsFromText(QString::fromUtf8(text));
    ASSERT_EQ(read.has_value(), expected.has_value()) << text;
    if (expected) {
        EXPECT_EQ(read->columns, expected->columns) << text;
        EXPECT_EQ(read->rows, expected->rows) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColumnsByRowsTest,
    testing::Values(ColumnsByRowsCase{"40x30", ColumnsByRows{40, 30}}, ColumnsByRowsCase{"40X30", ColumnsByRows{40, 30}},
                    ColumnsByRowsCase{"40\u00D730", ColumnsByRows{40, 30}},
                    ColumnsByRowsCase{" 7 x 2 ", ColumnsByRows{7, 2}}, ColumnsByRowsCase{"0x5", ColumnsByRows{0, 5}},
                    ColumnsByRowsCase{"40", std::nullopt}, ColumnsByRowsCase{"40x", std::nullopt},
                    ColumnsByRowsCase{"x30", std::nullopt}, ColumnsByRowsCase{"-4x3", std::nullopt},
                    ColumnsByRowsCase{"+4x3", std::nullopt}, ColumnsByRowsCase{"4.5x3", std::nullopt},
                    ColumnsByRowsCase{"4x3x2", std::nullopt}, ColumnsByRowsCase{"4*3", std::nullopt},
                    ColumnsByRowsCase{"", std::nullopt},
                    // More digits than a long long holds.
                    ColumnsByRowsCase{"99999999999999999999x1", std::nullopt}));

TEST(WallSizeFromText, TakesEveryWritingOfTheSizeTheLimitAllows)
{
    for (const char *text : {"40x30", "40\u00D730", " 40 X 30"}) {
        const auto wall = wallSizeFromText(QString::fromUtf8(text));
        ASSERT_TRUE(wall.value) << text << ": " << wall.error.toStdString();
        EXPECT_EQ(wall.value->columns, 40);
        EXPECT_EQ(wall.value->rows, 30);
    }
    EXPECT_TRUE(wallSizeFromText(QStringLiteral("1000x1000")).value);
    EXPECT_TRUE(wallSizeFromText(QStringLiteral("1000000x1")).value);
}

TEST(WallSizeFromText, RefusesEmptyAndOversizedWallsSayingWhy)
{
    EXPECT_TRUE(wallSizeFromText(QStringLiteral("0x30")).error.contains(QStringLiteral("each at least 1")));
    EXPECT_TRUE(wallSizeFromText(QStringLiteral("1001x1000")).error.contains(QStringLiteral("at most 1000000 cubes")));
    // A side past the limit alone, whose product with the other would overflow.
    EXPECT_TRUE(wallSizeFromText(QStringLiteral("4000000000x4000000000"))
                    .error.contains(QStringLiteral("at most 1000000 cubes")));
}

TEST(MethodNamed, TakesEachNameInAnyCaseAndTheAmericanSpelling)
{
    const std::pair<const char *, pattern::Method> named[] = {
        {"optimised", pattern::Method::Optimised}, {"Optimized", pattern::Method::Optimised},
        {"NEAREST", pattern::Method::Nearest},     {"ordered", pattern::Method::Ordered},
        {"diffusion", pattern::Method::Diffusion}, {"Atkinson", pattern::Method::Atkinson},
        {"exact", pattern::Method::Exact},
    };
    for (const auto &[name, method] : named) {
        const auto read = methodNamed(QString::fromUtf8(name));
        ASSERT_TRUE(read.value) << name;
        EXPECT_EQ(*read.value, method) << name;
    }
    for (const char *name : {"optimise", "best", ""})
        EXPECT_TRUE(methodNamed(QString::fromUtf8(name)).error.startsWith(QStringLiteral("Invalid method"))) << name;
}

} // namespace
} // namespace tessaly
