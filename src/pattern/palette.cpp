#include "pattern/palette.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tessaly::pattern {

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

// The text up to the first blank, and what follows it.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text)
{
    const std::size_t end = std::min(text.find_first_of(Blanks), text.size());
    return {text.substr(0, end), text.substr(end)};
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "#RRGGBB" in either case; empty for anything else.
std::optional<Srgb8> colourOfHex(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    std::array<std::uint8_t, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const int high = hexDigit(text[1 + 2 * i]);
        const int low = hexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = std::uint8_t(high * 16 + low);
    }
    return Srgb8{channels[0], channels[1], channels[2]};
}


// A sticker of a cube colour named by a one-letter word; K (Unmatched) is
// not a colour a palette can hold.
std::optional<Sticker> cubeStickerOf(std::string_view word)
{
    if (word.size() != 1)
        return std::nullopt;
    const std::optional<Sticker> sticker = stickerFromLetter(word[0]);
    if (!sticker || *sticker == Sticker::Unmatched)
        return std::nullopt;
    return sticker;
}

void sortByStickers(std::vector<PaletteColour> &colours)
{
    std::sort(colours.begin(), colours.end(),
              [](const PaletteColour &one, const PaletteColour &other) { return one.sticker < other.sticker; });
}

StickerPalette paletteOf(const std::array<const char *, StickerColourCount> &hexColours)
{
    StickerPalette palette;
    for (int s = 0; s < StickerColourCount; ++s) {
        const Sticker sticker = Sticker(s);
        palette.colours.push_back(
            {sticker, *colourOfHex(hexColours[std::size_t(s)]), cube::colourName(*colourOf(sticker))});
    }
    return palette;
}

PaletteReading refusal(std::string error)
{
    return {std::nullopt, std::move(error)};
}

// The text in double quotes.
std::string quoted(std::string_view text)
{
    std::string inQuotes(1, '"');
    inQuotes += text;
    inQuotes += '"';
    return inQuotes;
}

std::string lineError(int number, std::string_view line, std::string_view problem)
{
    return "line " + std::to_string(number) + ": " + quoted(line) + ": " + std::string(problem);
}

// The palette's entry of that colour, if any.
const PaletteColour *findColour(const StickerPalette &palette, Srgb8 colour)
{
    const auto found = std::ranges::find(palette.colours, colour, &PaletteColour::colour);
    return found == palette.colours.end() ? nullptr : &*found;
}

std::string colourCount(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " colour" : " colours");
}

} // namespace

const PaletteColour *StickerPalette::find(Sticker sticker) const
{
    const auto found = std::find_if(colours.begin(), colours.end(),
                                    [sticker](const PaletteColour &colour) { return colour.sticker == sticker; });
    return found == colours.end() ? nullptr : &*found;
}

std::string StickerPalette::letters() const
{
    std::string text;
    for (const PaletteColour &colour : colours)
        text += stickerLetter(colour.sticker);
    return text;
}

Srgb8 displayColour(const StickerPalette &palette, Sticker sticker)
{
    const PaletteColour *colour = palette.find(sticker);
    return colour ? colour->colour : UnmatchedColour;
}

StickerPalette standardPalette()
{
    return paletteOf({"#FFFFFF", "#FFD500", "#B71234", "#FF5800", "#0046AD", "#009B48"});
}

StickerPalette classicPalette()
{
    return paletteOf({"#FFFFFF", "#FFD500", "#C41E3A", "#FF5800", "#0051BA", "#009E60"});
}

std::optional<StickerPalette> builtInPalette(std::string_view name)
{
    const auto named = [name](std::string_view builtIn) {
        return std::ranges::equal(name, builtIn, [](char one, char other) {
            return std::tolower(static_cast<unsigned char>(one)) == other;
        });
    };
    if (named("standard"))
        return standardPalette();
    if (named("classic"))
        return classicPalette();
    return std::nullopt;
}

PaletteReading parsePalette(std::string_view text)
{
    constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
    if (text.starts_with(Utf8Mark))
        text.remove_prefix(Utf8Mark.size());

    StickerPalette palette;
    std::array<int, StickerColourCount> lineOfSticker{}; // 0 while not given
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;

        const auto [letter, afterLetter] = firstWord(line);
        const auto [hex, afterHex] = firstWord(trimmed(afterLetter));
        const std::optional<Sticker> sticker = cubeStickerOf(letter);
        if (!sticker)
            return refusal(lineError(lineNumber, line, "the letter must be one of W Y R O B G"));
        const std::optional<Srgb8> colour = colourOfHex(hex);
        if (!colour)
            return refusal(lineError(lineNumber, line, "the colour must be '#' and six hex digits"));
        int &firstLine = lineOfSticker[std::size_t(*sticker)];
        if (firstLine != 0)
            return refusal(lineError(lineNumber, line,
                                     std::string(1, stickerLetter(*sticker)) + " is given twice (first on line "
                                         + std::to_string(firstLine) + ")"));
        firstLine = lineNumber;
        // A sticker map, and a builder, could not tell the two apart.
        if (const PaletteColour *same = findColour(palette, *colour))
            return refusal(lineError(lineNumber, line,
                                     hexOf(*colour) + " is already " + stickerLetter(same->sticker) + "'s colour (line "
                                         + std::to_string(lineOfSticker[std::size_t(same->sticker)])
                                         + "): each letter needs a colour of its own"));
        palette.colours.push_back({*sticker, *colour, std::string(trimmed(afterHex))});
    }

    if (palette.colours.size() < 2)
        return refusal("the palette has " + colourCount(palette.colours.size()) + "; it needs at least two");
    sortByStickers(palette.colours);
    return {std::move(palette), {}};
}

PaletteReading restrictPalette(const StickerPalette &palette, std::string_view letters)
{
    const std::string named = quoted(letters);
    StickerPalette restricted;
    for (const char letter : letters) {
        const std::optional<Sticker> sticker = cubeStickerOf(std::string_view(&letter, 1));
        if (!sticker)
            return refusal(named + ": " + (std::isspace(static_cast<unsigned char>(letter)) ? std::string("a space")
                                                                                             : std::string(1, letter))
                           + " is not one of W Y R O B G");
        const char upper = stickerLetter(*sticker);
        if (restricted.contains(*sticker))
            return refusal(named + ": " + std::string(1, upper) + " is named twice");
        const PaletteColour *colour = palette.find(*sticker);
        if (!colour)
            return refusal(named + ": " + std::string(1, upper) + " is not in the palette, which has "
                           + palette.letters());
        restricted.colours.push_back(*colour);
    }
    if (restricted.colours.size() < 2)
        return refusal(named + ": " + colourCount(restricted.colours.size()) + " named; at least two are needed");
    sortByStickers(restricted.colours);
    return {std::move(restricted), {}};
}

std::string hexOf(Srgb8 colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.r, colour.g, colour.b);
    return text;
}

std::string paletteText(const StickerPalette &palette)
{
    std::string text;
    for (const PaletteColour &colour : palette.colours) {
        text += stickerLetter(colour.sticker);
        text += ' ';
        text += hexOf(colour.colour);
        if (!colour.name.empty())
            text += ' ' + colour.name;
        text += '\n';
    }
    return text;
}

} // namespace tessaly::pattern
