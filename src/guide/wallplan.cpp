#include "guide/wallplan.h"

#include <algorithm>

namespace tessaly {

namespace {

int piecesFor(int length, int piece)
{
    return (length + piece - 1) / piece;
}

// The piece in grid column `across` (from the left) and row `step` (from 0,
// counted from the edge where building starts: the top for top-down, the
// bottom for bottom-up) of an area tiled from that corner by pieces of the
// extent; the last ones stop at the area's far edges.
CubeSpan tile(const CubeSpan &area, CubeExtent piece, int across, int step, BuildOrder order)
{
    CubeSpan span;
    span.column = area.column + across * piece.columns;
    span.columns = std::min(piece.columns, area.lastColumn() - span.column + 1);
    if (order == BuildOrder::TopDown) {
        span.row = area.row + step * piece.rows;
        span.rows = std::min(piece.rows, area.lastRow() - span.row + 1);
    } else {
        const int lastRow = area.lastRow() - step * piece.rows;
        span.row = std::max(area.row, lastRow - piece.rows + 1);
        span.rows = lastRow - span.row + 1;
    }
    return span;
}

// The row of pieces (counted as tile counts it) that holds a cube row of the area.
int stepOf(const CubeSpan &area, int pieceRows, int cubeRow, BuildOrder order)
{
    return (order == BuildOrder::TopDown ? cubeRow - area.row : area.lastRow() - cubeRow) / pieceRows;
}

CubeExtent atLeastOne(CubeExtent extent)
{
    return {std::max(1, extent.columns), std::max(1, extent.rows)};
}

CubeExtent panelExtent(const WallPlan &plan)
{
    return plan.shape.panel.value_or(CubeExtent{plan.cubeColumns, plan.cubeRows});
}

// Appends the panel's blocks in build order.
void planBlocks(WallPlan &plan, PlanPanel &panel, int panelIndex)
{
    const CubeExtent block = plan.shape.block;
    panel.firstBlock = int(plan.blocks.size());
    panel.blocksAcross = piecesFor(panel.cubes.columns, block.columns);
    panel.blocksDown = piecesFor(panel.cubes.rows, block.rows);
    panel.blockCount = panel.blocksAcross * panel.blocksDown;
    for (int step = 0; step < panel.blocksDown; ++step)
        for (int across = 0; across < panel.blocksAcross; ++across)
            plan.blocks.push_back({tile(panel.cubes, block, across, step, plan.shape.order), panelIndex});
}

} // namespace

WallPlan planWall(int cubeColumns, int cubeRows, const WallShape &shape)
{
    WallPlan plan;
    plan.cubeColumns = std::max(0, cubeColumns);
    plan.cubeRows = std::max(0, cubeRows);
    plan.shape.block = atLeastOne(shape.block);
    if (shape.panel)
        plan.shape.panel = atLeastOne(*shape.panel);
    plan.shape.order = shape.order;
    plan.panelled = shape.panel.has_value();
    if (plan.cubeColumns == 0 || plan.cubeRows == 0)
        return plan;

    const CubeSpan wall{1, 1, plan.cubeColumns, plan.cubeRows};
    const CubeExtent panelSize = panelExtent(plan);
    plan.panelsAcross = piecesFor(plan.cubeColumns, panelSize.columns);
    plan.panelsDown = piecesFor(plan.cubeRows, panelSize.rows);
    for (int step = 0; step < plan.panelsDown; ++step) {
        for (int across = 0; across < plan.panelsAcross; ++across) {
            PlanPanel panel;
            panel.cubes = tile(wall, panelSize, across, step, plan.shape.order);
            planBlocks(plan, panel, int(plan.panels.size()));
            plan.panels.push_back(panel);
        }
    }

    // Panels line up in a grid, and so do the blocks over all of them.
    for (int across = 0; across < plan.panelsAcross; ++across)
        plan.blocksAcross += plan.panels[std::size_t(across)].blocksAcross;
    for (int step = 0; step < plan.panelsDown; ++step)
        plan.blocksDown += plan.panels[std::size_t(step * plan.panelsAcross)].blocksDown;
    return plan;
}

int WallPlan::blockAt(int cubeColumn, int cubeRow) const
{
    const CubeSpan wall{1, 1, cubeColumns, cubeRows};
    if (panels.empty() || !wall.contains(cubeColumn, cubeRow))
        return -1;
    const CubeExtent panelSize = panelExtent(*this);
    const int panelStep = stepOf(wall, panelSize.rows, cubeRow, shape.order);
    const PlanPanel &panel = panels[std::size_t(panelStep * panelsAcross + (cubeColumn - 1) / panelSize.columns)];
    const int blockStep = stepOf(panel.cubes, shape.block.rows, cubeRow, shape.order);
    return panel.firstBlock + blockStep * panel.blocksAcross + (cubeColumn - panel.cubes.column) / shape.block.columns;
}

std::vector<int> rowsInBuildOrder(const CubeSpan &span, BuildOrder order)
{
    std::vector<int> rows;
    for (int row = span.row; row <= span.lastRow(); ++row)
        rows.push_back(row);
    if (order == BuildOrder::BottomUp)
        std::ranges::reverse(rows);
    return rows;
}

} // namespace tessaly
