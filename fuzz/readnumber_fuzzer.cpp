// Feeds arbitrary bytes as a field's text to readNumber and the value on
// through the whole-number and single-precision conversions, checking each
// result against rules that hold for every text and against independent
// parsers (std::from_chars for decimals, integer arithmetic for "&H").

#include "platform/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using tessaly::readNumber;

// The text with bytes outside printable ASCII as \xNN.
std::string printable(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            shown.push_back(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    return shown;
}

void require(bool holds, const char *rule, std::string_view text, double value)
{
    if (holds)
        return;
    std::fprintf(stderr, "readnumber_fuzzer: %s\n  text (%zu bytes): \"%s\"\n  value: %.17g\n",
                 rule, text.size(), printable(text).c_str(), value);
    std::abort();
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (!isBlank(c))
            kept.push_back(c);
    }
    return kept;
}

bool sameValue(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Compares a decimal text that starts with a digit or a point after an
// optional sign with std::from_chars, which stops at the same places as the
// reading rule (an exponent needs a digit) but takes no '+'.
void checkDecimal(std::string_view text, std::string_view compact, double value)
{
    bool negative = false;
    if (!compact.empty() && (compact[0] == '+' || compact[0] == '-')) {
        negative = compact[0] == '-';
        compact.remove_prefix(1);
    }
    if (compact.empty() || !(isDigit(compact[0]) || compact[0] == '.')) {
        require(value == 0, "a text without a leading number does not read 0", text, value);
        return;
    }
    double magnitude = 0;
    const std::from_chars_result parsed = std::from_chars(
        compact.data(), compact.data() + compact.size(), magnitude, std::chars_format::general);
    require(std::signbit(value) == negative || value == 0, "the value has the wrong sign", text,
            value);
    if (parsed.ec == std::errc::invalid_argument) {
        require(value == 0, "a text without digits does not read 0", text, value);
    } else if (parsed.ec == std::errc::result_out_of_range) {
        require(std::isinf(value) || std::fabs(value) < DBL_MIN,
                "an out-of-range decimal is neither infinite nor (nearly) zero", text, value);
    } else {
        require(value == (negative ? -magnitude : magnitude),
                "decimal text differs from std::from_chars", text, value);
    }
}

// Up to 16 hexadecimal digits fit a 64-bit integer exactly; its conversion to
// double is correctly rounded.
void checkHexadecimal(std::string_view text, std::string_view compact, double value)
{
    std::string_view digits = compact.substr(2);
    std::size_t length = 0;
    while (length < digits.size() && isHexDigit(digits[length]))
        ++length;
    require(value >= 0, "a hexadecimal text reads negative", text, value);
    if (length > 16)
        return;
    std::uint64_t exact = 0;
    std::from_chars(digits.data(), digits.data() + length, exact, 16);
    require(value == double(exact), "hexadecimal text differs from its integer value", text, value);
}

void checkReading(std::string_view text, double value)
{
    require(!std::isnan(value), "readNumber gave NaN", text, value);

    // Blanks are dropped before reading, wherever they stand.
    require(sameValue(readNumber(" \t\n" + std::string(text)), value),
            "leading blanks change the value", text, value);
    std::string withInnerBlank(text);
    withInnerBlank.insert(text.size() / 2, " ");
    require(sameValue(readNumber(withInnerBlank), value), "an inner blank changes the value", text,
            value);

    // Whatever follows the number is ignored.
    require(sameValue(readNumber(std::string(text) + "x"), value),
            "trailing junk changes the value", text, value);

    const std::string compact = withoutBlanks(text);
    const bool hexadecimal = compact.size() >= 2 && compact[0] == '&'
        && (compact[1] == 'H' || compact[1] == 'h');
    if (hexadecimal) {
        checkHexadecimal(text, compact, value);
        return;
    }
    checkDecimal(text, compact, value);

    // A sign in front of an unsigned decimal negates it.
    if (!compact.empty() && (isDigit(compact[0]) || compact[0] == '.')) {
        require(sameValue(readNumber("-" + std::string(text)), -value),
                "a minus sign does not negate", text, value);
        require(sameValue(readNumber("+" + std::string(text)), value),
                "a plus sign changes the value", text, value);
    }
}

// Present exactly when the half-to-even result lies in [min, max]: values in
// [min - 0.5, max + 0.5), since min - 0.5 rounds to the even min and
// max + 0.5 to the even max + 1. The result is within 0.5 of the value and,
// at exactly 0.5, even.
template <typename Integer>
void checkWholeNumber(std::optional<Integer> result, std::string_view text, double value)
{
    const double lowest = double(std::numeric_limits<Integer>::min()) - 0.5;
    const double beyond = double(std::numeric_limits<Integer>::max()) + 0.5;
    const bool inRange = value >= lowest && value < beyond;
    require(result.has_value() == inRange, "whole-number overflow at the wrong place", text, value);
    if (!result)
        return;
    const double distance = std::fabs(double(*result) - value);
    require(distance <= 0.5, "whole number more than 0.5 away", text, value);
    if (distance == 0.5)
        require(*result % 2 == 0, "half-way value not rounded to even", text, value);
}

void checkConversions(std::string_view text, double value)
{
    const std::optional<std::int16_t> small = tessaly::toInt16(value);
    const std::optional<std::int32_t> large = tessaly::toInt32(value);
    checkWholeNumber(small, text, value);
    checkWholeNumber(large, text, value);
    if (small)
        require(large && *large == *small, "toInt16 and toInt32 disagree", text, value);

    // From 2^52 on every double is a whole number (and adding 1 may round).
    const double whole = tessaly::wholePart(value);
    if (std::fabs(value) >= 0x1p52 || !std::isfinite(value)) {
        require(whole == value, "wholePart changed a whole number", text, value);
    } else {
        require(whole <= value && whole + 1 > value && std::trunc(whole) == whole,
                "wholePart is not the largest whole number not above", text, value);
    }

    // No single lies nearer to the value than the one toSingle gives.
    const float single = tessaly::toSingle(value);
    if (std::isinf(value))
        require(single == value, "toSingle of infinity is not infinity", text, value);
    require(std::signbit(single) == std::signbit(value) || single == 0,
            "toSingle changed the sign", text, value);
    if (std::isinf(single)) {
        // Nearer to FLT_MAX than half its last place, FLT_MAX is the nearest.
        constexpr double halfLastPlaceOfMax = 0x1p103;
        require(std::fabs(value) - double(FLT_MAX) >= halfLastPlaceOfMax,
                "toSingle went to infinity although FLT_MAX is nearer", text, value);
        return;
    }
    const double error = std::fabs(double(single) - value);
    const float up = std::nextafter(single, std::numeric_limits<float>::infinity());
    const float down = std::nextafter(single, -std::numeric_limits<float>::infinity());
    const bool upIsNearer = std::isfinite(up) && std::fabs(double(up) - value) < error;
    const bool downIsNearer = std::isfinite(down) && std::fabs(double(down) - value) < error;
    require(!upIsNearer && !downIsNearer, "toSingle is not the nearest single", text, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = readNumber(text);
    checkReading(text, value);
    checkConversions(text, value);
    return 0;
}
