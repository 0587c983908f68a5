#include "engine/generationrun.h"
#include "support/scriptedhost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::test {
namespace {

constexpr Color Blue = rgbColor(0, 0, 255);
constexpr Color White = rgbColor(255, 255, 255);
constexpr Color Black = 0;

// The built-in sample picture's size; black classifies as blue, and a
// sample outside the picture reads as white.
ScriptedHost blackPicture(int width = 208, int height = 183)
{
    return ScriptedHost(width, height, flatPicture(Black));
}

void expectBox(const DrawnBox &box, float x1, float y1, float x2, float y2, Color color)
{
    EXPECT_FLOAT_EQ(box.x1, x1);
    EXPECT_FLOAT_EQ(box.y1, y1);
    EXPECT_FLOAT_EQ(box.x2, x2);
    EXPECT_FLOAT_EQ(box.y2, y2);
    EXPECT_EQ(box.color, color);
}

TEST(GenerationRun, DefaultsOnTheSamplePictureSize)
{
    ScriptedHost host = blackPicture();
    EXPECT_EQ(generate(host), 1);

    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(host.cells.size(), 105u * 92u);
    EXPECT_EQ(host.frames.size(), 1020u);
    EXPECT_EQ(host.yields, 9752);
    expectBox(host.cells.front(), 8, 8, 11, 11, Blue);
    expectBox(host.frames.front(), 8, 8, 20, 20, Black);
    expectBox(host.frames.back(), 404, 356, 416, 368, Black);
    expectBox(host.cells.back(), 4 * 104 + 8, 4 * 91 + 8, 4 * 104 + 11, 4 * 91 + 11, White);
    for (int j = 0; j < 92; ++j) {
        EXPECT_EQ(host.cells[std::size_t(j * 105 + 103)].color, Blue) << "row " << j;
        EXPECT_EQ(host.cells[std::size_t(j * 105 + 104)].color, White) << "x = 208 lies outside, row " << j;
    }
    EXPECT_TRUE(host.countFieldsEnabled);
}

TEST(GenerationRun, CallsComeInTheirOrder)
{
    ScriptedHost host = blackPicture();
    generate(host);
    const std::vector<std::string> opening(host.calls.begin(), host.calls.begin() + 7);
    EXPECT_EQ(opening, (std::vector<std::string>{"clear", "disable", "yield", "cell", "yield", "cell", "yield"}));
    EXPECT_EQ(host.calls.back(), "enable");
    // The first frame follows cell (3, 3) and comes before that cell's yield.
    const std::size_t cellsBefore = 3 * 105 + 3; // cells before (3, 3)
    std::size_t cells = 0;
    for (std::size_t k = 0; k < host.calls.size(); ++k) {
        if (host.calls[k] == "frame") {
            EXPECT_EQ(cells, cellsBefore + 1);
            EXPECT_EQ(host.calls[k - 1], "cell");
            EXPECT_EQ(host.calls[k + 1], "yield");
            break;
        }
        cells += host.calls[k] == "cell";
    }
}

TEST(GenerationRun, CountsSetStepsNotTheGrid)
{
    // 104 divides 208 exactly: one more column than the count, on the edge.
    ScriptedHost host = blackPicture();
    host.columnText = "104";
    host.rowText = "92";
    EXPECT_EQ(generate(host), 2);
    ASSERT_EQ(host.cells.size(), 105u * 92u);
    expectBox(host.cells[0], 4, 4, 5.5f, 5.5f, Blue);
    expectBox(host.cells[1], 6, 4, 7.5f, 5.5f, Blue);
    expectBox(host.frames.front(), 4, 4, 10, 10, Black);
}

TEST(GenerationRun, CountsEqualToThePictureSizeAreAccepted)
{
    ScriptedHost host = blackPicture();
    host.columnText = "208";
    host.rowText = "183";
    EXPECT_EQ(generate(host), 3);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.cells.size(), 209u * 184u);
}

struct ScaleCase
{
    const char *columns;
    const char *rows;
    std::int16_t divisor;
};

class ScaleDivisors : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(ScaleDivisors, FollowTheLargerCount)
{
    const ScaleCase scale = GetParam();
    ScriptedHost host = blackPicture(1000, 1000);
    host.columnText = scale.columns;
    host.rowText = scale.rows;
    EXPECT_EQ(generate(host, 7), scale.divisor);
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(GenerationRun, ScaleDivisors,
                         ::testing::Values(ScaleCase{"100", "1", 1}, ScaleCase{"101", "1", 2},
                                           ScaleCase{"199", "1", 2}, ScaleCase{"200", "1", 3},
                                           ScaleCase{"299", "1", 3}, ScaleCase{"300", "1", 4},
                                           ScaleCase{"1", "150", 2}, ScaleCase{"50", "-5", 1},
                                           ScaleCase{"100.5", "1", 1}, ScaleCase{"99", "200", 3}));

TEST(GenerationRun, RowStepsRoundHalfToEven)
{
    // Height 183: 2 rows give step 92 (91.5 to even), 3 rows give step 61
    // and a fourth row at y = 183, outside the picture.
    const auto byRow = [](int, int y) { return y < 92 ? Black : rgbColor(255, 255, 0); };
    ScriptedHost two(208, 183, byRow);
    two.columnText = "1"; // one column step of 208: x = 0 and x = 208
    two.rowText = "2";
    generate(two);
    ASSERT_EQ(two.cells.size(), 4u);
    EXPECT_EQ(two.cells[0].color, Blue);
    EXPECT_EQ(two.cells[2].color, rgbColor(255, 255, 0)) << "second row samples y = 92";

    ScriptedHost three = blackPicture();
    three.columnText = "1";
    three.rowText = "3";
    generate(three);
    ASSERT_EQ(three.cells.size(), 8u);
    EXPECT_EQ(three.cells[4].color, Blue);
    EXPECT_EQ(three.cells[6].color, White) << "fourth row samples y = 183, outside";
}

TEST(GenerationRun, SizeCheckIsInSinglePrecision)
{
    ScriptedHost close = blackPicture();
    close.columnText = "208.000001";
    generate(close);
    EXPECT_TRUE(close.messages.empty());
    EXPECT_FALSE(close.cells.empty());

    ScriptedHost beyond = blackPicture();
    beyond.columnText = "208.0001";
    generate(beyond);
    EXPECT_EQ(beyond.messages, std::vector<std::string>{RunMessage::CountsExceedPicture});
}

TEST(GenerationRun, RefusedRunLeavesABlankCanvasAndTheFieldsAlone)
{
    ScriptedHost host = blackPicture();
    host.rowText = "184";
    generate(host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"clear", "error"}));
    EXPECT_EQ(host.messages, std::vector<std::string>{RunMessage::CountsExceedPicture});

    host.rowText = "99";
    generate(host);
    EXPECT_EQ(host.cells.size(), 105u * 92u);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(GenerationRun, NegativeCountsDrawNothingWithoutAMessage)
{
    ScriptedHost rows = blackPicture();
    rows.rowText = "-365"; // step -1: no row at all
    generate(rows);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"clear", "disable", "enable"}));

    ScriptedHost columns = blackPicture();
    columns.columnText = "-5";
    generate(columns);
    EXPECT_TRUE(columns.cells.empty());
    EXPECT_TRUE(columns.messages.empty());
    EXPECT_EQ(columns.yields, 92) << "every row still starts and yields";
    EXPECT_TRUE(columns.countFieldsEnabled);
}

TEST(GenerationRun, FramesNeedFourColumnsAndFourRows)
{
    ScriptedHost three = blackPicture();
    three.columnText = "2"; // step 104: x = 0, 104, 208
    generate(three);
    EXPECT_EQ(three.cells.size(), 3u * 92u);
    EXPECT_TRUE(three.frames.empty());

    ScriptedHost four = blackPicture();
    four.columnText = "3"; // step 69: x = 0, 69, 138, 207
    generate(four);
    EXPECT_EQ(four.cells.size(), 4u * 92u);
    EXPECT_EQ(four.frames.size(), 30u);

    ScriptedHost twoRows = blackPicture();
    twoRows.rowText = "2";
    generate(twoRows);
    EXPECT_TRUE(twoRows.frames.empty());
}

struct InvalidCounts
{
    const char *columns;
    const char *rows;
    int width;
};

class InvalidCountsAreRefused : public ::testing::TestWithParam<InvalidCounts>
{
};

TEST_P(InvalidCountsAreRefused, BeforeTheFieldsAreDisabled)
{
    const InvalidCounts counts = GetParam();
    ScriptedHost host = blackPicture(counts.width, 183);
    host.columnText = counts.columns;
    host.rowText = counts.rows;
    generate(host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"clear", "error"}));
    EXPECT_EQ(host.messages, std::vector<std::string>{RunMessage::CountsInvalid});
    EXPECT_TRUE(host.countFieldsEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    GenerationRun, InvalidCountsAreRefused,
    ::testing::Values(InvalidCounts{"99", "", 208},        // row reads as 0
                      InvalidCounts{"", "99", 208},        // column reads as 0
                      InvalidCounts{"abc", "99", 208},     //
                      InvalidCounts{"99", "0", 208},       //
                      InvalidCounts{"99", "-40000", 208},  // row beyond 16 bits
                      InvalidCounts{"35000", "1", 40000},  // column beyond 16 bits
                      InvalidCounts{"99", "1e-9", 208},    // row step beyond 32 bits
                      InvalidCounts{"1e-9", "99", 208},    // column step beyond 32 bits
                      InvalidCounts{"99", "-366", 208},    // row step 0
                      InvalidCounts{"-416", "99", 208},    // column step 0
                      InvalidCounts{"99", "-1e999", 208})); // minus infinity

TEST(GenerationRun, ColumnStepThatFailsAtALaterRowEndsTheRunThere)
{
    ScriptedHost host = blackPicture();
    host.onYield = [&host](int yield) {
        if (yield == 50)
            host.columnText = "0";
    };
    generate(host);
    EXPECT_EQ(host.cells.size(), 105u) << "the first row was drawn and stays";
    EXPECT_EQ(host.messages, std::vector<std::string>{RunMessage::CountsInvalid});
    EXPECT_EQ(host.calls.back(), "enable");
}

TEST(GenerationRun, OutOfRangeToleranceStopsTheRunAtThatSample)
{
    ScriptedHost first = blackPicture();
    first.toleranceTexts[0] = "1e10";
    generate(first);
    EXPECT_EQ(first.calls, (std::vector<std::string>{"clear", "disable", "yield", "error", "enable"}));
    EXPECT_EQ(first.messages, std::vector<std::string>{RunMessage::ToleranceInvalid});

    ScriptedHost later = blackPicture();
    later.onYield = [&later](int yield) {
        if (yield == 30)
            later.toleranceTexts[0] = "-3e9";
    };
    generate(later);
    EXPECT_EQ(later.cells.size(), 29u) << "what was drawn stays";
    EXPECT_EQ(later.messages, std::vector<std::string>{RunMessage::ToleranceInvalid});
    EXPECT_TRUE(later.countFieldsEnabled);
}

TEST(GenerationRun, ToleranceThatIsNeverReachedIsNoError)
{
    // Column step 3 keeps every sample inside the black picture, which
    // matches blue; white's test is never reached.
    ScriptedHost host = blackPicture();
    host.columnText = "70";
    host.toleranceTexts[5] = "1e10";
    generate(host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.cells.size(), 70u * 92u);
}

TEST(GenerationRun, ToleranceEditedInAYieldAppliesFromTheNextSample)
{
    ScriptedHost host = blackPicture();
    host.onYield = [&host](int yield) {
        if (yield == 11) // after the tenth cell
            host.toleranceTexts[4] = "-1";
    };
    generate(host);
    EXPECT_EQ(host.cells[9].color, Blue);
    EXPECT_EQ(host.cells[10].color, Black) << "black matches nothing once blue's tolerance is negative";
}

TEST(GenerationRun, NestedRunInsideAYield)
{
    ScriptedHost host = blackPicture();
    std::int16_t scaleDivisor = 0; // the window's, shared by both runs
    bool nested = false;
    host.onYield = [&](int yield) {
        if (yield == 20 && !nested) { // after 19 cells of the first row
            nested = true;
            host.columnText = "104";
            host.rowText = "92";
            generateMosaic(host, StandardPalette, scaleDivisor);
            EXPECT_TRUE(host.countFieldsEnabled) << "the nested run enables the fields at its end";
        }
    };
    generateMosaic(host, StandardPalette, scaleDivisor);
    EXPECT_EQ(scaleDivisor, 2) << "the divisor is shared";
    EXPECT_EQ(host.clears, 2);
    // The nested run's whole mosaic, then the first run's remaining cells,
    // drawn at the divisor that the nested run left.
    ASSERT_EQ(host.cells.size(), 105u * 92u + (105u * 92u - 19u));
    expectBox(host.cells[105 * 92], 2 * 19 + 4, 4, 2 * 19 + 5.5f, 5.5f, Blue);
    EXPECT_TRUE(host.countFieldsEnabled);
    EXPECT_EQ(host.calls.back(), "enable");
}

TEST(GenerationRun, WiderPictureDroppedDuringARunIsSampled)
{
    ScriptedHost host = blackPicture();
    host.onYield = [&host](int yield) {
        if (yield == 50)
            host.setPicture(1000, 183, flatPicture(rgbColor(255, 255, 0)));
    };
    generate(host);
    // Row 0 at step 2 over 208; later rows at step round(1000 / 99) = 10.
    EXPECT_EQ(host.cells.size(), 105u + 91u * 101u);
    EXPECT_EQ(host.cells[48].color, Blue);
    EXPECT_EQ(host.cells[49].color, rgbColor(255, 255, 0)) << "sampled from the new picture at once";
    EXPECT_TRUE(host.messages.empty());
}

TEST(GenerationRun, ClosedWindowEndsTheRunWithoutTouchingIt)
{
    ScriptedHost host = blackPicture();
    host.onYield = [&host](int yield) {
        if (yield == 100)
            host.closed = true;
    };
    generate(host);
    EXPECT_EQ(host.calls.back(), "yield");
    EXPECT_FALSE(host.countFieldsEnabled);
    EXPECT_EQ(host.yields, 100);

    // Closed inside a nested run: both runs end.
    ScriptedHost outer = blackPicture();
    bool nested = false;
    outer.onYield = [&](int yield) {
        if (yield == 10 && !nested) {
            nested = true;
            generate(outer);
        }
        if (yield == 60)
            outer.closed = true;
    };
    generate(outer);
    EXPECT_EQ(outer.yields, 60);
    EXPECT_EQ(outer.calls.back(), "yield");
}

} // namespace
} // namespace tessaly::test
