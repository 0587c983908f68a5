#pragma once

class QPainter;

namespace tessaly {

struct GuidePageContext;

// The page that opens a panel's section: where the panel lies in the wall,
// its cubes and block pages, its stickers per colour and its build time.
void drawPanelPage(QPainter &painter, const GuidePageContext &context, int panel);

} // namespace tessaly
