#pragma once

#include "guide/patternproject.h"

namespace tessaly::studio {

// What an undoable edit changes: the recipe, the wall's cube budget, the
// stickers set by hand and the guide's layout. The picture is not part of
// it: opening another one starts anew.
struct ProjectState
{
    pattern::PatternRecipe recipe;
    long long cubeBudget = 0; // 0: the wall is columns x rows as typed
    std::vector<TouchUp> touchUps;
    GuideLayout layout;

    bool operator==(const ProjectState &) const = default;
};

// Whether touch-ups made under one recipe still mean the same cells under
// another: only when the wall and its framing (fit and crop) stay as they
// were. Other settings (adjustments, method, palette) leave them be.
bool keepsTouchUps(const pattern::PatternRecipe &before, const pattern::PatternRecipe &after);

// The state with its settings changed to the recipe and budget, its touch-ups
// kept or dropped as keepsTouchUps says.
ProjectState withSettings(const ProjectState &state, const pattern::PatternRecipe &recipe, long long cubeBudget);

// The touch-ups with cell (x, y) set to the sticker; a touch-up already on
// that cell is replaced, the rest keep their order.
std::vector<TouchUp> withTouchUp(std::vector<TouchUp> touchUps, const TouchUp &touchUp);

} // namespace tessaly::studio
