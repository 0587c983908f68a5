#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>

namespace tessaly {

// Where everything sits on a page of the build guide. All lengths are in
// points (1/72 inch): the page painter draws in points whatever the device,
// so the PDF and a test's picture of a page share one geometry.
struct PageLayout
{
    // Kept clear of the paper's edge: every office printer prints inside it.
    static constexpr qreal Margin = 34; // 12 mm
    static constexpr qreal HeaderHeight = 22;
    static constexpr qreal FooterHeight = 18;

    // A block page: title and the small wall map above the cubes.
    static constexpr qreal BlockBandHeight = 78;
    static constexpr qreal BlockMapWidth = 170;

    // One cube's card on a block page: its place on top, the face on the
    // left with the grip beside it, the moves below. A sticker of 23 pt
    // (8.1 mm) is large enough to build from.
    static constexpr qreal StickerSize = 23;
    static constexpr qreal FaceSize = 3 * StickerSize;
    static constexpr qreal CardPadding = 3.5;
    static constexpr qreal PlaceLineHeight = 13;
    static constexpr qreal GripGap = 6;
    static constexpr qreal MovesGap = 5;
    static constexpr qreal MovesLineHeight = 14;
    static constexpr int MovesLines = 2; // planned for; long moves shrink to fit
    static constexpr qreal CardMinWidth = 126;
    static constexpr qreal CardFrameInset = 1.5; // keeps neighbouring cards' frames apart
    static constexpr qreal CardMinHeight = 2 * (CardFrameInset + CardPadding) + PlaceLineHeight + FaceSize
                                           + MovesGap + MovesLines * MovesLineHeight;

    // Font sizes.
    static constexpr int HeaderFontSize = 8;
    static constexpr int TitleFontSize = 14;
    static constexpr int TextFontSize = 9;
    static constexpr int SmallFontSize = 7;
    static constexpr int StickerLetterSize = 12;
    static constexpr int MovesFontSize = 12;
    static constexpr int MovesMinFontSize = 7;
    static constexpr int EdgeNumberSize = 6;

    explicit PageLayout(const QPageSize &pageSize);

    // The card of the cube at (across, down), from 0, within a block.
    QRectF cardRect(int across, int down) const;
    // Where a card draws its frame, and the cube's face inside that.
    static QRectF cardFrame(const QRectF &card);
    static QRectF faceRect(const QRectF &card);

    QSizeF page;       // the whole sheet
    QRectF header;     // running title
    QRectF body;       // between header and footer
    QRectF footer;     // page number
    QRectF blockTitle; // block pages: which block, which cubes
    QRectF blockMap;   // block pages: where the block lies in the wall
    QRectF cubeArea;   // block pages: the cards
    int blockColumns;  // cubes across one block: as many cards as fit
    int blockRows;     // cubes down one block
    QSizeF card;       // one card's share of the cube area
};

} // namespace tessaly
