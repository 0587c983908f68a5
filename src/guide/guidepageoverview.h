#pragma once

class QPainter;
class QRectF;

namespace tessaly {

struct GuidePageContext;

// The first page: the whole mosaic with its cube grid and numbers, the
// wall's figures (cells, cubes, stickers per colour, black cells, turns once
// solved), how the block pages follow, and the key to their marks.
void drawOverviewPage(QPainter &painter, const GuidePageContext &context);

// Where the overview draws the mosaic, in points.
QRectF overviewMosaicRect(const GuidePageContext &context);

} // namespace tessaly
