#pragma once

#include "pattern/sticker.h"

#include <array>
#include <optional>

namespace tessaly::pattern {

// The front face of the cube in column and row (from 0) of a pattern: the
// cube colours of its 3 x 3 cells in reading order; empty when one of them
// is Unmatched, which no cube can show.
std::optional<std::array<cube::Colour, 9>> cubeFaceColours(const StickerGrid &stickers, int column, int row);

} // namespace tessaly::pattern
