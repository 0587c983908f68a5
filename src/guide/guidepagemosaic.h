#pragma once

#include <QImage>

class QPainter;
class QRectF;

namespace tessaly {

struct BuildGuide;
struct GuidePageContext;
struct StickerFills;

// The mosaic as a picture of one pixel per cell in the fills' colours,
// drawn from the cubes' faces; places outside the mosaic are not in it.
// 100,000 cubes make under a million pixels.
QImage mosaicImage(const BuildGuide &guide, const StickerFills &fills);

// The largest rect of the mosaic's proportions that fits area, centred at
// its top.
QRectF mosaicRect(const BuildGuide &guide, const QRectF &area);

// The mosaic in rect (from mosaicRect) with the grid of cubes over it and
// cube numbers along its top and left edges, thinned out so that they never
// crowd: every cube, else every 2nd, 5th, 10th, 20th, 50th...
void drawMosaic(QPainter &painter, const GuidePageContext &context, const QRectF &rect);

} // namespace tessaly
