#pragma once

#include "guide/buildguide.h"

#include <cstdint>

namespace tessaly::test {

// A build guide of cellColumns x cellRows cells made up without a picture:
// rings of the six colours round the middle with black cells sprinkled in,
// the same for the same seed. With twists, every cube gets a made-up grip
// and moves (some none). The figures are counted from the cubes.
BuildGuide syntheticGuide(int cellColumns, int cellRows, bool withTwists, std::uint32_t seed = 1);

// The mark the synthetic pattern puts at cell (x, y), from 0, of a mosaic of
// cellColumns x cellRows cells.
FaceMark syntheticMark(int x, int y, int cellColumns, int cellRows, std::uint32_t seed = 1);

} // namespace tessaly::test
