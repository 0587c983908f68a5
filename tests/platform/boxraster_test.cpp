#include "platform/boxraster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessaly {
namespace {

constexpr float Nan = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

struct SpanCase
{
    float c1, c2;
    int extent;
    std::optional<PixelSpan> filled;
    OutlineAxis outline;
};

class AxisRaster : public ::testing::TestWithParam<SpanCase>
{
};

TEST_P(AxisRaster, CoversTheExpectedPixels)
{
    const SpanCase axis = GetParam();
    EXPECT_EQ(filledSpan(axis.c1, axis.c2, axis.extent), axis.filled);
    EXPECT_EQ(outlineAxis(axis.c1, axis.c2, axis.extent), axis.outline);
}

INSTANTIATE_TEST_SUITE_P(
    BoxRaster, AxisRaster,
    ::testing::Values(
        SpanCase{2, 5, 10, PixelSpan{2, 5}, {PixelSpan{2, 5}, 2, 5}},
        SpanCase{5, 2, 10, PixelSpan{2, 5}, {PixelSpan{2, 5}, 2, 5}},          // either order
        SpanCase{0.8f, 1.1f, 10, PixelSpan{1, 1}, {PixelSpan{1, 2}, 1, 2}},    // fractional
        SpanCase{1.2f, 1.5f, 10, std::nullopt, {PixelSpan{2, 2}, 2, 2}},       // no whole pixel inside
        SpanCase{-3, 4, 10, PixelSpan{0, 4}, {PixelSpan{0, 4}, std::nullopt, 4}}, // clipped low
        SpanCase{8, 12, 10, PixelSpan{8, 9}, {PixelSpan{8, 9}, 8, std::nullopt}}, // clipped high
        SpanCase{-Infinity, Infinity, 10, PixelSpan{0, 9}, {PixelSpan{0, 9}, std::nullopt, std::nullopt}},
        SpanCase{3, 4, 0, std::nullopt, {}},                                      // empty extent
        SpanCase{Nan, 4, 10, std::nullopt, {}},
        SpanCase{4, Nan, 10, std::nullopt, {}}));

} // namespace
} // namespace tessaly
