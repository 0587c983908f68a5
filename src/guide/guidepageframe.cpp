#include "guide/guidepageframe.h"

#include "guide/guidepagecontext.h"

#include <QPainter>

namespace tessaly {

QString guideDocumentTitle()
{
    return QStringLiteral("Tessaly V" TESSALY_VERSION " · 魔方马赛克 拼装指南 Build guide");
}

void drawGuidePageFrame(QPainter &painter, const GuidePageContext &context, int pageIndex,
                        const QString &pageTitle)
{
    const PageLayout &layout = context.layout;
    painter.setFont(context.fonts.text(PageLayout::HeaderFontSize));
    painter.setPen(RuleColour);
    const QRectF header = layout.header.adjusted(0, 0, 0, -6);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, guideDocumentTitle());
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, pageTitle);
    painter.setPen(QPen(FaintColour, 0.5));
    painter.drawLine(QPointF(layout.header.left(), header.bottom()), QPointF(layout.header.right(), header.bottom()));

    painter.setPen(RuleColour);
    const QString number = QStringLiteral("第 %1 页，共 %2 页 · Page %1 of %2").arg(pageIndex + 1).arg(context.pageCount());
    painter.drawText(layout.footer, Qt::AlignHCenter | Qt::AlignBottom, number);
}

} // namespace tessaly
