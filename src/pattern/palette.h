#pragma once

#include "pattern/colourscience.h"
#include "pattern/sticker.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::pattern {

// One sticker colour a builder's cubes have.
struct PaletteColour
{
    Sticker sticker = Sticker::White; // never Unmatched
    Srgb8 colour;
    std::string name; // may be empty

    bool operator==(const PaletteColour &) const = default;
};

// The sticker colours a pattern may use, each sticker at most once, in the
// order W Y R O B G.
struct StickerPalette
{
    std::vector<PaletteColour> colours;

    // The colour of a sticker in the palette; empty when it is not there.
    const PaletteColour *find(Sticker sticker) const;
    bool contains(Sticker sticker) const { return find(sticker) != nullptr; }
    // "WYROBG" or the part of it in use.
    std::string letters() const;

    bool operator==(const StickerPalette &) const = default;
};

// The cell colour an Unmatched cell is scored and drawn with: mid grey.
inline constexpr Srgb8 UnmatchedColour{0x80, 0x80, 0x80};

// The colour a sticker shows with this palette; UnmatchedColour for
// Unmatched and for a sticker the palette lacks.
Srgb8 displayColour(const StickerPalette &palette, Sticker sticker);

// The built-in palettes.
StickerPalette standardPalette();
StickerPalette classicPalette();
// "standard" or "classic", in any case; empty for any other name.
std::optional<StickerPalette> builtInPalette(std::string_view name);

// A palette read from text, or why it cannot be one.
struct PaletteReading
{
    std::optional<StickerPalette> palette;
    std::string error; // names the line where a line is at fault
};

// Reads a palette file's text: lines "LETTER #RRGGBB [name]", blank lines and
// lines starting with '#' skipped; each letter of W Y R O B G at most once,
// each with a colour of its own, at least two colours.
PaletteReading parsePalette(std::string_view text);

// The palette with only the stickers named by letters (e.g. "WYROB"), each
// letter once, each in the palette, at least two.
PaletteReading restrictPalette(const StickerPalette &palette, std::string_view letters);

// "#B71234".
std::string hexOf(Srgb8 colour);

// The palette as a file's text, which parsePalette reads back equal.
std::string paletteText(const StickerPalette &palette);

} // namespace tessaly::pattern
