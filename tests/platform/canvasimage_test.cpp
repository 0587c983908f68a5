#include "platform/canvasimage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

static void PrintTo(const QImage &image, std::ostream *out)
{
    *out << "image " << image.width() << "x" << image.height();
}

namespace tessaly {
namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float FloatMax = std::numeric_limits<float>::max();

const QColor Back(212, 208, 200);
const Color Red = rgbColor(255, 0, 0);
const Color Black = 0;
const QSize CanvasSize(40, 30);

// The pixels of the image that hold the colour.
QRegion pixelsOf(const QImage &image, Color color)
{
    const QRgb rgb = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int runStart = x;
            while (x < image.width() && image.pixel(x, y) == rgb)
                ++x;
            if (x > runStart)
                region += QRect(runStart, y, x - runStart, 1);
        }
    }
    return region;
}

std::string describe(const QRegion &region)
{
    std::string text = "{";
    for (const QRect &rect : region)
        text += " (" + std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " "
                + std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + ")";
    return text + " }";
}

// Regions compare by the pixels they cover; QRegion's own == compares the
// rectangles they happen to be made of.
::testing::AssertionResult samePixels(const char *actualText, const char *expectedText,
                                      const QRegion &actual, const QRegion &expected)
{
    const QRegion difference = actual ^ expected;
    if (difference.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << actualText << " covers " << describe(actual) << "\n"
        << expectedText << " covers " << describe(expected) << "\n"
        << "they differ at " << describe(difference);
}

// The one-pixel outline along columns left and right and rows top and bottom,
// both included, as far as it lies in a canvas of the size.
QRegion outline(int left, int top, int right, int bottom, QSize canvasSize = CanvasSize)
{
    QRegion region;
    region += QRect(QPoint(left, top), QPoint(right, top));
    region += QRect(QPoint(left, bottom), QPoint(right, bottom));
    region += QRect(QPoint(left, top), QPoint(left, bottom));
    region += QRect(QPoint(right, top), QPoint(right, bottom));
    return region & QRect(QPoint(0, 0), canvasSize);
}

struct BoxCase
{
    std::string name;
    float x1, y1, x2, y2;
    QRegion expected;
};

void PrintTo(const BoxCase &box, std::ostream *out)
{
    *out << box.name;
}

std::string caseName(const ::testing::TestParamInfo<BoxCase> &info)
{
    return info.param.name;
}

// Filled boxes: columns ceil(x1)..floor(x2), rows likewise, clipped.
class FillBoxTest : public ::testing::TestWithParam<BoxCase>
{
};

TEST_P(FillBoxTest, CoversExactlyThePixelsInsideTheCorners)
{
    const BoxCase &box = GetParam();
    CanvasImage canvas(CanvasSize, Back);
    canvas.fillBox(box.x1, box.y1, box.x2, box.y2, Red);
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Red), box.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FillBoxTest,
    ::testing::Values(
        BoxCase{"WholeNumberCell", 8, 8, 11, 11, QRect(8, 8, 4, 4)},
        BoxCase{"CornersSwapped", 11, 11, 8, 8, QRect(8, 8, 4, 4)},
        BoxCase{"OnePixel", 5, 5, 5, 5, QRect(5, 5, 1, 1)},
        BoxCase{"HalfPixelFarCorner", 4, 4, 5.5f, 5.5f, QRect(4, 4, 2, 2)},
        BoxCase{"ThirdsHoldOnePixel", 8.f / 3, 8.f / 3, 11.f / 3, 11.f / 3, QRect(3, 3, 1, 1)},
        BoxCase{"NoWholePixelInside", 2.2f, 2.2f, 2.8f, 2.8f, QRegion()},
        BoxCase{"NegativeFractions", -0.5f, -1.5f, 0.5f, 0.5f, QRect(0, 0, 1, 1)},
        BoxCase{"ClippedTopLeft", -5, -5, 2, 2, QRect(0, 0, 3, 3)},
        BoxCase{"ClippedBottomRight", 35, 25, 100, 100, QRect(35, 25, 5, 5)},
        BoxCase{"LastPixel", 39, 29, 39, 29, QRect(39, 29, 1, 1)},
        BoxCase{"JustRightOfImage", 40, 0, 41, 5, QRegion()},
        BoxCase{"JustBelowImage", 0, 30, 5, 31, QRegion()},
        BoxCase{"LeftOfImage", -10, -10, -1, -1, QRegion()},
        BoxCase{"HugeCoversAll", -1e30f, -1e30f, 1e30f, 1e30f, QRect(QPoint(0, 0), CanvasSize)},
        BoxCase{"InfiniteCoversAll", -Inf, -Inf, Inf, Inf, QRect(QPoint(0, 0), CanvasSize)},
        BoxCase{"InfiniteFarCorner", 30, 20, Inf, Inf, QRect(30, 20, 10, 10)},
        BoxCase{"BothCornersInfinite", Inf, Inf, Inf, Inf, QRegion()},
        BoxCase{"FarBeyondIntRange", 3e9f, 0, FloatMax, 5, QRegion()},
        BoxCase{"FarBeforeIntRange", -FloatMax, 0, -3e9f, 5, QRegion()},
        BoxCase{"NaNFirstCorner", NaN, 0, 5, 5, QRegion()},
        BoxCase{"NaNSecondCorner", 0, 0, 5, NaN, QRegion()}),
    caseName);

// Outlines: each edge on pixel line ceil(c), spanning the other edges.
class DrawBoxTest : public ::testing::TestWithParam<BoxCase>
{
};

TEST_P(DrawBoxTest, DrawsOnePixelEdgesOnTheCeilingLines)
{
    const BoxCase &box = GetParam();
    CanvasImage canvas(CanvasSize, Back);
    canvas.drawBox(box.x1, box.y1, box.x2, box.y2, Black);
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Black), box.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, DrawBoxTest,
    ::testing::Values(
        BoxCase{"WholeNumberFrame", 8, 8, 20, 20, outline(8, 8, 20, 20)},
        BoxCase{"CornersSwapped", 20, 20, 8, 8, outline(8, 8, 20, 20)},
        BoxCase{"ScaleDivisor2Frame", 4, 4, 10, 10, outline(4, 4, 10, 10)},
        BoxCase{"ScaleDivisor3Frame", 8.f / 3, 8.f / 3, 20.f / 3, 20.f / 3, outline(3, 3, 7, 7)},
        BoxCase{"ScaleDivisor7Frame", 8.f / 7, 8.f / 7, 20.f / 7, 20.f / 7, outline(2, 2, 3, 3)},
        BoxCase{"OnePixel", 5, 5, 5, 5, QRect(5, 5, 1, 1)},
        BoxCase{"Line", 2, 7, 12, 7, QRect(2, 7, 11, 1)},
        BoxCase{"ClippedTopLeft", -5, -5, 10, 10, outline(-5, -5, 10, 10)},
        BoxCase{"ClippedBottomRight", 30, 20, 100, 100, outline(30, 20, 100, 100)},
        BoxCase{"EdgesOnLastPixels", 0, 0, 39, 29, outline(0, 0, 39, 29)},
        BoxCase{"HugeLeavesNothingInside", -1e30f, -1e30f, 1e30f, 1e30f, QRegion()},
        BoxCase{"InfiniteFarCorner", 30, 20, Inf, Inf, outline(30, 20, 1000, 1000)},
        BoxCase{"FarBeyondIntRange", 3e9f, -FloatMax, FloatMax, 3e9f, QRegion()},
        BoxCase{"NaNCorner", 8, 8, NaN, 20, QRegion()}),
    caseName);

// The mosaic's cells and block frames with their corners divided by the
// scale divisor: ((4i + 8) / d, ...) to ((4i + 11) / d, ...) for a cell, and
// ((4i - 4) / d, ...) to ((4i + 8) / d, ...) for the frame drawn at cell i.
class MosaicGeometryTest : public ::testing::TestWithParam<int>
{
protected:
    static constexpr int Cells = 15;
    static constexpr QSize Size{80, 80};

    float at(int numerator) const { return float(double(numerator) / GetParam()); }

    void fillCell(CanvasImage &canvas, int i, int j, Color color) const
    {
        canvas.fillBox(at(4 * i + 8), at(4 * j + 8), at(4 * i + 11), at(4 * j + 11), color);
    }

    // The pixels cell (i, j) covers, drawn by itself.
    QRegion cellPixels(int i, int j) const
    {
        CanvasImage canvas(Size, Back);
        fillCell(canvas, i, j, Red);
        return pixelsOf(canvas.image(), Red);
    }

    // The pixels of the 3 x 3 block of cells from (i, j), drawn by itself.
    QRegion blockPixels(int i, int j) const
    {
        QRegion block;
        for (int column = i; column < i + 3; ++column)
            for (int row = j; row < j + 3; ++row)
                block += cellPixels(column, row);
        return block;
    }
};

TEST_P(MosaicGeometryTest, CellsLeaveNoGap)
{
    CanvasImage canvas(Size, Back);
    for (int i = 0; i < Cells; ++i)
        for (int j = 0; j < Cells; ++j)
            fillCell(canvas, i, j, Red);

    // Every pixel from the first cell's near corner to the last cell's far
    // corner, and nothing else.
    const int d = GetParam();
    const int first = int(std::ceil(8.0 / d));
    const int last = int(std::floor((4.0 * (Cells - 1) + 11) / d));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Red), QRegion(QRect(QPoint(first, first), QPoint(last, last))));
}

TEST_P(MosaicGeometryTest, FramesLieOnTheFirstPixelLinesOfTheBlocks)
{
    // Blocks of 3 x 3 cells: the frame drawn at cell (i, j) borders the
    // block that ends before it, along that block's first pixel column and
    // row and the first ones of the next block.
    for (int i = 3; i + 3 <= Cells; i += 3) {
        for (int j = 3; j + 3 <= Cells; j += 3) {
            CanvasImage canvas(Size, Back);
            canvas.drawBox(at(4 * i - 4), at(4 * j - 4), at(4 * i + 8), at(4 * j + 8), Black);
            const QRect blockStart = blockPixels(i - 3, j - 3).boundingRect();
            const QRect nextBlockStart = blockPixels(i, j).boundingRect();
            EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Black),
                      outline(blockStart.left(), blockStart.top(), nextBlockStart.left(), nextBlockStart.top(), Size))
                << "frame at cell " << i << ", " << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ScaleDivisors, MosaicGeometryTest, ::testing::Values(1, 2, 3, 7));

// With ScaleDivisor 1 and 2 a cell is a whole square of pixels and the next
// cell starts right after it: no gap and no overlap.
class WholeCellTest : public MosaicGeometryTest
{
};

TEST_P(WholeCellTest, CellsAreSquaresThatTile)
{
    const int pitch = 4 / GetParam();
    for (int i = 0; i < Cells; ++i) {
        const QRegion cell = cellPixels(i, 2);
        EXPECT_PRED_FORMAT2(samePixels, cell, QRegion(QRect(8 / GetParam() + pitch * i, 8 / GetParam() + pitch * 2, pitch, pitch)))
            << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(ScaleDivisors, WholeCellTest, ::testing::Values(1, 2));

TEST(CanvasImageTest, StartsInBackColourAtItsSize)
{
    const CanvasImage canvas(QSize(437, 437), Back);
    EXPECT_EQ(canvas.size(), QSize(437, 437));
    EXPECT_EQ(canvas.image().format(), QImage::Format_RGB32);
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(212, 208, 200)), QRegion(0, 0, 437, 437));
}

struct PointCase
{
    std::string name;
    float x, y;
    Color expected;
};

void PrintTo(const PointCase &point, std::ostream *out)
{
    *out << point.name;
}

class PointTest : public ::testing::TestWithParam<PointCase>
{
};

// A 4 x 3 picture whose pixel (x, y) has red x, green y and blue 7.
QImage coordinatePicture()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(x, y, 7));
    return picture;
}

TEST_P(PointTest, ReadsThePixelOrMinusOneOutside)
{
    CanvasImage canvas(QSize(), Back);
    canvas.setPicture(coordinatePicture());
    EXPECT_EQ(canvas.point(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, PointTest,
    ::testing::Values(PointCase{"Origin", 0, 0, rgbColor(0, 0, 7)},
                      PointCase{"Inside", 2, 1, rgbColor(2, 1, 7)},
                      PointCase{"FractionsGoDown", 2.9f, 1.99f, rgbColor(2, 1, 7)},
                      PointCase{"LastPixel", 3, 2, rgbColor(3, 2, 7)},
                      PointCase{"RightOfImage", 4, 0, -1},
                      PointCase{"BelowImage", 0, 3, -1},
                      PointCase{"LeftOfImage", -1, 0, -1},
                      PointCase{"AboveImage", 0, -1, -1},
                      PointCase{"JustLeftOfImage", -0.25f, 0, -1},
                      PointCase{"FarOutside", 1e30f, -1e30f, -1},
                      PointCase{"Infinite", Inf, 0, -1},
                      PointCase{"NaN", 0, NaN, -1}),
    [](const ::testing::TestParamInfo<PointCase> &info) { return info.param.name; });

TEST(CanvasImageTest, ColoursRoundTripThroughPixels)
{
    CanvasImage canvas(QSize(8, 1), Back);
    const Color colours[] = {0, rgbColor(255, 255, 255), rgbColor(255, 128, 0), rgbColor(1, 2, 3),
                             rgbColor(0, 0, 255), rgbColor(0, 255, 0)};
    int x = 0;
    for (Color colour : colours) {
        canvas.fillBox(float(x), 0, float(x), 0, colour);
        EXPECT_EQ(canvas.point(float(x), 0), colour);
        ++x;
    }
}

TEST(CanvasImageTest, ClsWithoutPictureGoesBackToBackColour)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.fillBox(0, 0, 39, 29, Red);
    canvas.drawBox(3, 3, 9, 9, Black);
    canvas.cls();
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(212, 208, 200)), QRegion(QRect(QPoint(0, 0), CanvasSize)));
}

TEST(CanvasImageTest, ClsGoesBackToThePicture)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.setPicture(coordinatePicture());
    canvas.fillBox(0, 0, 3, 2, Red);
    canvas.cls();
    EXPECT_EQ(canvas.image(), coordinatePicture());
}

TEST(CanvasImageTest, PictureSetsSizeAndPixels)
{
    CanvasImage canvas(CanvasSize, Back);
    QImage withAlpha = coordinatePicture().convertToFormat(QImage::Format_ARGB32);
    canvas.setPicture(withAlpha);
    EXPECT_EQ(canvas.size(), QSize(4, 3));
    EXPECT_EQ(canvas.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.image(), coordinatePicture());
}

TEST(CanvasImageTest, NullPictureKeepsSizeInBackColour)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.setPicture(coordinatePicture());
    canvas.setPicture(QImage());
    EXPECT_TRUE(canvas.picture().isNull());
    EXPECT_EQ(canvas.size(), QSize(4, 3));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(212, 208, 200)), QRegion(0, 0, 4, 3));
}

TEST(CanvasImageTest, ResizingKeepsTheDrawingAtTheTopLeft)
{
    CanvasImage canvas(QSize(10, 10), Back);
    canvas.fillBox(6, 6, 9, 9, Red);
    canvas.setSize(QSize(20, 12));
    EXPECT_EQ(canvas.size(), QSize(20, 12));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Red), QRegion(6, 6, 4, 4));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(212, 208, 200)), QRegion(0, 0, 20, 12) - QRegion(6, 6, 4, 4));

    canvas.setSize(QSize(8, 7));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), Red), QRegion(6, 6, 2, 1));
}

TEST(CanvasImageTest, PictureSmallerThanTheImageIsSurroundedByBackColour)
{
    CanvasImage canvas(QSize(), Back);
    canvas.setPicture(coordinatePicture());
    canvas.setSize(QSize(6, 5));
    canvas.fillBox(0, 0, 5, 4, Red);
    canvas.cls();
    EXPECT_EQ(canvas.image().copy(0, 0, 4, 3), coordinatePicture());
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(212, 208, 200)), QRegion(0, 0, 6, 5) - QRegion(0, 0, 4, 3));
}

TEST(CanvasImageTest, BackColourChangeClearsToTheNewColour)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.fillBox(1, 1, 5, 5, Red);
    canvas.setBackColor(QColor(0, 0, 255));
    EXPECT_EQ(canvas.backColor(), QColor(0, 0, 255));
    EXPECT_PRED_FORMAT2(samePixels, pixelsOf(canvas.image(), rgbColor(0, 0, 255)), QRegion(QRect(QPoint(0, 0), CanvasSize)));
}

TEST(CanvasImageTest, EmptyCanvasIgnoresDrawing)
{
    CanvasImage canvas(QSize(0, 0), Back);
    canvas.fillBox(-Inf, -Inf, Inf, Inf, Red);
    canvas.drawBox(0, 0, 5, 5, Red);
    EXPECT_TRUE(canvas.image().isNull());
    EXPECT_EQ(canvas.point(0, 0), -1);
}

TEST(CanvasImageTest, CopiesKeepWhatTheyShowed)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.fillBox(0, 0, 3, 3, Red);
    const QImage before = canvas.image();
    const QImage expected = before.copy();

    canvas.fillBox(10, 10, 20, 20, Black);
    canvas.drawBox(1, 1, 30, 25, Black);
    EXPECT_EQ(before, expected);
    EXPECT_NE(canvas.image(), expected);
}

TEST(CanvasImageTest, DrawingAfterClsLeavesThePictureIntact)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.setPicture(coordinatePicture());
    canvas.cls();
    canvas.fillBox(0, 0, 3, 2, Red);
    EXPECT_EQ(canvas.picture(), coordinatePicture());
}

TEST(CanvasImageTest, DrawingDoesNotCopyThePixelsEachTime)
{
    CanvasImage canvas(CanvasSize, Back);
    canvas.fillBox(0, 0, 0, 0, Red);
    const uchar *const pixels = canvas.image().constBits();
    for (int i = 0; i < 20; ++i) {
        canvas.fillBox(float(i), 0, float(i), 5, Red);
        canvas.drawBox(0, 0, float(i), float(i), Black);
    }
    EXPECT_EQ(canvas.image().constBits(), pixels);
}

} // namespace
} // namespace tessaly
