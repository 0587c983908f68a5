#pragma once

#include "guide/buildplansettings.h"

#include <QString>

class QPageSize;

namespace tessaly {

struct BuildGuide;

// Lines for the terminal after the guide's summary: the recipes and the
// cubes that need turns, the build time in all and per block, the blocks
// as pageSize's pages would hold them, and each panel's cubes and time.
// Turns and times only once every face is solved.
QString buildPlanSummary(const BuildGuide &guide, const QPageSize &pageSize, const BuildPlanSettings &settings);

} // namespace tessaly
