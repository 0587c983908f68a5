#pragma once

#include <QtGlobal>

class QPainter;
class QRectF;

namespace tessaly {

struct GuidePageContext;

// The overview's lines on how a photo pattern was made: its method, wall,
// likeness score and adjustments, then its palette's swatches with their
// hex values. Nothing for the window's mosaic.

// The height the lines take on the overview, in points; 0 for the window's
// mosaic.
qreal photoBandHeight(const GuidePageContext &context);

void drawPhotoBand(QPainter &painter, const GuidePageContext &context, const QRectF &area);

} // namespace tessaly
