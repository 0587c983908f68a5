#pragma once

#include "pattern/sticker.h"

#include <optional>

namespace tessaly::cube {
class FaceTurnTable;
}

namespace tessaly::bench {

// How much twisting a pattern asks of its builders.
struct WallTurns
{
    long long total = 0; // the optimal turns of every cube, added up
    long long cubes = 0;

    double perCube() const { return cubes > 0 ? double(total) / double(cubes) : 0.0; }
};

// Each whole cube of the pattern (3 x 3 cells from the top left; cells past
// the last whole cube are not counted) looked up in the table as a front
// face in reading order. Empty when a counted cell is Unmatched, which no
// cube can show.
std::optional<WallTurns> countWallTurns(const pattern::StickerGrid &stickers, const cube::FaceTurnTable &table);

} // namespace tessaly::bench
