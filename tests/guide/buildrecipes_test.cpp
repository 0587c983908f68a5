// Recipes: every cube in exactly one, the same face throughout, the most
// frequent first and ties broken by the build order.

#include "guide/buildrecipes.h"
#include "guide/wallplan.h"
#include "support/pdfsyntheticguide.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tessaly {
namespace {

// A wall whose cubes' faces are given row by row, each cube solved with as
// many turns as its face's first letter is far from W in "WYROBG".
BuildGuide guideOf(int columns, const std::vector<std::string> &faces)
{
    BuildGuide guide;
    guide.figures.cubeColumns = columns;
    guide.figures.cubeRows = int(faces.size()) / columns;
    for (std::size_t at = 0; at < faces.size(); ++at) {
        GuideCube cube;
        cube.column = int(at) % columns + 1;
        cube.row = int(at) / columns + 1;
        cube.face = *faceFromLetters(faces[at]);
        cube.twists = CubeTwists{cube::Colour::Green, cube::Colour::White, int(cube.face[0]), "R"};
        guide.cubes.push_back(cube);
    }
    return guide;
}

std::string lettersOf(const CubeFace &face)
{
    std::string letters;
    for (const FaceMark mark : face)
        letters += faceMarkLetter(mark);
    return letters;
}

// "column,row" of a recipe's cubes in their order.
std::vector<std::string> placesOf(const Recipe &recipe)
{
    std::vector<std::string> places;
    for (const RecipeCube &cube : recipe.cubes)
        places.push_back(std::to_string(cube.column) + "," + std::to_string(cube.row));
    return places;
}

const std::string A = "WWWWWWWWR";
const std::string B = "YYYYYYYYR";
const std::string C = "GGGGKKKK-";

TEST(BuildRecipesTest, MostCubesFirstEachCubeInBuildOrder)
{
    // A A B
    // C A B
    const BuildGuide guide = guideOf(3, {A, A, B, C, A, B});
    const WallPlan wall = planWall(3, 2, {{2, 2}, std::nullopt, BuildOrder::TopDown});
    const std::vector<Recipe> recipes = collectRecipes(guide, wall);
    ASSERT_EQ(recipes.size(), 3u);
    EXPECT_EQ(lettersOf(recipes[0].face), A);
    EXPECT_EQ(lettersOf(recipes[1].face), B);
    EXPECT_EQ(lettersOf(recipes[2].face), C);
    // Block 1 holds columns 1-2, block 2 column 3: A's cubes block by block.
    EXPECT_EQ(placesOf(recipes[0]), (std::vector<std::string>{"1,1", "2,1", "2,2"}));
    EXPECT_EQ(recipes[0].cubes[2].block, 0);
    EXPECT_EQ(recipes[0].cubes[2].card, 3);
    EXPECT_EQ(recipes[1].cubes[1].block, 1);
    EXPECT_EQ(recipes[1].cubes[1].card, 1);
    EXPECT_EQ(recipes[2].turns(), int(FaceMark::Green));
}

TEST(BuildRecipesTest, TiesGoToTheRecipeNeededFirst)
{
    // A B
    // B A
    const BuildGuide guide = guideOf(2, {A, B, B, A});
    const auto firstFace = [&](BuildOrder order) {
        const WallPlan wall = planWall(2, 2, {{2, 1}, std::nullopt, order});
        return lettersOf(collectRecipes(guide, wall).front().face);
    };
    EXPECT_EQ(firstFace(BuildOrder::TopDown), A);  // cube 1,1 comes first
    EXPECT_EQ(firstFace(BuildOrder::BottomUp), B); // cube 1,2 comes first
}

// A wall built from the floor numbers each block's cards from its bottom
// row up, each row left to right, as it is mounted.
TEST(BuildRecipesTest, CardsAreNumberedInBuildOrder)
{
    // A A B      block 1: columns 1-2, rows 1-2
    // C A B
    const BuildGuide guide = guideOf(3, {A, A, B, C, A, B});
    const auto cardsOf = [&](BuildOrder order) {
        const WallPlan wall = planWall(3, 2, {{2, 2}, std::nullopt, order});
        const std::vector<Recipe> recipes = collectRecipes(guide, wall);
        std::vector<std::string> cards; // "column,row=card" of A's cubes, from 1
        for (const RecipeCube &cube : recipes.front().cubes)
            cards.push_back(std::to_string(cube.column) + "," + std::to_string(cube.row) + "="
                            + std::to_string(cube.card + 1));
        return cards;
    };
    EXPECT_EQ(cardsOf(BuildOrder::TopDown), (std::vector<std::string>{"1,1=1", "2,1=2", "2,2=4"}));
    EXPECT_EQ(cardsOf(BuildOrder::BottomUp), (std::vector<std::string>{"2,2=2", "1,1=3", "2,1=4"}));
}

// On a larger wall with many faces: each cube once, one face per recipe,
// distinct faces, counts never rising.
TEST(BuildRecipesTest, RecipesCoverEveryCubeExactlyOnce)
{
    const BuildGuide guide = test::syntheticGuide(41, 29, false, 7);
    const WallPlan wall = planWall(14, 10, {{4, 5}, CubeExtent{6, 6}, BuildOrder::BottomUp});
    const std::vector<Recipe> recipes = collectRecipes(guide, wall);

    std::set<std::pair<int, int>> seen;
    std::set<std::string> faces;
    for (std::size_t index = 0; index < recipes.size(); ++index) {
        const Recipe &recipe = recipes[index];
        ASSERT_FALSE(recipe.cubes.empty());
        EXPECT_TRUE(faces.insert(lettersOf(recipe.face)).second);
        if (index > 0) {
            EXPECT_LE(recipe.cubes.size(), recipes[index - 1].cubes.size());
        }
        for (const RecipeCube &cube : recipe.cubes) {
            EXPECT_TRUE(seen.insert({cube.column, cube.row}).second) << cube.column << "," << cube.row;
            EXPECT_EQ(guide.cubeAt(cube.column, cube.row).face, recipe.face);
            EXPECT_EQ(wall.blockAt(cube.column, cube.row), cube.block);
        }
    }
    EXPECT_EQ(seen.size(), guide.cubes.size());
    EXPECT_GT(recipes.size(), 20u); // the pattern has many faces
}

} // namespace
} // namespace tessaly
