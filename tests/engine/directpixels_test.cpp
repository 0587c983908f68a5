// The run on a host that hands it plain pixels must leave the canvas and
// report the cells exactly as it does through the per-cell calls, and must
// see every change made inside a yield that handled events from the next
// sample on.

#include "engine/generationrun.h"
#include "support/pixelhost.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::test {
namespace {

constexpr Color Black = 0;
constexpr Color Blue = rgbColor(0, 0, 255);
constexpr Color Yellow = rgbColor(255, 255, 0);

// Colours that reach every palette index under the default tolerances.
Color varied(int x, int y)
{
    return rgbColor((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF);
}

enum class Script { None, ToleranceEdited, PictureDropped, NestedRun, CanvasResized, CountChanged };

struct PathCase
{
    const char *name;
    int width, height;
    const char *columns, *rows;
    int canvasWidth, canvasHeight;
    int eventsEvery;
    Script script;
};

// What happens at the 300th yield, one that handles events.
void runScript(PixelHost &host, Script script, std::int16_t &scaleDivisor)
{
    bool done = false;
    host.onYield = [&host, script, &scaleDivisor, done](int yield) mutable {
        if (done || yield < 300)
            return;
        done = true;
        switch (script) {
        case Script::None:
            break;
        case Script::ToleranceEdited:
            host.toleranceTexts[0] = "300";
            host.toleranceTexts[4] = "-1";
            break;
        case Script::PictureDropped:
            host.setPixels(host.sourceScaleWidth() + 37, host.sourceScaleHeight(),
                           [](int x, int y) { return varied(y, x); });
            break;
        case Script::NestedRun:
            host.columnText = "150";
            generateMosaic(host, StandardPalette, scaleDivisor);
            break;
        case Script::CanvasResized:
            host.setCanvasSize(200, 300);
            break;
        case Script::CountChanged:
            host.columnText = "31";
            break;
        }
    };
}

PixelHost runOn(const PathCase &shape, bool direct)
{
    PixelHost host(shape.width, shape.height, direct, shape.canvasWidth, shape.canvasHeight);
    host.setPixels(shape.width, shape.height, varied);
    host.columnText = shape.columns;
    host.rowText = shape.rows;
    host.eventsEvery = shape.eventsEvery;
    std::int16_t scaleDivisor = 0;
    runScript(host, shape.script, scaleDivisor);
    generateMosaic(host, StandardPalette, scaleDivisor);
    return host;
}

class BothPaths : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(BothPaths, LeaveTheSamePixelsAndReportTheSameCells)
{
    const PixelHost direct = runOn(GetParam(), true);
    const PixelHost calls = runOn(GetParam(), false);
    ASSERT_FALSE(direct.reported.empty());
    EXPECT_EQ(direct.reported, calls.reported);
    EXPECT_EQ(direct.messages, calls.messages);
    EXPECT_EQ(direct.yields, calls.yields);
    // Compared whole: a difference in one pixel fails.
    EXPECT_TRUE(direct.canvas() == calls.canvas());
}

INSTANTIATE_TEST_SUITE_P(
    GenerationRun, BothPaths,
    ::testing::Values(PathCase{"Defaults", 208, 183, "99", "99", 437, 437, 1, Script::None},
                      PathCase{"HalfScale", 208, 183, "104", "92", 437, 437, 3, Script::None},
                      PathCase{"ThirdScale", 208, 183, "208", "183", 437, 437, 32, Script::None},
                      PathCase{"TenthScale", 1000, 1000, "999", "999", 437, 437, 32, Script::None},
                      PathCase{"WiderThanTheCanvas", 250, 183, "100", "99", 437, 437, 5, Script::None},
                      // The frame at column 36 starts on the canvas's last pixel columns.
                      PathCase{"SmallCanvas", 208, 183, "99", "99", 143, 90, 1, Script::None},
                      PathCase{"SmallCanvasTenthScale", 1000, 1000, "999", "999", 201, 77, 32, Script::None},
                      PathCase{"ToleranceEdited", 208, 183, "99", "99", 437, 437, 4, Script::ToleranceEdited},
                      PathCase{"PictureDropped", 208, 183, "99", "99", 437, 437, 4, Script::PictureDropped},
                      PathCase{"NestedRun", 400, 400, "99", "99", 437, 437, 4, Script::NestedRun},
                      PathCase{"CanvasResized", 208, 183, "99", "99", 437, 437, 4, Script::CanvasResized},
                      PathCase{"CountChanged", 208, 183, "99", "99", 437, 437, 4, Script::CountChanged}),
    [](const auto &info) { return std::string(info.param.name); });

struct YieldCase
{
    int eventsEvery;
    int yield; // handles events, after cell yield - 1 of the first row
};

class ChangeInsideAYield : public ::testing::TestWithParam<YieldCase>
{
protected:
    // The run on a black picture, which classifies as blue, with the script
    // run at the given yield.
    void runWith(PixelHost &host, const std::function<void()> &change)
    {
        const YieldCase when = GetParam();
        host.eventsEvery = when.eventsEvery;
        host.onYield = [&change, when](int yield) {
            if (yield == when.yield)
                change();
        };
        generate(host);
    }

    // The first row's cell k was classified and drawn as the colour.
    void expectCell(const PixelHost &host, int k, std::int16_t paletteIndex, Color color)
    {
        ASSERT_LT(std::size_t(k), host.reported.size());
        EXPECT_EQ(host.reported[std::size_t(k)], (ReportedCell{k, 0, paletteIndex})) << "cell " << k;
        EXPECT_EQ(host.canvasColor(4 * k + 9, 9), color) << "cell " << k;
    }
};

TEST_P(ChangeInsideAYield, ToleranceAppliesFromTheNextSample)
{
    PixelHost host(208, 183, true);
    runWith(host, [&host] { host.toleranceTexts[4] = "-1"; });
    const int lastBefore = GetParam().yield - 2;
    expectCell(host, lastBefore, PaletteIndex::Blue, Blue);
    expectCell(host, lastBefore + 1, PaletteIndex::Black, Black);
    expectCell(host, 104, PaletteIndex::White, StandardPalette[PaletteIndex::White]);
}

TEST_P(ChangeInsideAYield, DroppedPictureIsSampledFromTheNextSample)
{
    PixelHost host(208, 183, true);
    runWith(host, [&host] { host.setPixels(1000, 183, flatPicture(Yellow)); });
    const int lastBefore = GetParam().yield - 2;
    expectCell(host, lastBefore, PaletteIndex::Blue, Blue);
    expectCell(host, lastBefore + 1, PaletteIndex::Yellow, Yellow);
    // Later rows step over the new width: round(1000 / 99) = 10.
    EXPECT_EQ(host.reported.size(), 105u + 91u * 101u);
}

INSTANTIATE_TEST_SUITE_P(GenerationRun, ChangeInsideAYield,
                         ::testing::Values(YieldCase{1, 2}, YieldCase{1, 11}, YieldCase{4, 40},
                                           YieldCase{32, 64}));

} // namespace
} // namespace tessaly::test
