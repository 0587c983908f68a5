#include "support/wallturns.h"

#include "cube/faceturntable.h"

#include <array>

namespace tessaly::bench {

std::optional<WallTurns> countWallTurns(const pattern::StickerGrid &stickers, const cube::FaceTurnTable &table)
{
    WallTurns turns;
    for (int cubeTop = 0; cubeTop + 3 <= stickers.height(); cubeTop += 3) {
        for (int cubeLeft = 0; cubeLeft + 3 <= stickers.width(); cubeLeft += 3) {
            std::array<cube::Colour, 9> face{};
            for (int place = 0; place < 9; ++place) {
                const auto colour = pattern::colourOf(stickers.at(cubeLeft + place % 3, cubeTop + place / 3));
                if (!colour)
                    return std::nullopt;
                face[std::size_t(place)] = *colour;
            }
            turns.total += table.turns(face);
            ++turns.cubes;
        }
    }
    return turns;
}

} // namespace tessaly::bench
