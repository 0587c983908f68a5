#include "studio/patternfigures.h"

#include "cube/shippedfaceturntable.h"

namespace tessaly::studio {

std::optional<double> PatternFigures::averageTurns() const
{
    if (countedCubes == 0)
        return std::nullopt;
    return double(totalTurns) / double(countedCubes);
}

std::optional<std::array<cube::Colour, 9>> cubeFaceColours(const pattern::StickerGrid &stickers, int column, int row)
{
    std::array<cube::Colour, 9> face{};
    for (int place = 0; place < 9; ++place) {
        const std::optional<cube::Colour> colour =
            pattern::colourOf(stickers.at(3 * column + place % 3, 3 * row + place / 3));
        if (!colour)
            return std::nullopt;
        face[std::size_t(place)] = *colour;
    }
    return face;
}

PatternFigures patternFigures(const pattern::StickerGrid &stickers)
{
    PatternFigures figures;
    for (pattern::Sticker sticker : stickers.values())
        ++figures.stickers[std::size_t(sticker)];
    const int columns = stickers.width() / 3;
    const int rows = stickers.height() / 3;
    figures.cubes = (long long)columns * rows;
    const cube::FaceTurnTable &table = cube::faceTurnTable();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (const auto face = cubeFaceColours(stickers, column, row)) {
                figures.totalTurns += table.turns(*face);
                ++figures.countedCubes;
            }
        }
    }
    return figures;
}

} // namespace tessaly::studio
