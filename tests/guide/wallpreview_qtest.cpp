// The preview of the built wall: sizes, colours, the cubes' bodies and
// seams, and the scale cut down for a wall too large for one picture.

#include "guide/wallpreview.h"
#include "support/guiderunner.h"
#include "support/photofiles.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using pattern::Sticker;
using namespace tessaly::test;

namespace {

// Colours unlike every built-in palette's, so none can come from elsewhere.
pattern::StickerPalette testPalette()
{
    return {{{Sticker::White, {250, 245, 240}, "white"},
             {Sticker::Red, {200, 10, 20}, "red"},
             {Sticker::Blue, {10, 40, 190}, "blue"}}};
}

// 2 x 2 cubes; G is not in the palette and K is Unmatched: both mid grey.
pattern::StickerGrid testGrid()
{
    const QStringList rows = {"WRBWWW", "BBBRKR", "WRWGBW", "RRRBBB", "WWWRRR", "BWBWBW"};
    pattern::StickerGrid grid(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            grid.at(x, y) = *pattern::stickerFromLetter(rows[y][x].toLatin1());
    return grid;
}

QColor expectedColour(Sticker sticker)
{
    switch (sticker) {
    case Sticker::White: return {250, 245, 240};
    case Sticker::Red: return {200, 10, 20};
    case Sticker::Blue: return {10, 40, 190};
    default: return {128, 128, 128};
    }
}

} // namespace

class WallPreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsStickersOnCubeBodies_data();
    void drawsStickersOnCubeBodies();
    void cutsTheScaleToStayUnder16384Pixels_data();
    void cutsTheScaleToStayUnder16384Pixels();
    void programSaysWhenItCutsTheScale_data();
    void programSaysWhenItCutsTheScale();
};

void WallPreviewTest::drawsStickersOnCubeBodies_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1 pixel a sticker") << 1;
    QTest::newRow("3 pixels, plain squares") << 3;
    QTest::newRow("4 pixels, the smallest with bodies") << 4;
    QTest::newRow("8 pixels") << 8;
    QTest::newRow("13 pixels") << 13;
}

void WallPreviewTest::drawsStickersOnCubeBodies()
{
    QFETCH(int, scale);
    const pattern::StickerGrid grid = testGrid();
    const QImage preview = renderWallPreview(grid, testPalette(), scale);
    QCOMPARE(preview.size(), QSize(6 * scale, 6 * scale));

    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const QPoint centre(x * scale + scale / 2, y * scale + scale / 2);
            QCOMPARE(preview.pixelColor(centre), expectedColour(grid.at(x, y)));
        }
    }
    const int middle = scale / 2; // of the first row of stickers
    if (scale < 4) {
        // No room for bodies: the picture is the stickers' squares.
        QCOMPARE(preview.pixelColor(3 * scale, middle), expectedColour(grid.at(3, 0)));
        QCOMPARE(preview.pixelColor(scale, middle), expectedColour(grid.at(1, 0)));
        return;
    }
    // Between two stickers of a cube its dark body; where two cubes meet a
    // dark hairline that stands out from the bodies.
    const QColor body = preview.pixelColor(scale, middle);
    const QColor seam = preview.pixelColor(3 * scale, middle);
    QVERIFY2(qGray(body.rgb()) < 40, qPrintable(body.name()));
    QVERIFY2(qGray(seam.rgb()) < 100, qPrintable(seam.name()));
    QVERIFY(seam != body);
    QCOMPARE(preview.pixelColor(middle, 3 * scale), seam);
    // A sticker's corner is rounded off: its corner pixel is not the
    // sticker's colour alone, where its edge is.
    if (scale >= 8) {
        QVERIFY(preview.pixelColor(scale + 1, 1) != expectedColour(grid.at(1, 0)));
        QCOMPARE(preview.pixelColor(scale + 1, middle), expectedColour(grid.at(1, 0)));
    }
}

void WallPreviewTest::cutsTheScaleToStayUnder16384Pixels_data()
{
    QTest::addColumn<QSize>("stickers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("drawn");
    // The largest scale at which stickers x scale <= 16383.
    QTest::newRow("small wall") << QSize(300, 300) << 8 << 8;
    QTest::newRow("just fits") << QSize(2047, 30) << 8 << 8;
    QTest::newRow("just does not") << QSize(2048, 30) << 8 << 7;
    QTest::newRow("a row of 2000 cubes") << QSize(6000, 3) << 8 << 2;
    QTest::newRow("a column of 2000 cubes") << QSize(3, 6000) << 20 << 2;
    QTest::newRow("a million cubes") << QSize(3000, 3000) << 8 << 5;
    QTest::newRow("one pixel a sticker") << QSize(16383, 3) << 8 << 1;
    QTest::newRow("not even one") << QSize(16386, 3) << 8 << 0;
}

void WallPreviewTest::cutsTheScaleToStayUnder16384Pixels()
{
    QFETCH(QSize, stickers);
    QFETCH(int, asked);
    QFETCH(int, drawn);
    const pattern::StickerGrid grid(stickers.width(), stickers.height(), Sticker::Red);
    QCOMPARE(fittingPreviewScale(grid, asked), drawn);
    if (std::max(stickers.width(), stickers.height()) > 6000)
        return; // not worth drawing
    const QImage preview = renderWallPreview(grid, testPalette(), asked);
    QCOMPARE(preview.size(), stickers * drawn);
}

void WallPreviewTest::programSaysWhenItCutsTheScale_data()
{
    QTest::addColumn<int>("cubes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("note");
    const QString cut = QStringLiteral("the preview has 2 pixels a sticker, not 8, to stay under 16384 pixels a side");
    QTest::newRow("small wall, default scale") << 2 << QStringList() << QSize(48, 24) << QString();
    QTest::newRow("small wall, scale 3") << 2 << QStringList{"--preview-scale", "3"} << QSize(18, 9) << QString();
    QTest::newRow("wide wall") << 2000 << QStringList() << QSize(12000, 6) << cut;
    QTest::newRow("wide wall, quiet") << 2000 << QStringList{"-q"} << QSize(12000, 6) << QString();
}

void WallPreviewTest::programSaysWhenItCutsTheScale()
{
    QFETCH(int, cubes);
    QFETCH(QStringList, options);
    QFETCH(QSize, size);
    QFETCH(QString, note);
    QTemporaryDir folder;
    const QString map = folder.filePath(QStringLiteral("map.png"));
    QVERIFY(stickerMapPicture(QStringList(3, QString(3 * cubes, QLatin1Char('O')))).save(map));
    const QString previewPath = folder.filePath(QStringLiteral("wall.png"));

    const GuideResult result = runGuide(QStringList{"--method", "exact", "--preview", previewPath, map} + options);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err.contains(QStringLiteral("preview has")), !note.isEmpty());
    if (!note.isEmpty())
        QVERIFY2(result.err.contains(note), qPrintable(result.err));
    QImageReader reader(previewPath);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage preview = reader.read();
    QCOMPARE(preview.size(), size);
    // The middle of a sticker, orange as the standard palette has it.
    const int scale = size.height() / 3;
    QCOMPARE(preview.pixelColor(scale + scale / 2, scale + scale / 2), QColor(StandardPaletteHex[3]));
}

QTEST_MAIN(WallPreviewTest)
#include "wallpreview_qtest.moc"
