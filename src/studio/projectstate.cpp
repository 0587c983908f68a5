#include "studio/projectstate.h"

#include <algorithm>

namespace tessaly::studio {

bool keepsTouchUps(const pattern::PatternRecipe &before, const pattern::PatternRecipe &after)
{
    return before.wall == after.wall && before.fit == after.fit && before.crop == after.crop;
}

ProjectState withSettings(const ProjectState &state, const pattern::PatternRecipe &recipe, long long cubeBudget)
{
    ProjectState changed{recipe, cubeBudget, state.touchUps, state.layout};
    if (!keepsTouchUps(state.recipe, recipe))
        changed.touchUps.clear();
    return changed;
}

std::vector<TouchUp> withTouchUp(std::vector<TouchUp> touchUps, const TouchUp &touchUp)
{
    const auto sameCell = [&](const TouchUp &other) { return other.x == touchUp.x && other.y == touchUp.y; };
    const auto existing = std::find_if(touchUps.begin(), touchUps.end(), sameCell);
    if (existing != touchUps.end())
        *existing = touchUp;
    else
        touchUps.push_back(touchUp);
    return touchUps;
}

} // namespace tessaly::studio
