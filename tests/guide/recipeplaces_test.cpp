// Where a recipe's cubes go, as the recipe pages list it.

#include "guide/buildrecipes.h"
#include "guide/recipeplaces.h"
#include "guide/wallplan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

struct PlacesCase
{
    const char *name;
    std::vector<std::pair<int, int>> cards; // block and card, from 1
    std::vector<std::string> expected;
};

class RecipePlacesTest : public testing::TestWithParam<PlacesCase> {};

// Three blocks of 4 x 5 = 20 cards and a last one of 2 x 5 = 10 cards.
TEST_P(RecipePlacesTest, ListsBlocksAndCards)
{
    const WallPlan wall = planWall(14, 5, {{4, 5}, std::nullopt, BuildOrder::TopDown});
    Recipe recipe;
    for (const auto &[block, card] : GetParam().cards)
        recipe.cubes.push_back({block - 1, card - 1, 1, 1});
    EXPECT_EQ(recipePlaces(recipe, wall), GetParam().expected);
}

std::vector<std::pair<int, int>> wholeBlock(int block, int cards)
{
    std::vector<std::pair<int, int>> all;
    for (int card = 1; card <= cards; ++card)
        all.push_back({block, card});
    return all;
}

std::vector<std::pair<int, int>> joined(std::vector<std::pair<int, int>> a, const std::vector<std::pair<int, int>> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecipePlacesTest,
    testing::Values(
        PlacesCase{"OneCard", {{2, 7}}, {"B2: 7"}},
        PlacesCase{"RunOfThreeIsARange", {{1, 1}, {1, 2}, {1, 3}, {1, 7}}, {"B1: 1\u20133, 7"}},
        PlacesCase{"RunOfTwoStaysAList", {{1, 9}, {1, 10}, {1, 12}}, {"B1: 9, 10, 12"}},
        PlacesCase{"GroupsPerBlock", {{1, 20}, {3, 1}, {3, 2}}, {"B1: 20", "B3: 1, 2"}},
        PlacesCase{"WholeBlock", wholeBlock(2, 20), {"B2: all"}},
        PlacesCase{"RunOfWholeBlocks", joined(joined(wholeBlock(1, 20), wholeBlock(2, 20)), wholeBlock(3, 20)),
                   {"B1\u20133: all"}},
        PlacesCase{"WholeSmallBlockAfterAPartOne", joined({{3, 4}}, wholeBlock(4, 10)), {"B3: 4", "B4: all"}},
        PlacesCase{"WholeBlocksApart", joined(joined(wholeBlock(1, 20), {{2, 5}}), wholeBlock(3, 20)),
                   {"B1: all", "B2: 5", "B3: all"}},
        PlacesCase{"AllButOneCard", joined({{1, 1}}, {{1, 3}, {1, 4}, {1, 5}}), {"B1: 1, 3\u20135"}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaly
