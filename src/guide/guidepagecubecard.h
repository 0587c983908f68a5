#pragma once

class QPainter;
class QRectF;

namespace tessaly {

struct GuideCube;
struct GuidePageContext;

// One cube on a block page, drawn inside rect: its place in the wall, its
// face large enough to build from, its grip (the front and top colours to
// hold it by) and its moves. Without twists the grip and moves stay blank.
void drawCubeCard(QPainter &painter, const GuidePageContext &context, const GuideCube &cube, const QRectF &rect);

} // namespace tessaly
