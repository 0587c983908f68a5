#pragma once

#include "guide/buildtime.h"
#include "guide/wallplan.h"

#include <optional>

namespace tessaly {

// How the builders want their guide planned: the order of the blocks, the
// panels the wall is cut into, and their pace for the time estimates.
struct BuildPlanSettings
{
    BuildOrder order = BuildOrder::TopDown;
    std::optional<CubeExtent> panel; // none: the wall is built as one piece
    BuildPace pace;

    bool operator==(const BuildPlanSettings &) const = default;
};

} // namespace tessaly
