#include "support/wallturns.h"

#include "cube/faceturntable.h"
#include "pattern/cubeface.h"

namespace tessaly::bench {

std::optional<WallTurns> countWallTurns(const pattern::StickerGrid &stickers, const cube::FaceTurnTable &table)
{
    WallTurns turns;
    for (int row = 0; row < stickers.height() / 3; ++row) {
        for (int column = 0; column < stickers.width() / 3; ++column) {
            const auto face = pattern::cubeFaceColours(stickers, column, row);
            if (!face)
                return std::nullopt;
            turns.total += table.turns(*face);
            ++turns.cubes;
        }
    }
    return turns;
}

} // namespace tessaly::bench
