#pragma once

#include "engine/mosaichost.h"
#include "engine/palette.h"

#include <cstdint>

namespace tessaly {

// The messages a run shows, each in a box titled "错误".
namespace RunMessage {
inline constexpr const char *CountsExceedPicture = "宽高数值超过图片大小";
inline constexpr const char *CountsInvalid = "宽高数值无效";
inline constexpr const char *ToleranceInvalid = "阈值数值无效";
} // namespace RunMessage

// One mosaic generation run: what a click on Generate does. Clears the
// canvas, checks the column and row counts against the source picture,
// samples the picture on a grid whose steps the counts set, classifies every
// sample and draws it as a 4-pixel cell (divided by the scale divisor), with
// a black frame round every 3x3 block of cells. Yields to the window at the
// start of every row and after every cell; another run may start inside such
// a yield and runs to its end before this one goes on.
//
// scaleDivisor is the window's own, shared by nested runs. The run reports
// what the user can fix with showError and never fails otherwise.
void generateMosaic(MosaicHost &host, const Palette &palette, std::int16_t &scaleDivisor);

} // namespace tessaly
