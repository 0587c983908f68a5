#pragma once

class QPainter;
class QRectF;

namespace tessaly {

struct GuideCube;
struct GuidePageContext;

// One cube on a block page, drawn inside rect: its place in the wall, its
// face large enough to build from, its grip (the front and top colours to
// hold it by) and its moves. Without twists the grip and moves stay blank.
// A card number above 0 (its place on the block page in reading order, as
// the recipe pages name it) is shown at the top right.
void drawCubeCard(QPainter &painter, const GuidePageContext &context, const GuideCube &cube, const QRectF &rect,
                  int cardNumber = 0);

} // namespace tessaly
