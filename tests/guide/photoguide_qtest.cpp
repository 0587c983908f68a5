// Photo patterns through the whole program: the cubes of a sticker map, the
// sticker map written and read back, the wall's size from a cube count, and
// the summary's account of how the pattern was made.

#include "support/guiderunner.h"
#include "support/photofiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QColorSpace>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly::test;

namespace {

// A photograph's stand-in: smooth gradients of every hue, 48 x 36 pixels.
QImage gradientPhoto(int width = 48, int height = 36)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            photo.setPixelColor(x, y, QColor::fromHsv(360 * x / width % 360, 255, 255 - 200 * y / height));
    return photo;
}

// "column row face" of every cube in the CSV, in its order.
QStringList cubeFaces(const QString &csvPath)
{
    QStringList faces;
    const QList<QByteArray> lines = readFile(csvPath).split('\n');
    for (const QByteArray &line : lines.mid(1)) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char(','));
        if (fields.size() == 7)
            faces << QStringList{fields[0], fields[1], fields[6]}.join(QLatin1Char(' '));
    }
    return faces;
}

} // namespace

class PhotoGuideTest : public QObject
{
    Q_OBJECT

private slots:
    void mapBecomesTheCubes();
    void mapIsReadAsStoredWhateverItsColourSpace();
    void stickersReadBackAsTheSameGuide_data();
    void stickersReadBackAsTheSameGuide();
    void cubeCountTakesThePictureShape_data();
    void cubeCountTakesThePictureShape();
    void summaryTellsHowThePatternWasMade_data();
    void summaryTellsHowThePatternWasMade();
};

void PhotoGuideTest::mapBecomesTheCubes()
{
    QTemporaryDir folder;
    const QString map = folder.filePath(QStringLiteral("map.png"));
    QVERIFY(stickerMapPicture({"WYRGGG", "OBGWWW", "WWWBYB", "RRROOO", "YYYGGG", "BBBWYR"}).save(map));
    const QString csv = folder.filePath(QStringLiteral("guide.csv"));

    const GuideResult result = runGuide({"--method", "exact", "--csv", csv, map});
    QCOMPARE(result.status, 0);
    // Each cube's nine stickers in reading order, cubes row by row.
    QCOMPARE(cubeFaces(csv), (QStringList{"1 1 WYROBGWWW", "2 1 GGGWWWBYB", "1 2 RRRYYYBBB", "2 2 OOOGGGWYR"}));
    QVERIFY(readFile(csv).startsWith("column,row,front,top,turns,moves,face\n"));
}

// A paint program may write a profile or a gamma beside the pixels; a map's
// pixels name palette colours all the same.
void PhotoGuideTest::mapIsReadAsStoredWhateverItsColourSpace()
{
    QTemporaryDir folder;
    const QString map = folder.filePath(QStringLiteral("map.png"));
    QImage picture = stickerMapPicture({"WYRGGG", "OBGWWW", "WWWBYB"});
    picture.setColorSpace(QColorSpace(QColorSpace::Primaries::SRgb, 1.8f));
    QVERIFY(picture.save(map));
    const QColorSpace stored = QImage(map).colorSpace();
    QVERIFY(stored.isValid() && stored != QColorSpace(QColorSpace::SRgb)); // else the case tests nothing
    const QString csv = folder.filePath(QStringLiteral("guide.csv"));

    const GuideResult result = runGuide({"--method", "exact", "--csv", csv, map});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(cubeFaces(csv), (QStringList{"1 1 WYROBGWWW", "2 1 GGGWWWBYB"}));
}

void PhotoGuideTest::stickersReadBackAsTheSameGuide_data()
{
    QTest::addColumn<QStringList>("making");
    QTest::addColumn<QStringList>("palette");
    QTest::newRow("nearest") << QStringList{"--method", "nearest", "--wall", "4x3", "@photo.png"} << QStringList();
    QTest::newRow("diffusion, classic colours")
        << QStringList{"--method", "diffusion", "--palette", "classic", "--cubes", "12", "@photo.png"}
        << QStringList{"--palette", "classic"};
    QTest::newRow("optimised, five colours") << QStringList{"--colours", "WYROB", "--wall", "2x3", "@photo.png"}
                                             << QStringList();
    QTest::newRow("a map read back") << QStringList{"--method", "exact", "@map.png"} << QStringList();
}

void PhotoGuideTest::stickersReadBackAsTheSameGuide()
{
    QFETCH(QStringList, making);
    QFETCH(QStringList, palette);
    QTemporaryDir folder;
    QVERIFY(gradientPhoto().save(folder.filePath(QStringLiteral("photo.png"))));
    QVERIFY(stickerMapPicture({"WYRGGG", "OBGWWW", "WWWBYB"}).save(folder.filePath(QStringLiteral("map.png"))));

    const GuideResult made =
        runGuide(inFolder(QStringList{"--csv", "@made.csv", "--stickers", "@stickers.png"} + making, folder));
    QCOMPARE(made.status, 0);
    const GuideResult read = runGuide(
        inFolder(QStringList{"--method", "exact", "--csv", "@read.csv", "@stickers.png"} + palette, folder));
    QVERIFY2(read.status == 0, qPrintable(read.err));

    const QByteArray madeCsv = readFile(folder.filePath(QStringLiteral("made.csv")));
    QVERIFY(madeCsv.count('\n') > 1);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("read.csv"))), madeCsv);
}

void PhotoGuideTest::cubeCountTakesThePictureShape_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("wall");
    // 12 cubes fit a 4:3 picture exactly as 4 x 3, a 3:4 crop of it as 3 x 4.
    QTest::newRow("whole picture") << QStringList{"--cubes", "12"} << "4 x 3 cubes";
    QTest::newRow("tall crop") << QStringList{"--cubes", "12", "--crop", "0,0,27,36"} << "3 x 4 cubes";
    QTest::newRow("wall as given") << QStringList{"--wall", "5x1"} << "5 x 1 cubes";
}

void PhotoGuideTest::cubeCountTakesThePictureShape()
{
    QFETCH(QStringList, options);
    QFETCH(QString, wall);
    QTemporaryDir folder;
    const QString photo = folder.filePath(QStringLiteral("photo.png"));
    QVERIFY(gradientPhoto().save(photo));

    const GuideResult result = runGuide(QStringList{"--method", "nearest"} + options + QStringList{photo});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(QStringLiteral("Photo pattern: %1, method nearest").arg(wall)),
             qPrintable(result.out));
}

void PhotoGuideTest::summaryTellsHowThePatternWasMade_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("absent");

    const QString standard = QStringLiteral("Palette: W %1, Y %2, R %3, O %4, B %5, G %6")
                                 .arg(StandardPaletteHex[0], StandardPaletteHex[1], StandardPaletteHex[2],
                                      StandardPaletteHex[3], StandardPaletteHex[4], StandardPaletteHex[5]);
    QTest::newRow("a map") << QStringList{"--method", "exact", "@map.png"}
                           << QStringList{"Photo pattern: 2 x 1 cubes, method exact", standard}
                           << QStringList{"Likeness", "Adjustments"};
    QTest::newRow("ordered, adjusted")
        << QStringList{"--method", "ordered", "--wall", "4x3", "--brightness", "10", "--saturation", "-20",
                       "--auto-levels", "@photo.png"}
        << QStringList{"Photo pattern: 4 x 3 cubes, method ordered", standard,
                       "Adjustments: brightness +10, saturation -20, auto-levels"}
        << QStringList{"contrast"};
    // The classic palette's published colours, three of them kept.
    QTest::newRow("classic, three colours")
        << QStringList{"--palette", "classic", "--colours", "WRB", "--wall", "4x3", "@photo.png"}
        << QStringList{"method optimised", "Palette: W #FFFFFF, R #C41E3A, B #0051BA"}
        << QStringList{"Adjustments", "Y #"};
    QTest::newRow("a palette file")
        << QStringList{"--palette", "@mine.txt", "--method", "nearest", "--cubes", "4", "@photo.png"}
        << QStringList{"Palette: W #F0F0F0, R #AA0000, B #0000AA"} << QStringList{"G #"};
}

void PhotoGuideTest::summaryTellsHowThePatternWasMade()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    QTemporaryDir folder;
    QVERIFY(gradientPhoto().save(folder.filePath(QStringLiteral("photo.png"))));
    QVERIFY(stickerMapPicture({"WYRGGG", "OBGWWW", "WWWBYB"}).save(folder.filePath(QStringLiteral("map.png"))));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("mine.txt")),
                      "# my cubes\nW #F0F0F0 white\nr #aa0000 deep red\n\nB #0000AA\n"));

    const GuideResult result = runGuide(inFolder(options, folder));
    QVERIFY2(result.status == 0, qPrintable(result.err));
    for (const QString &line : lines)
        QVERIFY2(result.out.contains(line), qPrintable(result.out));
    for (const QString &word : absent)
        QVERIFY2(!result.out.contains(word), qPrintable(result.out));
    // Every pattern made from a picture has its score; a map has none.
    const bool scored = !options.contains(QStringLiteral("exact"));
    const QRegularExpression likeness(QStringLiteral("\nLikeness: \\d+\\.\\d\\d \\(lower is better\\)\n"));
    QCOMPARE(result.out.contains(likeness), scored);
    // The figures of the wall come first, as for the window's mosaic.
    QVERIFY(result.out.startsWith(QStringLiteral("Cells:")));
}

QTEST_MAIN(PhotoGuideTest)
#include "photoguide_qtest.moc"
