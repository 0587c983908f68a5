// Reading numbers from field texts and the whole-number and single-precision
// conversions every layer applies to them.

#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using tessaly::readNumber;
using tessaly::toInt16;
using tessaly::toInt32;
using tessaly::toSingle;
using tessaly::wholePart;

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------------------
// readNumber

struct TextCase
{
    const char *name;
    std::string_view text;
    double expected;
};

std::ostream &operator<<(std::ostream &out, const TextCase &c)
{
    out << std::setprecision(17);
    return out << '"' << c.text << "\" -> " << c.expected;
}

class ReadNumber : public testing::TestWithParam<TextCase>
{
};

TEST_P(ReadNumber, ReadsTheLongestLeadingNumber)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(readNumber(c.text), c.expected);
}

// 2^57 + 31 written in hexadecimal: the nearest double is 2^57 + 32. Reading
// digit by digit in floating point drops the low digits instead.
const double HexBeyondDoublePrecision = std::ldexp(1.0, 57) + 32;

// 1200 bits of ones, far beyond the largest double.
const std::string LongHexText = "&H" + std::string(300, 'F');

const TextCase textCases[] = {
    {"Integer", "42", 42},
    {"LeadingZeros", "007", 7},
    {"PlusSign", "+5", 5},
    {"MinusSign", "-5", -5},
    {"TwoMinusSigns", "--5", 0},
    {"PlusThenMinus", "+-5", 0},
    {"SignAlone", "-", 0},
    {"SignAfterDigits", "5-3", 5},
    {"LeadingPoint", ".5", 0.5},
    {"SignedLeadingPoint", "-.5", -0.5},
    {"TrailingPoint", "5.", 5},
    {"PointAlone", ".", 0},
    {"SecondPointEndsTheNumber", "1.2.3", 1.2},
    {"Exponent", "1e3", 1000},
    {"UpperCaseSignedExponent", "1E+3", 1000},
    {"NegativeExponent", "2.5e-1", 0.25},
    {"ExponentAfterTrailingPoint", "5.e2", 500},
    {"ExponentWithoutDigits", "1e", 1},
    {"ExponentSignWithoutDigits", "1e+", 1},
    {"ExponentFollowedByLetter", "1ex", 1},
    {"ExponentWithoutMantissa", "e5", 0},
    {"PointThenExponent", ".e1", 0},
    {"SecondExponentEnds", "1e2e3", 100},
    {"OverflowIsInfinite", "1e999", Infinity},
    {"NegativeOverflowIsInfinite", "-1e999", -Infinity},
    {"UnderflowIsZero", "1e-999", 0},
    {"HugeExponentOfZero", "0e99999999999999999999", 0},
    {"ManyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0},
    {"HexUpperCase", "&HFF", 255},
    {"HexLowerCase", "&hff", 255},
    {"HexMixedCase", "&hFf", 255},
    {"HexWithoutDigits", "&H", 0},
    {"HexWithBadDigit", "&HG", 0},
    {"HexThenJunk", "&H1F junk", 31},
    {"HexWithInnerBlanks", "&H 1 F", 31},
    {"HexWithBlankAfterAmpersand", "& H1F", 31},
    {"HexStopsAtPoint", "&H1.8", 1},
    {"HexAfterSignIsNoNumber", "-&H10", 0},
    {"HexIsNeverNegative", "&HFFFFFFFF", 4294967295.0},
    {"HexRoundsToNearest", "&H20000000000001F", HexBeyondDoublePrecision},
    {"HexOverflowIsInfinite", LongHexText, Infinity},
    {"OctalIsNotRead", "&O17", 0},
    {"AmpersandAlone", "&", 0},
    {"InnerBlanksAreDropped", "1 2 3", 123},
    {"BlankAfterSign", "- 5", -5},
    {"TabAndLineFeed", "\t7\n", 7},
    {"BlanksInsideExponent", "1 e - 3", 0.001},
    {"CarriageReturnIsNotABlank", "\r7", 0},
    {"TrailingJunk", "12abc", 12},
    {"LettersOnly", "abc", 0},
    {"Empty", "", 0},
    {"BlanksOnly", " \t\n ", 0},
    {"CommaIsNotADecimalPoint", "1,5", 1},
    {"CStyleHexIsNotRead", "0x1A", 0},
    {"InfinityWordIsNotRead", "inf", 0},
    {"NanWordIsNotRead", "nan", 0},
    {"ChineseNumerals", "九十九", 0},
    {"DigitsThenChinese", "99个", 99},
    {"FullWidthDigits", "９９", 0},
};

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumber, testing::ValuesIn(textCases),
                         [](const testing::TestParamInfo<TextCase> &info) {
                             return std::string(info.param.name);
                         });

// Switches the C and C++ global locales for the length of a scope.
class GlobalLocaleGuard
{
public:
    GlobalLocaleGuard() : m_savedC(std::setlocale(LC_ALL, nullptr)), m_savedCpp() {}
    ~GlobalLocaleGuard()
    {
        std::locale::global(m_savedCpp);
        std::setlocale(LC_ALL, m_savedC.c_str());
    }
    GlobalLocaleGuard(const GlobalLocaleGuard &) = delete;
    GlobalLocaleGuard &operator=(const GlobalLocaleGuard &) = delete;

    // Sets the first installed locale whose decimal separator is a comma.
    bool useDecimalCommaLocale()
    {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                 "nl_NL.UTF-8", "ru_RU.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8",
                                 "de_DE", "fr_FR"}) {
            try {
                std::locale::global(std::locale(name));
            } catch (const std::runtime_error &) {
                continue;
            }
            std::setlocale(LC_ALL, name);
            if (std::string_view(std::localeconv()->decimal_point) == ",")
                return true;
        }
        return false;
    }

private:
    std::string m_savedC;
    std::locale m_savedCpp;
};

TEST(ReadNumberLocale, DecimalPointStaysAPointInADecimalCommaLocale)
{
    GlobalLocaleGuard guard;
    if (!guard.useDecimalCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma is installed";

    EXPECT_EQ(readNumber("1.5"), 1.5);
    EXPECT_EQ(readNumber("-2.5e-1"), -0.25);
    EXPECT_EQ(readNumber("1,5"), 1);
}

// ---------------------------------------------------------------------------
// toInt16 and toInt32

struct WholeCase
{
    const char *name;
    double value;
    std::optional<std::int32_t> expected; // empty: overflow
};

std::ostream &operator<<(std::ostream &out, const WholeCase &c)
{
    out << std::setprecision(17);
    out << c.value << " -> ";
    if (c.expected)
        return out << *c.expected;
    return out << "overflow";
}

std::string caseName(const testing::TestParamInfo<WholeCase> &info)
{
    return info.param.name;
}

// Rounding rules shared by both widths.
const WholeCase roundingCases[] = {
    {"Zero", 0.0, 0},
    {"NegativeZero", -0.0, 0},
    {"HalfGoesDownToEvenZero", 0.5, 0},
    {"OneAndAHalfGoesUpToTwo", 1.5, 2},
    {"TwoAndAHalfGoesDownToTwo", 2.5, 2},
    {"ThreeAndAHalfGoesUpToFour", 3.5, 4},
    {"NegativeHalfGoesToZero", -0.5, 0},
    {"NegativeOneAndAHalfGoesToMinusTwo", -1.5, -2},
    {"NegativeTwoAndAHalfGoesToMinusTwo", -2.5, -2},
    {"JustBelowHalf", 0.49999999999999994, 0},
    {"JustAboveHalf", 0.5000000000000001, 1},
    {"BelowHalfRoundsDown", 2.4, 2},
    {"AboveHalfRoundsUp", 2.6, 3},
    {"NegativeAboveHalfRoundsAway", -2.6, -3},
    {"NegativeBelowHalfRoundsToward", -2.4, -2},
    {"NotANumber", NotANumber, std::nullopt},
    {"PlusInfinity", Infinity, std::nullopt},
    {"MinusInfinity", -Infinity, std::nullopt},
    {"Huge", 1e300, std::nullopt},
    {"HugeNegative", -1e300, std::nullopt},
};

const WholeCase int16RangeCases[] = {
    {"MaxFromBelow", 32767.4, 32767},
    {"MaxHalfRoundsOverTheTop", 32767.5, std::nullopt},
    {"BelowMaxHalfRoundsToEvenInside", 32766.5, 32766},
    {"OneAboveMax", 32768.0, std::nullopt},
    {"MinHalfRoundsToEvenMin", -32768.5, -32768},
    {"BelowMinHalf", -32768.6, std::nullopt},
    {"AboveMinHalfRoundsToEvenMin", -32767.5, -32768},
    {"OneBelowMin", -32769.0, std::nullopt},
    {"Int32ValueOverflows", 100000.0, std::nullopt},
};

const WholeCase int32RangeCases[] = {
    {"MaxFromBelow", 2147483647.4, 2147483647},
    {"MaxHalfRoundsOverTheTop", 2147483647.5, std::nullopt},
    {"BelowMaxHalfRoundsToEvenInside", 2147483646.5, 2147483646},
    {"OneAboveMax", 2147483648.0, std::nullopt},
    {"MinHalfRoundsToEvenMin", -2147483648.5, std::numeric_limits<std::int32_t>::min()},
    {"BelowMinHalf", -2147483648.6, std::nullopt},
    {"OneBelowMin", -2147483649.0, std::nullopt},
    {"Int16RangeIsNoLimit", 100000.0, 100000},
    {"BeyondDoublePrecisionOfHalves", 4503599627370497.0, std::nullopt},
};

class ToInt16 : public testing::TestWithParam<WholeCase>
{
};

TEST_P(ToInt16, RoundsHalfToEvenWithinRange)
{
    const WholeCase &c = GetParam();
    const std::optional<std::int16_t> result = toInt16(c.value);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (result) {
        EXPECT_EQ(*result, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rounding, ToInt16, testing::ValuesIn(roundingCases), caseName);
INSTANTIATE_TEST_SUITE_P(Range, ToInt16, testing::ValuesIn(int16RangeCases), caseName);

class ToInt32 : public testing::TestWithParam<WholeCase>
{
};

TEST_P(ToInt32, RoundsHalfToEvenWithinRange)
{
    const WholeCase &c = GetParam();
    const std::optional<std::int32_t> result = toInt32(c.value);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (result) {
        EXPECT_EQ(*result, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rounding, ToInt32, testing::ValuesIn(roundingCases), caseName);
INSTANTIATE_TEST_SUITE_P(Range, ToInt32, testing::ValuesIn(int32RangeCases), caseName);

// ---------------------------------------------------------------------------
// wholePart

struct FloorCase
{
    const char *name;
    double value;
    double expected;
};

std::ostream &operator<<(std::ostream &out, const FloorCase &c)
{
    out << std::setprecision(17);
    return out << c.value << " -> " << c.expected;
}

class WholePart : public testing::TestWithParam<FloorCase>
{
};

TEST_P(WholePart, IsTheLargestWholeNumberNotAbove)
{
    const FloorCase &c = GetParam();
    EXPECT_EQ(wholePart(c.value), c.expected);
}

const FloorCase floorCases[] = {
    {"NegativeHalf", -0.5, -1},
    {"NegativeFraction", -2.1, -3},
    {"NegativeWhole", -2, -2},
    {"PositiveFraction", 2.9, 2},
    {"JustBelowThree", 2.9999999999999996, 2},
    {"PositiveWhole", 2, 2},
    {"Zero", 0, 0},
    {"Huge", 1e300, 1e300},
    {"Infinity", Infinity, Infinity},
    {"MinusInfinity", -Infinity, -Infinity},
};

INSTANTIATE_TEST_SUITE_P(Values, WholePart, testing::ValuesIn(floorCases),
                         [](const testing::TestParamInfo<FloorCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(WholePartOfNotANumber, IsNotANumber)
{
    EXPECT_TRUE(std::isnan(wholePart(NotANumber)));
}

// ---------------------------------------------------------------------------
// toSingle

struct SingleCase
{
    const char *name;
    double value;
    float expected;
};

std::ostream &operator<<(std::ostream &out, const SingleCase &c)
{
    out << std::setprecision(17);
    return out << c.value << " -> " << c.expected;
}

class ToSingle : public testing::TestWithParam<SingleCase>
{
};

TEST_P(ToSingle, RoundsToTheNearestSingle)
{
    const SingleCase &c = GetParam();
    EXPECT_EQ(toSingle(c.value), c.expected);
}

constexpr float SingleInfinity = std::numeric_limits<float>::infinity();

// Half-way between FLT_MAX and 2^128: from here on a double rounds to
// infinity, just below it rounds to FLT_MAX.
const double SingleOverflowThreshold = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);

const SingleCase singleCases[] = {
    {"NearWholeNumber", 208.000001, 208.0f},
    {"Tenth", 0.1, 0.1f},
    {"ExactNegative", -3.75, -3.75f},
    {"Zero", 0.0, 0.0f},
    {"Twips", (300.0 - 288.0) * 15 + 11325, 11505.0f},
    {"LargeFinite", 1e38, 1e38f},
    {"Max", double(FLT_MAX), FLT_MAX},
    {"PrintedMaxRoundsToMax", 3.4028235e38, FLT_MAX},
    {"NegativePrintedMaxRoundsToMinusMax", -3.4028235e38, -FLT_MAX},
    {"JustBelowOverflowThreshold", std::nextafter(SingleOverflowThreshold, 0.0), FLT_MAX},
    {"OverflowThreshold", SingleOverflowThreshold, SingleInfinity},
    {"Huge", 1e300, SingleInfinity},
    {"HugeNegative", -1e300, -SingleInfinity},
    {"Infinity", Infinity, SingleInfinity},
    {"MinusInfinity", -Infinity, -SingleInfinity},
    {"UnderflowIsZero", 1e-50, 0.0f},
};

INSTANTIATE_TEST_SUITE_P(Values, ToSingle, testing::ValuesIn(singleCases),
                         [](const testing::TestParamInfo<SingleCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(ToSingleOfNotANumber, IsNotANumber)
{
    EXPECT_TRUE(std::isnan(toSingle(NotANumber)));
}

} // namespace
