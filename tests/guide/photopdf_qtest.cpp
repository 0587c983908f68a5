// A photo pattern's guide pages: its stickers in its palette's colours, and
// the overview's account of how it was made.

#include "guide/guidebuilder.h"
#include "guide/guidepagecontext.h"
#include "guide/guidepageimage.h"
#include "guide/guidepageoverview.h"

#include <QTest>

using namespace tessaly;
using pattern::Sticker;

namespace {

constexpr int Dpi = 100;

QPoint pixelAt(QPointF points)
{
    return (points * Dpi / 72.0).toPoint();
}

// Colours far from the window mosaic's, so that neither can pass for the other.
const QColor PaletteRed(150, 20, 60);
const QColor PaletteBlue(20, 60, 140);
const QColor PaletteWhite(235, 235, 225);

// 4 x 3 cubes of red, blue and white stickers in a known arrangement.
BuildGuide photoGuide()
{
    pattern::StickerGrid stickers(12, 9);
    for (int y = 0; y < stickers.height(); ++y)
        for (int x = 0; x < stickers.width(); ++x)
            stickers.at(x, y) = std::array{Sticker::Red, Sticker::Blue, Sticker::White}[std::size_t(x + 2 * y) % 3];
    BuildGuide guide = buildGuide(stickers);
    PhotoFacts facts;
    facts.method = pattern::Method::Nearest;
    const auto rgb = [](const QColor &colour) {
        return pattern::Srgb8{std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
    };
    facts.palette.colours = {{Sticker::White, rgb(PaletteWhite), "white"},
                             {Sticker::Red, rgb(PaletteRed), "red"},
                             {Sticker::Blue, rgb(PaletteBlue), "blue"}};
    facts.cubeColours = {rgb(PaletteWhite), pattern::Srgb8{255, 213, 0}, rgb(PaletteRed),
                         pattern::Srgb8{255, 88, 0},  rgb(PaletteBlue), pattern::Srgb8{0, 155, 72}};
    facts.wall = {4, 3};
    facts.likeness = 3.25;
    guide.photo = facts;
    return guide;
}

QColor expectedFill(int x, int y)
{
    return std::array{PaletteRed, PaletteBlue, PaletteWhite}[std::size_t(x + 2 * y) % 3];
}

} // namespace

class PhotoPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void blockPageDrawsThePaletteColours();
    void overviewDrawsThePaletteColours();
};

void PhotoPdfTest::blockPageDrawsThePaletteColours()
{
    const BuildGuide guide = photoGuide();
    const QPageSize a4(QPageSize::A4);
    const GuidePageContext context(guide, a4);
    const QImage page = renderGuidePage(guide, 1, a4, Dpi);
    QVERIFY(!page.isNull());
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const QRectF face = PageLayout::faceRect(context.layout.cardRect(column - 1, row - 1));
            const qreal sticker = face.width() / 3;
            for (int place = 0; place < 9; ++place) {
                // Left of the sticker's letter.
                const QPointF clear(face.left() + (place % 3 + 0.22) * sticker,
                                    face.top() + (place / 3 + 0.5) * sticker);
                QCOMPARE(page.pixelColor(pixelAt(clear)),
                         expectedFill(3 * (column - 1) + place % 3, 3 * (row - 1) + place / 3));
            }
        }
    }
}

void PhotoPdfTest::overviewDrawsThePaletteColours()
{
    const BuildGuide guide = photoGuide();
    const QPageSize a4(QPageSize::A4);
    const GuidePageContext context(guide, a4);
    const QImage page = renderGuidePage(guide, 0, a4, Dpi);
    const QRectF mosaic = overviewMosaicRect(context);
    const qreal cell = mosaic.width() / 12;
    for (int y = 1; y < 9; y += 3) {
        for (int x = 1; x < 12; x += 3) {
            const QPointF centre(mosaic.left() + (x + 0.5) * cell, mosaic.top() + (y + 0.5) * cell);
            QCOMPARE(page.pixelColor(pixelAt(centre)), expectedFill(x, y));
        }
    }
    // The lines on the pattern's making sit between the title and the mosaic.
    BuildGuide windowGuide = guide;
    windowGuide.photo.reset();
    QVERIFY(mosaic.top() > overviewMosaicRect(GuidePageContext(windowGuide, a4)).top());
}

QTEST_MAIN(PhotoPdfTest)
#include "photopdf_qtest.moc"
