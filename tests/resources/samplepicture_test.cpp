// The built-in sample picture as the program gets it: loaded from the
// embedded resource, which also proves that the static library's resources
// are registered in a program that links it.

#include "tessalyresources.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

using tessaly::Resources::SamplePicture;

const QColor MarginGrey(212, 208, 200);
const QColor FrameShadow(128, 128, 128);
const QColor FrameLight(255, 255, 255);
const QRect FrameOutline(4, 6, 200, 174);
const QRect Field = FrameOutline.adjusted(1, 1, -1, -1);

const QImage &samplePicture()
{
    static const QImage picture = QImageReader(SamplePicture).read();
    return picture;
}

QColor pixel(QPoint point)
{
    return samplePicture().pixelColor(point);
}

bool isBlack(const QColor &colour)
{
    return colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
}

// Positions along one line of the field where the colour changes, plus the
// start; `step` walks along a row or down a column.
std::vector<int> blockStarts(QPoint start, QPoint step, int length)
{
    std::vector<int> starts{0};
    for (int i = 1; i < length; ++i) {
        if (pixel(start + step * i) != pixel(start + step * (i - 1)))
            starts.push_back(i);
    }
    return starts;
}

std::vector<int> columnStarts()
{
    return blockStarts(Field.topLeft(), QPoint(1, 0), Field.width());
}

std::vector<int> bandStarts()
{
    return blockStarts(Field.topLeft(), QPoint(0, 1), Field.height());
}

// The field pixel at the top-left of column `column` in band `band`.
QColor blockColour(int column, int band)
{
    return pixel(Field.topLeft() + QPoint(columnStarts().at(column), bandStarts().at(band)));
}

TEST(SamplePicture, LoadsFromTheResourceAtItsSize)
{
    QImageReader reader(SamplePicture);
    EXPECT_EQ(reader.format(), "bmp");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.size(), QSize(208, 183));
    EXPECT_FALSE(picture.hasAlphaChannel());
}

TEST(SamplePicture, IsStoredAsUncompressed24BitBitmap)
{
    QFile file(SamplePicture);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), "BM");
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 18), 208);
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 22), 183);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 28), 24) << "bits per pixel";
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 30), 0u) << "compression";
}

// Margin widths measured from each edge through the middle of the picture.
struct MarginCase {
    const char *name;
    QPoint start;
    QPoint inward;
    int width;
};

void PrintTo(const MarginCase &param, std::ostream *out)
{
    *out << param.name;
}


class SamplePictureMargin : public testing::TestWithParam<MarginCase> {};

TEST_P(SamplePictureMargin, HasItsWidth)
{
    const MarginCase &margin = GetParam();
    int measured = 0;
    while (pixel(margin.start + margin.inward * measured) == MarginGrey)
        ++measured;
    EXPECT_EQ(measured, margin.width);
}

INSTANTIATE_TEST_SUITE_P(Edges, SamplePictureMargin,
    testing::Values(MarginCase{"Top", {104, 0}, {0, 1}, 6},
                    MarginCase{"Bottom", {104, 182}, {0, -1}, 3},
                    MarginCase{"Left", {0, 91}, {1, 0}, 4},
                    MarginCase{"Right", {207, 91}, {-1, 0}, 4}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SamplePicture, MarginIsLightGreyAllRound)
{
    const QImage &picture = samplePicture();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!FrameOutline.contains(x, y)) {
                ASSERT_EQ(picture.pixelColor(x, y), MarginGrey) << "at " << x << ", " << y;
            }
        }
    }
}

// The sunken frame: each edge as a run of pixels. The two corners where a
// dark edge meets a light one are left out.
struct FrameEdgeCase {
    const char *name;
    QPoint start;
    QPoint step;
    int length;
    QColor colour;
};

void PrintTo(const FrameEdgeCase &param, std::ostream *out)
{
    *out << param.name;
}


class SamplePictureFrame : public testing::TestWithParam<FrameEdgeCase> {};

TEST_P(SamplePictureFrame, EdgeHasItsColour)
{
    const FrameEdgeCase &edge = GetParam();
    for (int i = 0; i < edge.length; ++i) {
        const QPoint at = edge.start + edge.step * i;
        ASSERT_EQ(pixel(at), edge.colour) << "at " << at.x() << ", " << at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, SamplePictureFrame,
    testing::Values(FrameEdgeCase{"Top", {4, 6}, {1, 0}, 199, FrameShadow},
                    FrameEdgeCase{"Left", {4, 6}, {0, 1}, 173, FrameShadow},
                    FrameEdgeCase{"Bottom", {5, 179}, {1, 0}, 199, FrameLight},
                    FrameEdgeCase{"Right", {203, 7}, {0, 1}, 173, FrameLight}),
    [](const auto &info) { return std::string(info.param.name); });

// Block sizes along one axis: `count` blocks of `narrow` or `narrow + 1`
// pixels, the wide ones spread evenly (every start within a pixel of the
// even share).
struct BlockAxisCase {
    const char *name;
    std::vector<int> (*starts)();
    int length;
    int count;
    int narrow;
    int wideCount;
};

void PrintTo(const BlockAxisCase &param, std::ostream *out)
{
    *out << param.name;
}


class SamplePictureBlocks : public testing::TestWithParam<BlockAxisCase> {};

TEST_P(SamplePictureBlocks, AreEvenlyShared)
{
    const BlockAxisCase &axis = GetParam();
    std::vector<int> starts = axis.starts();
    ASSERT_EQ(static_cast<int>(starts.size()), axis.count);
    starts.push_back(axis.length);
    int wide = 0;
    for (int i = 0; i < axis.count; ++i) {
        const int size = starts[i + 1] - starts[i];
        ASSERT_TRUE(size == axis.narrow || size == axis.narrow + 1) << "block " << i << " is " << size;
        wide += size == axis.narrow + 1 ? 1 : 0;
        const double evenShare = static_cast<double>(i) * axis.length / axis.count;
        EXPECT_LT(std::abs(starts[i] - evenShare), 1.0) << "block " << i;
    }
    EXPECT_EQ(wide, axis.wideCount);
}

INSTANTIATE_TEST_SUITE_P(Axes, SamplePictureBlocks,
    testing::Values(BlockAxisCase{"Columns", &columnStarts, 198, 60, 3, 18},
                    BlockAxisCase{"Bands", &bandStarts, 172, 30, 5, 22}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SamplePicture, BlocksAreFlatExceptForTheCrossHair)
{
    std::vector<int> columns = columnStarts();
    std::vector<int> bands = bandStarts();
    columns.push_back(Field.width());
    bands.push_back(Field.height());
    std::vector<QPoint> strayPixels;
    for (std::size_t band = 0; band + 1 < bands.size(); ++band) {
        for (std::size_t column = 0; column + 1 < columns.size(); ++column) {
            const QPoint topLeft = Field.topLeft() + QPoint(columns[column], bands[band]);
            for (int y = bands[band]; y < bands[band + 1]; ++y) {
                for (int x = columns[column]; x < columns[column + 1]; ++x) {
                    const QPoint at = Field.topLeft() + QPoint(x, y);
                    if (pixel(at) != pixel(topLeft))
                        strayPixels.push_back(at);
                }
            }
        }
    }
    const QRect crossHairCorner(Field.bottomRight() - QPoint(15, 15), QSize(16, 16));
    for (const QPoint &at : strayPixels) {
        EXPECT_TRUE(isBlack(pixel(at)) && crossHairCorner.contains(at))
            << "pixel " << at.x() << ", " << at.y() << " differs from its block";
    }
}

TEST(SamplePicture, TopBandHueRisesAcrossTheColumns)
{
    double previousHue = -1.0;
    for (int column = 0; column < 60; ++column) {
        const QColor colour = blockColour(column, 0);
        EXPECT_EQ(colour.hsvSaturation(), 255) << "column " << column;
        EXPECT_EQ(colour.value(), 255) << "column " << column;
        const double hue = colour.hsvHueF() * 360.0;
        EXPECT_GT(hue, previousHue) << "column " << column;
        previousHue = hue;
    }
    EXPECT_GT(previousHue, 340.0) << "the sweep comes back towards red";
}

TEST(SamplePicture, TopBandPassesThroughThePureHuesInOrder)
{
    const struct {
        const char *name;
        QColor colour;
    } pureHues[] = {
        {"red", QColor(255, 0, 0)},   {"yellow", QColor(255, 255, 0)}, {"green", QColor(0, 255, 0)},
        {"cyan", QColor(0, 255, 255)}, {"blue", QColor(0, 0, 255)},     {"magenta", QColor(255, 0, 255)},
    };
    int previousColumn = -1;
    for (const auto &hue : pureHues) {
        int found = -1;
        for (int column = 0; column < 60 && found < 0; ++column) {
            if (blockColour(column, 0) == hue.colour)
                found = column;
        }
        ASSERT_GE(found, 0) << hue.name << " is missing";
        EXPECT_GT(found, previousColumn) << hue.name << " is out of order";
        previousColumn = found;
    }
}

TEST(SamplePicture, SaturationFallsDownEveryColumn)
{
    for (int column = 0; column < 60; ++column) {
        int previousSaturation = 256;
        for (int band = 0; band < 30; ++band) {
            const int saturation = blockColour(column, band).hslSaturation();
            ASSERT_LT(saturation, previousSaturation) << "column " << column << ", band " << band;
            previousSaturation = saturation;
        }
    }
}

TEST(SamplePicture, BottomBandIsNearNeutralGrey)
{
    const std::vector<int> bands = bandStarts();
    for (int y = Field.top() + bands.back(); y <= Field.bottom(); ++y) {
        for (int x = Field.left(); x <= Field.right(); ++x) {
            const QColor colour = pixel({x, y});
            if (isBlack(colour))
                continue; // the cross-hair
            for (const int channel : {colour.red(), colour.green(), colour.blue()}) {
                ASSERT_GE(channel, 123) << "at " << x << ", " << y;
                ASSERT_LE(channel, 132) << "at " << x << ", " << y;
            }
        }
    }
}

TEST(SamplePicture, HasACrossHairNearTheFieldsBottomRight)
{
    std::vector<QPoint> black;
    for (int y = Field.top(); y <= Field.bottom(); ++y) {
        for (int x = Field.left(); x <= Field.right(); ++x) {
            if (isBlack(pixel({x, y})))
                black.push_back({x, y});
        }
    }
    ASSERT_FALSE(black.empty());
    const auto isBlackAt = [](QPoint at) { return isBlack(pixel(at)); };
    const auto isCentre = [&](QPoint at) {
        for (int arm = 1; arm <= 3; ++arm) {
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                if (!isBlackAt(at + step * arm))
                    return false;
            }
        }
        return true;
    };
    EXPECT_EQ(std::count_if(black.begin(), black.end(), isCentre), 1) << "one plus-shaped mark";
    for (const QPoint &at : black) {
        EXPECT_GE(at.x(), Field.right() - 15);
        EXPECT_GE(at.y(), Field.bottom() - 15);
    }
}

} // namespace
