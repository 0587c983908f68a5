#include "studio/patternfigures.h"

#include "cube/shippedfaceturntable.h"
#include "pattern/cubeface.h"

namespace tessaly::studio {

std::optional<double> PatternFigures::averageTurns() const
{
    if (countedCubes == 0)
        return std::nullopt;
    return double(totalTurns) / double(countedCubes);
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
            if (const auto face = pattern::cubeFaceColours(stickers, column, row)) {
                figures.totalTurns += table.turns(*face);
                ++figures.countedCubes;
            }
        }
    }
    return figures;
}

} // namespace tessaly::studio
