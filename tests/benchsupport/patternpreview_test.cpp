#include "support/patternpreview.h"

#include <gtest/gtest.h>

namespace tessaly::bench {
namespace {

using pattern::Sticker;

QRgb rgbOf(pattern::Srgb8 colour)
{
    return qRgb(colour.r, colour.g, colour.b);
}

// Two cubes side by side, one high: 6 x 3 cells, the first cube all white
// but a red top-left cell, the second all blue but an unmatched bottom-right.
pattern::StickerGrid twoCubes()
{
    pattern::StickerGrid stickers(6, 3, Sticker::White);
    for (int y = 0; y < 3; ++y) {
        for (int x = 3; x < 6; ++x)
            stickers.at(x, y) = Sticker::Blue;
    }
    stickers.at(0, 0) = Sticker::Red;
    stickers.at(5, 2) = Sticker::Unmatched;
    return stickers;
}

TEST(PatternPreviewTest, DrawsSquaresWithALineBetweenCubes)
{
    const pattern::StickerPalette palette = pattern::standardPalette();
    const QImage preview = drawPatternPreview(twoCubes(), palette);

    // 6 cells of 6 pixels and one line across; 3 cells down, no line.
    ASSERT_EQ(preview.size(), QSize(37, 18));
    const QRgb red = rgbOf(pattern::displayColour(palette, Sticker::Red));
    const QRgb white = rgbOf(pattern::displayColour(palette, Sticker::White));
    const QRgb blue = rgbOf(pattern::displayColour(palette, Sticker::Blue));
    // The red cell fills pixels 0 to 5 both ways, the next cell starts at 6.
    EXPECT_EQ(preview.pixel(0, 0), red);
    EXPECT_EQ(preview.pixel(5, 5), red);
    EXPECT_EQ(preview.pixel(6, 5), white);
    EXPECT_EQ(preview.pixel(5, 6), white);
    // Column 18 is the line between the cubes; the second cube starts at 19.
    for (int y : {0, 9, 17})
        EXPECT_EQ(preview.pixel(18, y), LineColour) << y;
    EXPECT_EQ(preview.pixel(17, 0), white);
    EXPECT_EQ(preview.pixel(19, 0), blue);
    // The unmatched cell is the last 6 x 6 pixels, in mid grey.
    EXPECT_EQ(preview.pixel(31, 12), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(preview.pixel(36, 17), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(preview.pixel(30, 17), blue);
}

TEST(PatternPreviewTest, PartsCubesDownwardsToo)
{
    // One cube wide, two high: a line at row 18.
    const QImage preview = drawPatternPreview(pattern::StickerGrid(3, 6, Sticker::Green), pattern::standardPalette());
    ASSERT_EQ(preview.size(), QSize(18, 37));
    EXPECT_EQ(preview.pixel(0, 18), LineColour);
    EXPECT_NE(preview.pixel(0, 17), LineColour);
    EXPECT_NE(preview.pixel(0, 19), LineColour);
}

TEST(PatternPreviewTest, EmptyPatternGivesNoPicture)
{
    EXPECT_TRUE(drawPatternPreview(pattern::StickerGrid(), pattern::standardPalette()).isNull());
}

} // namespace
} // namespace tessaly::bench
