#pragma once

#include "pattern/palette.h"

#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// The colours of a photo pattern: those it may use, and those of the cubes
// it is built with.
struct PhotoPalette
{
    std::optional<pattern::StickerPalette> palette; // empty on failure
    // Every cube colour, also those the pattern leaves out: the palette's
    // own where it has one, else the standard palette's.
    std::array<pattern::Srgb8, cube::ColourCount> cubeColours{};
    QString error; // why there is no palette, naming the file and line at fault
};

// A palette file (lines "LETTER #RRGGBB [name]"), or why it cannot be
// used: unreadable, over 64 KB, or a line parsePalette refuses.
pattern::PaletteReading readPaletteFile(const QString &path);

// Every cube colour as the palette shows it, the standard palette's where
// it has none (a cube's grip may still name them).
std::array<pattern::Srgb8, cube::ColourCount> cubeColoursOf(const pattern::StickerPalette &palette);

// The built-in palette of that name, else the palette file at that path;
// restricted to the letters when there are any.
PhotoPalette choosePhotoPalette(const QString &nameOrFile, const QString &letters);

} // namespace tessaly
