#include "guide/wallpreview.h"
#include "studio/wallview.h"

#include <QSignalSpy>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

class WallViewTest : public QObject
{
    Q_OBJECT

private slots:
    // Fitted at 16 pixels a sticker, the view shows exactly the picture
    // tessaly-guide --preview writes at that scale.
    void showsWhatThePreviewShows()
    {
        pattern::StickerGrid stickers(6, 3, pattern::Sticker::White);
        stickers.at(4, 1) = pattern::Sticker::Red;
        stickers.at(0, 2) = pattern::Sticker::Blue;
        const pattern::StickerPalette palette = pattern::standardPalette();
        WallView view;
        view.resize(8 + 6 * 16 + 8, 8 + 3 * 16 + 8); // the fit margin of 8 around the wall
        QSignalSpy drawn(&view, &WallView::pictureChanged);
        view.setStickers(stickers, palette);
        QVERIFY(drawn.wait(10'000));
        QCOMPARE(view.scale(), 16.0);
        const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage preview = renderWallPreview(stickers, palette, 16).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(8, 8, preview.width(), preview.height()), preview);
    }
};

QTEST_MAIN(WallViewTest)
#include "wallview_qtest.moc"
