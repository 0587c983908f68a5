#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly {

// Which row of blocks the builders start with.
enum class BuildOrder {
    TopDown,  // rows of blocks top to bottom, each row left to right
    BottomUp, // rows of blocks bottom to top, each row left to right: a wall built upright from the floor
};

// A rectangle of cubes in the wall: its first column and row (from 1, as
// GuideCube counts) and how many columns and rows it spans.
struct CubeSpan
{
    int column = 1;
    int row = 1;
    int columns = 0;
    int rows = 0;

    int lastColumn() const { return column + columns - 1; }
    int lastRow() const { return row + rows - 1; }
    std::int64_t count() const { return std::int64_t(columns) * rows; }
    bool contains(int cubeColumn, int cubeRow) const
    {
        return cubeColumn >= column && cubeColumn <= lastColumn() && cubeRow >= row && cubeRow <= lastRow();
    }
    bool operator==(const CubeSpan &) const = default;
};

// At most this many cubes across and down.
struct CubeExtent
{
    int columns = 1;
    int rows = 1;
    bool operator==(const CubeExtent &) const = default;
};

// How a wall is cut up for building.
struct WallShape
{
    CubeExtent block;                 // the most cubes one block page holds
    std::optional<CubeExtent> panel;  // none: the whole wall is one panel
    BuildOrder order = BuildOrder::TopDown;
};

// One block: the cubes of one block page, inside one panel.
struct PlanBlock
{
    CubeSpan cubes;
    int panel = 0; // index into WallPlan::panels
};

// One panel: a part of the wall built (or moved) as one piece.
struct PlanPanel
{
    CubeSpan cubes;
    int firstBlock = 0; // its blocks are WallPlan::blocks[firstBlock, firstBlock + blockCount)
    int blockCount = 0;
    int blocksAcross = 0;
    int blocksDown = 0;
};

// The wall cut into panels and each panel into blocks, everything in build
// order. Panels tile the wall, and blocks each panel, from the corner where
// building starts: the top left one for top-down, the bottom left one for
// bottom-up; the last ones of a row or column, far from that corner, may be
// smaller. Panels follow the order as their blocks do, and a panel's blocks
// all come before the next panel's.
struct WallPlan
{
    int cubeColumns = 0;
    int cubeRows = 0;
    WallShape shape;               // as asked for, sizes at least 1
    bool panelled = false;         // a panel size was asked for
    int panelsAcross = 0;
    int panelsDown = 0;
    int blocksAcross = 0;          // blocks along a row of the wall, over every panel
    int blocksDown = 0;
    std::vector<PlanPanel> panels; // never empty for a wall with cubes
    std::vector<PlanBlock> blocks;

    // The block (index into blocks) holding the cube; -1 outside the wall.
    int blockAt(int cubeColumn, int cubeRow) const;
};

// The plan of a wall of cubeColumns x cubeRows cubes. Sizes below 1 count
// as 1; a wall without cubes has no panels and no blocks.
WallPlan planWall(int cubeColumns, int cubeRows, const WallShape &shape);

// A span's rows (from 1, as GuideCube counts) in the order they are built:
// the top one first, or for bottom-up the bottom one first. A block's cards
// are numbered so, each row left to right.
std::vector<int> rowsInBuildOrder(const CubeSpan &span, BuildOrder order);

} // namespace tessaly
