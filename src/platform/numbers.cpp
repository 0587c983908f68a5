#include "platform/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace tessaly {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept.push_back(c);
    }
    return kept;
}

// Length of the longest leading part of text that forms a decimal number:
// [sign] digits [. digits] [e [sign] digits], with at least one digit in the
// mantissa. 0 when there is none.
std::size_t decimalPrefixLength(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    std::size_t mantissaDigits = 0;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
        ++mantissaDigits;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    // An exponent counts only when at least one digit follows it.
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponentAt = at + 1;
        if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-'))
            ++exponentAt;
        if (exponentAt < text.size() && isDigit(text[exponentAt])) {
            while (exponentAt < text.size() && isDigit(text[exponentAt]))
                ++exponentAt;
            at = exponentAt;
        }
    }
    return at;
}

// strtod in the C locale, whatever locale the application runs in, so the
// decimal point is always '.'. The result is correctly rounded; overflow gives
// infinity, underflow 0.
double parseInCLocale(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

// The leading hexadecimal digits as a non-negative number, 0 when there are
// none. Handed to strtod as "0x..." so that more digits than a double holds
// round to the nearest double rather than being cut off digit by digit.
double readHexadecimal(std::string_view text)
{
    std::size_t length = 0;
    while (length < text.size() && isHexDigit(text[length]))
        ++length;
    if (length == 0)
        return 0;
    return parseInCLocale("0x" + std::string(text.substr(0, length)));
}

// Nearest whole number, a value exactly half-way going to the even one.
// Independent of the floating-point rounding mode.
double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Integer>
std::optional<Integer> toWholeNumber(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = roundHalfToEven(value);
    if (rounded < double(std::numeric_limits<Integer>::min())
        || rounded > double(std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

} // namespace

double readNumber(std::string_view text)
{
    const std::string compact = withoutBlanks(text);
    const std::string_view view = compact;
    if (view.size() >= 2 && view[0] == '&' && (view[1] == 'H' || view[1] == 'h'))
        return readHexadecimal(view.substr(2));
    const std::size_t length = decimalPrefixLength(view);
    if (length == 0)
        return 0;
    return parseInCLocale(compact.substr(0, length));
}

std::optional<std::int16_t> toInt16(double value) { return toWholeNumber<std::int16_t>(value); }

std::optional<std::int32_t> toInt32(double value) { return toWholeNumber<std::int32_t>(value); }

double wholePart(double value) { return std::floor(value); }

} // namespace tessaly
