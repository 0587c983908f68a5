#include "support/whitewall.h"

namespace tessaly::test {

pattern::PhotoPatternResult whiteWall(const pattern::SrgbPicture &, const pattern::PatternRecipe &recipe,
                                      const pattern::PatternProgress &)
{
    const int width = recipe.wall.cellColumns();
    const int height = recipe.wall.cellRows();
    pattern::PhotoPatternResult result;
    result.pattern = pattern::PhotoPattern{pattern::StickerGrid(width, height, pattern::Sticker::White),
                                           pattern::LinearGrid(width, height, pattern::LinearRgb{1, 1, 1}), 0.0};
    return result;
}

} // namespace tessaly::test
