#include "pattern/palette.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tessaly::pattern {

void PrintTo(const Srgb8 &colour, std::ostream *out)
{
    *out << "(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ")";
}

namespace {

// ---- Built-in palettes ----

TEST(BuiltInPaletteTest, HoldsTheSixColoursInStickerOrderWithTheirNames)
{
    const StickerPalette standard = standardPalette();
    const StickerPalette classic = classicPalette();
    EXPECT_EQ(standard.letters(), "WYROBG");
    EXPECT_EQ(classic.letters(), "WYROBG");

    const Srgb8 standardColours[] = {{0xFF, 0xFF, 0xFF}, {0xFF, 0xD5, 0x00}, {0xB7, 0x12, 0x34},
                                     {0xFF, 0x58, 0x00}, {0x00, 0x46, 0xAD}, {0x00, 0x9B, 0x48}};
    const Srgb8 classicColours[] = {{0xFF, 0xFF, 0xFF}, {0xFF, 0xD5, 0x00}, {0xC4, 0x1E, 0x3A},
                                    {0xFF, 0x58, 0x00}, {0x00, 0x51, 0xBA}, {0x00, 0x9E, 0x60}};
    const char *names[] = {"white", "yellow", "red", "orange", "blue", "green"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(standard.colours[i].colour, standardColours[i]) << names[i];
        EXPECT_EQ(classic.colours[i].colour, classicColours[i]) << names[i];
        EXPECT_EQ(standard.colours[i].name, names[i]);
        EXPECT_EQ(classic.colours[i].name, names[i]);
    }
}

TEST(BuiltInPaletteTest, IsFoundByItsName)
{
    EXPECT_EQ(builtInPalette("standard"), standardPalette());
    EXPECT_EQ(builtInPalette("classic"), classicPalette());
    EXPECT_EQ(builtInPalette("Classic"), classicPalette());
    EXPECT_EQ(builtInPalette("STANDARD"), standardPalette());
    EXPECT_EQ(builtInPalette("classics"), std::nullopt);
    EXPECT_EQ(builtInPalette("vivid"), std::nullopt);
    EXPECT_EQ(builtInPalette(""), std::nullopt);
}

TEST(DisplayColourTest, IsMidGreyForUnmatchedAndForAStickerThePaletteLacks)
{
    const StickerPalette withoutGreen = *restrictPalette(standardPalette(), "WYROB").palette;
    EXPECT_EQ(displayColour(withoutGreen, Sticker::Blue), (Srgb8{0x00, 0x46, 0xAD}));
    EXPECT_EQ(displayColour(withoutGreen, Sticker::Green), UnmatchedColour);
    EXPECT_EQ(displayColour(standardPalette(), Sticker::Unmatched), UnmatchedColour);
}

// ---- Palette files ----

struct GoodFileCase
{
    std::string name;
    std::string text;
    std::string letters;
    Sticker checked; // one colour looked at closely
    Srgb8 colour;
    std::string colourName;
};

void PrintTo(const GoodFileCase &file, std::ostream *out)
{
    *out << file.name;
}

class GoodPaletteFileTest : public ::testing::TestWithParam<GoodFileCase>
{
};

TEST_P(GoodPaletteFileTest, IsRead)
{
    const GoodFileCase &file = GetParam();
    const PaletteReading reading = parsePalette(file.text);
    ASSERT_TRUE(reading.palette) << reading.error;
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.palette->letters(), file.letters);
    const PaletteColour *colour = reading.palette->find(file.checked);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->colour, file.colour);
    EXPECT_EQ(colour->name, file.colourName);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GoodPaletteFileTest,
    ::testing::Values(
        GoodFileCase{"AllSixWithCommentsAndBlankLines",
                     "# my cubes\n\nW #FFFFFF white\nY #FFD500 yellow\n   # indented comment\nR #B71234 red\n"
                     "O #FF5800 orange\nB #0046AD blue\nG #009B48 green\n\n",
                     "WYROBG", Sticker::Red, {0xB7, 0x12, 0x34}, "red"},
        GoodFileCase{"LowerCaseLetterAndDigits", "w #ffffff\nb #0a1b2c\n", "WB", Sticker::Blue, {0x0A, 0x1B, 0x2C},
                     ""},
        GoodFileCase{"NameWithSpaces", "W #FFFFFF\nR #C41E3A  deep cherry red  \n", "WR", Sticker::Red,
                     {0xC4, 0x1E, 0x3A}, "deep cherry red"},
        GoodFileCase{"OutOfOrderLinesComeInStickerOrder", "G #009B48\nW #FFFFFF\nO #FF5800\n", "WOG",
                     Sticker::Green, {0x00, 0x9B, 0x48}, ""},
        GoodFileCase{"WindowsLineEndsAndTabs", "W\t#FFFFFF\twhite\r\nY #FFD500 yellow\r\n", "WY", Sticker::White,
                     {0xFF, 0xFF, 0xFF}, "white"},
        GoodFileCase{"ByteOrderMarkAndNoFinalLineEnd", "\xEF\xBB\xBFY #FFD500\nO #FF5800 orange", "YO",
                     Sticker::Orange, {0xFF, 0x58, 0x00}, "orange"},
        GoodFileCase{"NameHoldingAHash", "W #FFFFFF\nY #FFD500 yellow #2\n", "WY", Sticker::Yellow,
                     {0xFF, 0xD5, 0x00}, "yellow #2"}),
    [](const ::testing::TestParamInfo<GoodFileCase> &info) { return info.param.name; });

struct BadFileCase
{
    std::string name;
    std::string text;
    std::string error;
};

void PrintTo(const BadFileCase &file, std::ostream *out)
{
    *out << file.name;
}

class BadPaletteFileTest : public ::testing::TestWithParam<BadFileCase>
{
};

TEST_P(BadPaletteFileTest, IsRefusedNamingTheLine)
{
    const PaletteReading reading = parsePalette(GetParam().text);
    EXPECT_FALSE(reading.palette);
    EXPECT_EQ(reading.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPaletteFileTest,
    ::testing::Values(
        BadFileCase{"UnknownLetter", "W #FFFFFF\n# comment\nQ #123456\n",
                    "line 3: \"Q #123456\": the letter must be one of W Y R O B G"},
        BadFileCase{"UnmatchedIsNoColour", "K #808080 grey\nW #FFFFFF\n",
                    "line 1: \"K #808080 grey\": the letter must be one of W Y R O B G"},
        BadFileCase{"WordForALetter", "white #FFFFFF\nY #FFD500\n",
                    "line 1: \"white #FFFFFF\": the letter must be one of W Y R O B G"},
        BadFileCase{"LetterRunIntoColour", "W#FFFFFF\nY #FFD500\n",
                    "line 1: \"W#FFFFFF\": the letter must be one of W Y R O B G"},
        BadFileCase{"ColourWithoutHash", "W #FFFFFF\n  Y FFD500  \n",
                    "line 2: \"Y FFD500\": the colour must be '#' and six hex digits"},
        BadFileCase{"FiveDigits", "W #FFFFF\n", "line 1: \"W #FFFFF\": the colour must be '#' and six hex digits"},
        BadFileCase{"SevenDigits", "W #FFFFFFF\n",
                    "line 1: \"W #FFFFFFF\": the colour must be '#' and six hex digits"},
        BadFileCase{"NotHex", "W #FFFFFF\nY #FFD5G0\n",
                    "line 2: \"Y #FFD5G0\": the colour must be '#' and six hex digits"},
        BadFileCase{"NoColour", "W #FFFFFF\n\n\nY\n", "line 4: \"Y\": the colour must be '#' and six hex digits"},
        BadFileCase{"LetterTwiceInEitherCase", "W #FFFFFF\n\nw #EEEEEE\n",
                    "line 3: \"w #EEEEEE\": W is given twice (first on line 1)"},
        BadFileCase{"TwoLettersOfOneColour", "W #FFFFFF\nY #FFD500\nR #ffffff snow\n",
                    "line 3: \"R #ffffff snow\": #FFFFFF is already W's colour (line 1): each letter needs a colour "
                    "of its own"},
        BadFileCase{"OneColour", "# only white\nW #FFFFFF\n", "the palette has 1 colour; it needs at least two"},
        BadFileCase{"Empty", "", "the palette has 0 colours; it needs at least two"},
        BadFileCase{"OnlyComments", "# nothing\n\n#\n", "the palette has 0 colours; it needs at least two"}),
    [](const ::testing::TestParamInfo<BadFileCase> &info) { return info.param.name; });

TEST(PaletteTextTest, IsOneLinePerColourInStickerOrder)
{
    EXPECT_EQ(paletteText(standardPalette()), "W #FFFFFF white\nY #FFD500 yellow\nR #B71234 red\n"
                                              "O #FF5800 orange\nB #0046AD blue\nG #009B48 green\n");
}

TEST(PaletteTextTest, IsReadBackEqual)
{
    StickerPalette mixed;
    mixed.colours = {{Sticker::White, {0xF0, 0xF1, 0xF2}, ""},
                     {Sticker::Orange, {0x0A, 0x00, 0xFF}, "burnt orange #3"},
                     {Sticker::Green, {0x00, 0x00, 0x00}, "g"}};
    for (const StickerPalette &palette : {standardPalette(), classicPalette(), mixed}) {
        const PaletteReading reading = parsePalette(paletteText(palette));
        ASSERT_TRUE(reading.palette) << reading.error;
        EXPECT_EQ(*reading.palette, palette) << paletteText(palette);
    }
}

// ---- Restricting a palette to some of its colours ----

struct RestrictCase
{
    std::string name;
    std::string letters;
    std::string kept;  // the letters of the result; empty when refused
    std::string error; // empty when kept
};

void PrintTo(const RestrictCase &restriction, std::ostream *out)
{
    *out << restriction.name;
}

class RestrictPaletteTest : public ::testing::TestWithParam<RestrictCase>
{
};

TEST_P(RestrictPaletteTest, KeepsTheNamedColoursOrSaysWhyNot)
{
    // Without blue, to have a letter the palette lacks.
    const StickerPalette withoutBlue = *parsePalette("W #FFFFFF\nY #FFD500\nR #B71234\nO #FF5800\nG #009B48\n"
                                                     "# no blue\n")
                                            .palette;
    const PaletteReading reading = restrictPalette(withoutBlue, GetParam().letters);
    EXPECT_EQ(reading.error, GetParam().error);
    if (GetParam().kept.empty()) {
        EXPECT_FALSE(reading.palette);
        return;
    }
    ASSERT_TRUE(reading.palette);
    EXPECT_EQ(reading.palette->letters(), GetParam().kept);
    for (const PaletteColour &colour : reading.palette->colours)
        EXPECT_EQ(colour, *withoutBlue.find(colour.sticker));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, RestrictPaletteTest,
    ::testing::Values(RestrictCase{"All", "WYROG", "WYROG", ""},
                      RestrictCase{"TwoInAnyOrderAndCase", "gw", "WG", ""},
                      RestrictCase{"Shuffled", "ORWY", "WYRO", ""},
                      RestrictCase{"LetterNotInPalette", "WYB", "", "\"WYB\": B is not in the palette, which has WYROG"},
                      RestrictCase{"Twice", "WYw", "", "\"WYw\": W is named twice"},
                      RestrictCase{"NotACubeColour", "WYK", "", "\"WYK\": K is not one of W Y R O B G"},
                      RestrictCase{"Comma", "W,Y", "", "\"W,Y\": , is not one of W Y R O B G"},
                      RestrictCase{"Space", "W Y", "", "\"W Y\": a space is not one of W Y R O B G"},
                      RestrictCase{"One", "R", "", "\"R\": 1 colour named; at least two are needed"},
                      RestrictCase{"None", "", "", "\"\": 0 colours named; at least two are needed"}),
    [](const ::testing::TestParamInfo<RestrictCase> &info) { return info.param.name; });

} // namespace
} // namespace tessaly::pattern
