#pragma once

#include "guide/buildguide.h"
#include "pattern/sticker.h"

#include <QString>

namespace tessaly::cube {
class FaceSolver;
}

namespace tessaly::studio {

// One cube of the wall as the builder needs it: where it goes, what its
// front shows and how to twist a solved cube into it.
struct CubeInfo
{
    int column = 1; // from 1, as the guide counts
    int row = 1;
    CubeFace face{};
    CubeTwists twists;
};

// The cube at column, row (from 0) of a wall of whole cubes, solved.
CubeInfo cubeInfo(const pattern::StickerGrid &stickers, int column, int row, const cube::FaceSolver &solver);

// The face as nine letters, top row first ("WWR ...").
QString faceLetters(const CubeFace &face);

} // namespace tessaly::studio
