// Panels and blocks cover the wall exactly once, in the order asked for.

#include "guide/wallplan.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly {
namespace {

struct CoverCase
{
    const char *name;
    int columns;
    int rows;
    CubeExtent block;
    std::optional<CubeExtent> panel;
};

class WallCoverTest : public testing::TestWithParam<std::tuple<CoverCase, BuildOrder>> {};

// Every cube lies in exactly one block and one panel, the block inside its
// panel, no block or panel larger than asked, and blockAt agrees.
TEST_P(WallCoverTest, EveryCubeInExactlyOneBlockAndPanel)
{
    const auto &[shape, order] = GetParam();
    const WallPlan plan = planWall(shape.columns, shape.rows, {shape.block, shape.panel, order});
    const CubeExtent panelSize = shape.panel.value_or(CubeExtent{shape.columns, shape.rows});

    std::vector<int> blocksHolding(std::size_t(shape.columns) * std::size_t(shape.rows));
    std::vector<int> panelsHolding(blocksHolding.size());
    const auto at = [&](int column, int row) { return std::size_t(row - 1) * std::size_t(shape.columns) + std::size_t(column - 1); };
    for (int index = 0; index < int(plan.panels.size()); ++index) {
        const PlanPanel &panel = plan.panels[std::size_t(index)];
        EXPECT_LE(panel.cubes.columns, panelSize.columns);
        EXPECT_LE(panel.cubes.rows, panelSize.rows);
        for (int row = panel.cubes.row; row <= panel.cubes.lastRow(); ++row)
            for (int column = panel.cubes.column; column <= panel.cubes.lastColumn(); ++column)
                ++panelsHolding[at(column, row)];
        for (int block = panel.firstBlock; block < panel.firstBlock + panel.blockCount; ++block)
            EXPECT_EQ(plan.blocks[std::size_t(block)].panel, index) << "block " << block;
    }
    for (int index = 0; index < int(plan.blocks.size()); ++index) {
        const PlanBlock &block = plan.blocks[std::size_t(index)];
        EXPECT_GE(block.cubes.columns, 1);
        EXPECT_GE(block.cubes.rows, 1);
        EXPECT_LE(block.cubes.columns, shape.block.columns);
        EXPECT_LE(block.cubes.rows, shape.block.rows);
        const CubeSpan &panel = plan.panels[std::size_t(block.panel)].cubes;
        EXPECT_TRUE(panel.contains(block.cubes.column, block.cubes.row)
                    && panel.contains(block.cubes.lastColumn(), block.cubes.lastRow()))
            << "block " << index;
        for (int row = block.cubes.row; row <= block.cubes.lastRow(); ++row) {
            for (int column = block.cubes.column; column <= block.cubes.lastColumn(); ++column) {
                ++blocksHolding[at(column, row)];
                EXPECT_EQ(plan.blockAt(column, row), index);
            }
        }
    }
    for (std::size_t cube = 0; cube < blocksHolding.size(); ++cube) {
        ASSERT_EQ(blocksHolding[cube], 1) << "cube " << cube;
        ASSERT_EQ(panelsHolding[cube], 1) << "cube " << cube;
    }
    EXPECT_EQ(plan.blocksAcross * plan.blocksDown, int(plan.blocks.size()));
}

// Building starts at the top left corner or at the bottom left one, and
// each row of blocks is built left to right before the next.
TEST_P(WallCoverTest, BlocksFollowTheOrder)
{
    const auto &[shape, order] = GetParam();
    const WallPlan plan = planWall(shape.columns, shape.rows, {shape.block, shape.panel, order});
    const bool topDown = order == BuildOrder::TopDown;
    const CubeSpan &first = plan.blocks.front().cubes;
    EXPECT_EQ(first.column, 1);
    EXPECT_EQ(topDown ? first.row : first.lastRow(), topDown ? 1 : shape.rows);
    for (const PlanPanel &panel : plan.panels) {
        for (int block = panel.firstBlock + 1; block < panel.firstBlock + panel.blockCount; ++block) {
            const CubeSpan &before = plan.blocks[std::size_t(block - 1)].cubes;
            const CubeSpan &now = plan.blocks[std::size_t(block)].cubes;
            if (now.row == before.row) {
                EXPECT_EQ(now.column, before.lastColumn() + 1) << "block " << block;
            } else {
                EXPECT_EQ(topDown ? now.row : now.lastRow(), topDown ? before.lastRow() + 1 : before.row - 1)
                    << "block " << block;
            }
        }
    }
}

const CoverCase CoverCases[] = {
    {"OneCube", 1, 1, {4, 5}, std::nullopt},
    {"WallSmallerThanABlock", 3, 2, {4, 5}, std::nullopt},
    {"BlocksNotDividingTheWall", 35, 31, {4, 5}, std::nullopt},
    {"PanelsNotDividingTheWall", 35, 31, {4, 5}, CubeExtent{12, 9}},
    {"PanelsNarrowerThanABlock", 10, 12, {4, 5}, CubeExtent{3, 2}},
    {"PanelBiggerThanTheWall", 7, 6, {4, 5}, CubeExtent{100, 100}},
    {"PanelsOfOneCube", 5, 4, {4, 5}, CubeExtent{1, 1}},
    {"OneColumnOfCubes", 1, 23, {4, 5}, CubeExtent{1, 10}},
    {"PanelsDividingTheWall", 16, 20, {4, 4}, CubeExtent{8, 10}},
};

INSTANTIATE_TEST_SUITE_P(Shapes, WallCoverTest,
                         testing::Combine(testing::ValuesIn(CoverCases),
                                          testing::Values(BuildOrder::TopDown, BuildOrder::BottomUp)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name)
                                    + (std::get<1>(info.param) == BuildOrder::TopDown ? "TopDown" : "BottomUp");
                         });

// 10 x 7 cubes in panels of 6 x 4 and blocks of 4 x 5, worked out on paper.
TEST(WallPlanTest, PanelsAndBlocksOfAWorkedExample)
{
    const WallPlan topDown = planWall(10, 7, {{4, 5}, CubeExtent{6, 4}, BuildOrder::TopDown});
    ASSERT_EQ(topDown.panels.size(), 4u);
    EXPECT_EQ(topDown.panels[0].cubes, (CubeSpan{1, 1, 6, 4}));
    EXPECT_EQ(topDown.panels[1].cubes, (CubeSpan{7, 1, 4, 4}));
    EXPECT_EQ(topDown.panels[2].cubes, (CubeSpan{1, 5, 6, 3}));
    EXPECT_EQ(topDown.panels[3].cubes, (CubeSpan{7, 5, 4, 3}));
    // A 6-wide panel holds a block of 4 and one of 2; each panel is one block high.
    ASSERT_EQ(topDown.blocks.size(), 6u);
    EXPECT_EQ(topDown.blocks[1].cubes, (CubeSpan{5, 1, 2, 4}));
    EXPECT_EQ(topDown.blocks[2].cubes, (CubeSpan{7, 1, 4, 4}));
    EXPECT_EQ(topDown.blocks[5].cubes, (CubeSpan{7, 5, 4, 3}));
    EXPECT_EQ(topDown.panels[2].firstBlock, 3);
    EXPECT_EQ(topDown.blocksAcross, 3);
    EXPECT_EQ(topDown.blocksDown, 2);

    // From the floor: the full-height panels at the bottom, the short ones on top.
    const WallPlan bottomUp = planWall(10, 7, {{4, 5}, CubeExtent{6, 4}, BuildOrder::BottomUp});
    ASSERT_EQ(bottomUp.panels.size(), 4u);
    EXPECT_EQ(bottomUp.panels[0].cubes, (CubeSpan{1, 4, 6, 4}));
    EXPECT_EQ(bottomUp.panels[1].cubes, (CubeSpan{7, 4, 4, 4}));
    EXPECT_EQ(bottomUp.panels[2].cubes, (CubeSpan{1, 1, 6, 3}));
    EXPECT_EQ(bottomUp.blocks[0].cubes, (CubeSpan{1, 4, 4, 4}));
}

TEST(WallPlanTest, UnpanelledWallIsOnePanel)
{
    const WallPlan plan = planWall(9, 11, {{4, 5}, std::nullopt, BuildOrder::BottomUp});
    EXPECT_FALSE(plan.panelled);
    ASSERT_EQ(plan.panels.size(), 1u);
    EXPECT_EQ(plan.panels[0].cubes, (CubeSpan{1, 1, 9, 11}));
    // Rows 7-11, then 2-6, then the single row 1 at the top.
    ASSERT_EQ(plan.blocks.size(), 9u);
    EXPECT_EQ(plan.blocks[0].cubes, (CubeSpan{1, 7, 4, 5}));
    EXPECT_EQ(plan.blocks[3].cubes, (CubeSpan{1, 2, 4, 5}));
    EXPECT_EQ(plan.blocks[8].cubes, (CubeSpan{9, 1, 1, 1}));
}

TEST(WallPlanTest, WallWithoutCubesHasNothing)
{
    const WallPlan plan = planWall(0, 5, {{4, 5}, CubeExtent{2, 2}, BuildOrder::TopDown});
    EXPECT_TRUE(plan.panels.empty());
    EXPECT_TRUE(plan.blocks.empty());
    EXPECT_EQ(plan.blockAt(1, 1), -1);
}

TEST(RowsInBuildOrderTest, TopRowOrBottomRowFirst)
{
    const CubeSpan span{4, 7, 2, 3}; // rows 7 to 9
    EXPECT_EQ(rowsInBuildOrder(span, BuildOrder::TopDown), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(rowsInBuildOrder(span, BuildOrder::BottomUp), (std::vector<int>{9, 8, 7}));
    EXPECT_TRUE(rowsInBuildOrder(CubeSpan{1, 1, 3, 0}, BuildOrder::BottomUp).empty());
}

} // namespace
} // namespace tessaly
