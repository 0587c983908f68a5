// The program icon as the window gets it, loaded from the embedded resource.

#include "tessalyresources.h"

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using tessaly::Resources::Icon;

const QImage &programIcon()
{
    static const QImage icon = QImageReader(Icon).read().convertToFormat(QImage::Format_ARGB32);
    return icon;
}

bool isOnBorder(int x, int y)
{
    return x == 0 || y == 0 || x == 15 || y == 15;
}

bool isCorner(int x, int y)
{
    return (x == 0 || x == 15) && (y == 0 || y == 15);
}

bool isBlueViolet(const QColor &colour)
{
    return colour.alpha() == 255 && colour.hsvHue() >= 260 && colour.hsvHue() <= 285
        && colour.hsvSaturation() >= 128 && colour.value() >= 128;
}

TEST(ProgramIcon, LoadsFromTheResourceAsA16PixelSquareWithAlpha)
{
    QImageReader reader(Icon);
    EXPECT_EQ(reader.format(), "png");
    const QImage icon = reader.read();
    ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_TRUE(icon.hasAlphaChannel());
}

TEST(ProgramIcon, IsABlueVioletSquareWithTransparentCorners)
{
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QColor colour = programIcon().pixelColor(x, y);
            if (isCorner(x, y)) {
                EXPECT_EQ(colour.alpha(), 0) << "corner " << x << ", " << y;
            } else if (isOnBorder(x, y)) {
                EXPECT_TRUE(isBlueViolet(colour)) << "border " << x << ", " << y;
            } else {
                EXPECT_EQ(colour.alpha(), 255) << "inside " << x << ", " << y;
            }
        }
    }
}

// What a cell's brightest pixel must look like.
struct CellCase {
    const char *name;
    int row;
    int column;
    int hue; // -1 for the neutral colours
    int minValue;
    int maxValue;
};

void PrintTo(const CellCase &cell, std::ostream *out)
{
    *out << cell.name;
}

class ProgramIconCell : public testing::TestWithParam<CellCase> {
protected:
    // The cell is the square of non-background pixels inside its third of
    // the icon.
    QRect cellRect() const
    {
        const CellCase &cell = GetParam();
        const QRect third(cell.column * 16 / 3, cell.row * 16 / 3, 16 / 3 + 1, 16 / 3 + 1);
        QRect found;
        for (int y = third.top(); y <= third.bottom(); ++y) {
            for (int x = third.left(); x <= third.right(); ++x) {
                if (!isOnBorder(x, y) && !isBlueViolet(programIcon().pixelColor(x, y)))
                    found |= QRect(x, y, 1, 1);
            }
        }
        return found;
    }
};

TEST_P(ProgramIconCell, HasItsColour)
{
    const CellCase &cell = GetParam();
    const QRect rect = cellRect();
    ASSERT_GE(rect.width(), 3);
    ASSERT_EQ(rect.width(), rect.height()) << "cells are square";

    const QColor brightest = programIcon().pixelColor(rect.topLeft());
    EXPECT_GE(brightest.value(), cell.minValue);
    EXPECT_LE(brightest.value(), cell.maxValue);
    if (cell.hue < 0) {
        EXPECT_LE(brightest.hsvSaturation(), 16) << "neutral";
    } else {
        EXPECT_GE(brightest.hsvSaturation(), 200);
        EXPECT_NEAR(brightest.hsvHue(), cell.hue, 10);
    }
}

TEST_P(ProgramIconCell, DarkensTowardsItsLowerRight)
{
    const QRect rect = cellRect();
    ASSERT_TRUE(rect.isValid());
    const QImage &icon = programIcon();
    const bool isBlack = icon.pixelColor(rect.topLeft()).value() == 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const int value = icon.pixelColor(x, y).value();
            if (x > rect.left()) {
                EXPECT_LE(value, icon.pixelColor(x - 1, y).value()) << "at " << x << ", " << y;
            }
            if (y > rect.top()) {
                EXPECT_LE(value, icon.pixelColor(x, y - 1).value()) << "at " << x << ", " << y;
            }
        }
    }
    if (!isBlack) {
        EXPECT_LT(icon.pixelColor(rect.bottomRight()).value(), icon.pixelColor(rect.topLeft()).value());
    }
}

INSTANTIATE_TEST_SUITE_P(Grid, ProgramIconCell,
    testing::Values(CellCase{"Red", 0, 0, 0, 200, 255},
                    CellCase{"Yellow", 0, 1, 60, 200, 255},
                    CellCase{"Blue", 0, 2, 240, 200, 255},
                    CellCase{"Grey", 1, 0, -1, 96, 176},
                    CellCase{"White", 1, 1, -1, 240, 255},
                    CellCase{"Black", 1, 2, -1, 0, 32},
                    CellCase{"Green", 2, 0, 120, 160, 255},
                    CellCase{"Cyan", 2, 1, 180, 200, 255},
                    CellCase{"Magenta", 2, 2, 300, 200, 255}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
