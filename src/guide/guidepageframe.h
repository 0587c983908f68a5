#pragma once

#include <QString>

class QPainter;

namespace tessaly {

struct GuidePageContext;

// "Tessaly V0.2 · 魔方马赛克 拼装指南 Build guide", with the program's version.
QString guideDocumentTitle();

// The running title over every page ("Tessaly V0.2 · 拼装指南 Build guide" and
// the page's own title on the right) and the page number under it.
void drawGuidePageFrame(QPainter &painter, const GuidePageContext &context, int pageIndex,
                        const QString &pageTitle);

} // namespace tessaly
