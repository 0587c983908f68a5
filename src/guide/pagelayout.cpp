#include "guide/pagelayout.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

PageLayout::PageLayout(const QPageSize &pageSize)
    : page(pageSize.size(QPageSize::Point))
{
    const qreal width = page.width() - 2 * Margin;
    header = QRectF(Margin, Margin, width, HeaderHeight);
    footer = QRectF(Margin, page.height() - Margin - FooterHeight, width, FooterHeight);
    body = QRectF(QPointF(Margin, header.bottom()), QPointF(Margin + width, footer.top()));

    blockTitle = QRectF(body.left(), body.top(), body.width() - BlockMapWidth - 12, BlockBandHeight - 8);
    blockMap = QRectF(body.right() - BlockMapWidth, body.top(), BlockMapWidth, BlockBandHeight - 8);
    cubeArea = QRectF(QPointF(body.left(), body.top() + BlockBandHeight), body.bottomRight());

    // Zero when not one card fits: the page is too small for the guide.
    blockColumns = std::max(0, int(std::floor(cubeArea.width() / CardMinWidth)));
    blockRows = std::max(0, int(std::floor(cubeArea.height() / CardMinHeight)));
    card = blockColumns > 0 && blockRows > 0
               ? QSizeF(cubeArea.width() / blockColumns, cubeArea.height() / blockRows)
               : QSizeF();
}

QRectF PageLayout::cardRect(int across, int down) const
{
    return {QPointF(cubeArea.left() + across * card.width(), cubeArea.top() + down * card.height()), card};
}

QRectF PageLayout::cardFrame(const QRectF &card)
{
    return card.adjusted(CardFrameInset, CardFrameInset, -CardFrameInset, -CardFrameInset);
}

QRectF PageLayout::faceRect(const QRectF &card)
{
    const QRectF frame = cardFrame(card);
    return {frame.left() + CardPadding, frame.top() + CardPadding + PlaceLineHeight - 1, FaceSize, FaceSize};
}

} // namespace tessaly
