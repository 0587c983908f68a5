#include "pattern/cubeface.h"

namespace tessaly::pattern {

std::optional<std::array<cube::Colour, 9>> cubeFaceColours(const StickerGrid &stickers, int column, int row)
{
    std::array<cube::Colour, 9> face{};
    for (int place = 0; place < 9; ++place) {
        const std::optional<cube::Colour> colour = colourOf(stickers.at(3 * column + place % 3, 3 * row + place / 3));
        if (!colour)
            return std::nullopt;
        face[std::size_t(place)] = *colour;
    }
    return face;
}

} // namespace tessaly::pattern
