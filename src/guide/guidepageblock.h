#pragma once

class QPainter;

namespace tessaly {

struct GuidePageContext;

// A page of one block of the wall: which cubes it holds, a small map of
// where it lies in the wall, and every cube's card in the block's own
// arrangement, as the builder will set them.
void drawBlockPage(QPainter &painter, const GuidePageContext &context, int block);

} // namespace tessaly
