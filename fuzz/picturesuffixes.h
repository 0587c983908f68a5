#pragma once

// File name suffixes the picture-intake fuzzer gives its input file. Qt picks
// an image handler by suffix before it looks at the content, so a dropped
// file's name matters as much as its bytes. The first byte of a fuzz input
// selects the suffix; the seed writer uses the same table.

#include <array>
#include <cstddef>
#include <string_view>

namespace tessaly::fuzz {

constexpr std::array<std::string_view, 18> PictureSuffixes = {
    "",    "bmp", "png", "jpg", "gif", "webp", "tif", "ico", "pbm",
    "pgm", "ppm", "xbm", "xpm", "tga", "wbmp", "icns", "svg", "txt",
};

constexpr std::string_view suffixForSelector(unsigned char selector)
{
    return PictureSuffixes[selector % PictureSuffixes.size()];
}

// The selector byte that gives suffix, or the empty suffix's when unknown.
constexpr unsigned char selectorForSuffix(std::string_view suffix)
{
    for (std::size_t i = 0; i < PictureSuffixes.size(); ++i) {
        if (PictureSuffixes[i] == suffix)
            return static_cast<unsigned char>(i);
    }
    return 0;
}

} // namespace tessaly::fuzz
