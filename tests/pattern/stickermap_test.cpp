#include "pattern/stickermap.h"

#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly::pattern {
namespace {

using test::cubePalette;
using test::paletteOf;

StickerGrid randomStickers(int width, int height, const StickerPalette &palette)
{
    std::mt19937 random(5);
    StickerGrid stickers(width, height);
    for (Sticker &sticker : stickers.values())
        sticker = palette.colours[random() % palette.colours.size()].sticker;
    return stickers;
}

TEST(StickerMapTest, ReadsEachPixelAsItsSticker)
{
    const StickerPalette palette = cubePalette();
    Grid<Srgb8> pixels(3, 3, Srgb8{0xFF, 0xFF, 0xFF});
    pixels.at(1, 0) = {0x00, 0x9B, 0x48};
    pixels.at(2, 2) = {0xB7, 0x12, 0x34};
    StickerGrid expected(3, 3, Sticker::White);
    expected.at(1, 0) = Sticker::Green;
    expected.at(2, 2) = Sticker::Red;

    const StickerMapReading reading = readStickerMap(pixels, palette);
    ASSERT_TRUE(reading.stickers) << reading.error;
    EXPECT_EQ(*reading.stickers, expected);
    EXPECT_TRUE(reading.error.empty());
}

TEST(StickerMapTest, RoundTripsEveryPalette)
{
    for (const StickerPalette &palette :
         {cubePalette(), paletteOf({{Sticker::Yellow, {0xFF, 0xD5, 0x00}}, {Sticker::Blue, {0x00, 0x46, 0xAD}}})}) {
        const StickerGrid stickers = randomStickers(12, 9, palette);
        const Grid<Srgb8> pixels = stickerMapPixels(stickers, palette);
        EXPECT_EQ(pixels.at(4, 7), test::colourIn(palette, stickers.at(4, 7)));
        const StickerMapReading reading = readStickerMap(pixels, palette);
        ASSERT_TRUE(reading.stickers) << reading.error;
        EXPECT_EQ(*reading.stickers, stickers);
    }
}

TEST(StickerMapTest, DrawsUnmatchedAndMissingStickersGrey)
{
    const StickerPalette palette = paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}}, {Sticker::Red, {0xB7, 0x12, 0x34}}});
    StickerGrid stickers(3, 3, Sticker::White);
    stickers.at(0, 1) = Sticker::Unmatched;
    stickers.at(2, 1) = Sticker::Green;
    const Grid<Srgb8> pixels = stickerMapPixels(stickers, palette);
    EXPECT_EQ(pixels.at(0, 1), UnmatchedColour);
    EXPECT_EQ(pixels.at(2, 1), UnmatchedColour);
    EXPECT_EQ(pixels.at(1, 1), (Srgb8{0xFF, 0xFF, 0xFF}));
}

TEST(StickerMapTest, NamesTheFirstPixelOfNoPaletteColour)
{
    const StickerPalette palette = cubePalette();
    Grid<Srgb8> pixels = stickerMapPixels(randomStickers(15, 9, palette), palette);
    pixels.at(12, 7) = {0x12, 0x34, 0x56};
    pixels.at(14, 8) = {0xFE, 0xFF, 0xFF};

    const StickerMapReading reading = readStickerMap(pixels, palette);
    EXPECT_FALSE(reading.stickers);
    // Pixel (12, 7) is the first place of the second row of cube (5, 3).
    EXPECT_EQ(reading.error, "pixel (12, 7), row 2 column 1 of cube (5, 3), is #123456, which is not a colour of the "
                             "palette (W #FFFFFF, Y #FFD500, R #B71234, O #FF5800, B #0046AD, G #009B48)");
}

struct SizeCase
{
    int width;
    int height;
    const char *size;
};

class StickerMapSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(StickerMapSizeTest, RefusesPartCubes)
{
    const auto [width, height, size] = GetParam();
    const StickerMapReading reading = readStickerMap(Grid<Srgb8>(width, height, Srgb8{0xFF, 0xFF, 0xFF}), cubePalette());
    EXPECT_FALSE(reading.stickers);
    EXPECT_NE(reading.error.find(size), std::string::npos) << reading.error;
    EXPECT_NE(reading.error.find("multiples of 3"), std::string::npos) << reading.error;
}

INSTANTIATE_TEST_SUITE_P(Sizes, StickerMapSizeTest,
                         testing::Values(SizeCase{10, 9, "is 10 x 9 pixels"}, SizeCase{9, 10, "is 9 x 10 pixels"},
                                         SizeCase{1, 1, "is 1 x 1 pixels"}));

TEST(StickerMapTest, RefusesAMapWithoutPixels)
{
    const StickerMapReading reading = readStickerMap(Grid<Srgb8>(), cubePalette());
    EXPECT_FALSE(reading.stickers);
    EXPECT_EQ(reading.error, "the sticker map has no pixels");
}

TEST(StickerMapTest, RefusesAPaletteWithTwoStickersOfOneColour)
{
    const StickerPalette palette = paletteOf({{Sticker::White, {0xFF, 0xFF, 0xFF}},
                                              {Sticker::Red, {0xB7, 0x12, 0x34}},
                                              {Sticker::Orange, {0xB7, 0x12, 0x34}}});
    const StickerMapReading reading = readStickerMap(Grid<Srgb8>(3, 3, Srgb8{0xFF, 0xFF, 0xFF}), palette);
    EXPECT_FALSE(reading.stickers);
    EXPECT_EQ(reading.error, "the palette gives R and O the same colour #B71234, so a sticker map cannot tell them apart");
}

} // namespace
} // namespace tessaly::pattern
