#pragma once

#include "pattern/photopattern.h"

namespace tessaly::test {

// A quick stand-in for the pattern maker: every sticker of the recipe's
// wall white.
pattern::PhotoPatternResult whiteWall(const pattern::SrgbPicture &picture, const pattern::PatternRecipe &recipe,
                                      const pattern::PatternProgress &progress);

} // namespace tessaly::test
