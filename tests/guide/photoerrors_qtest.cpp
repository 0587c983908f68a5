// Every way a photo pattern's command can fail: the message, the exit
// status, and no file left behind or damaged.

#include "support/guiderunner.h"
#include "support/photofiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly::test;

namespace {

// The files every case may name, made in folder.
bool makeFiles(const QTemporaryDir &folder)
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(QColor(200, 120, 40));
    // A map of 2 x 1 cubes; the foreign one has #123456 at (4, 1); the odd
    // one is 4 stickers wide, not whole cubes.
    const QStringList map = {"WYRWYR", "OBGOBG", "WWWBBB"};
    QImage foreign = stickerMapPicture(map);
    foreign.setPixelColor(4, 1, QColor(0x12, 0x34, 0x56));
    // Wider than any preview: 5462 cubes in a row.
    const QStringList wide(3, QString(16386, QLatin1Char('B')));
    return photo.save(folder.filePath(QStringLiteral("photo.png")))
           && stickerMapPicture(map).save(folder.filePath(QStringLiteral("map.png")))
           && foreign.save(folder.filePath(QStringLiteral("foreign.png")))
           && stickerMapPicture({"WYRO", "OBGO", "WWWB"}).save(folder.filePath(QStringLiteral("odd.png")))
           && stickerMapPicture(wide).save(folder.filePath(QStringLiteral("wide.png")))
           && writeFile(folder.filePath(QStringLiteral("five.txt")),
                        "W #FFFFFF\nY #FFD500\nR #B71234\nO #FF5800\nB #0046AD\n")
           && writeFile(folder.filePath(QStringLiteral("bad.txt")), "W #FFFFFF\nY #FFD500\nQ #123456\n")
           && writeFile(folder.filePath(QStringLiteral("out.csv")), EarlierContent);
}

} // namespace

class PhotoErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void fails_data();
    void fails();
    void interruptionLeavesNoFile_data();
    void interruptionLeavesNoFile();
};

void PhotoErrorsTest::fails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    // Every case also asks for the CSV over an earlier one and a new preview.
    // Values refused as they are read: the usage follows the message.
    QTest::newRow("wall of 0 columns") << QStringList{"--wall", "0x30"} << 1 << "Invalid wall \"0x30\"";
    QTest::newRow("negative wall") << QStringList{"--wall", "-4x3"} << 1 << "Invalid wall \"-4x3\"";
    QTest::newRow("wall not numbers") << QStringList{"--wall", "axb"} << 1 << "Invalid wall \"axb\"";
    QTest::newRow("wall of one number") << QStringList{"--wall", "40"} << 1 << "Invalid wall \"40\"";
    QTest::newRow("wall over a million cubes") << QStringList{"--wall", "1001x1000"} << 1
                                               << "Invalid wall \"1001x1000\": a wall has at most 1000000 cubes";
    QTest::newRow("huge side") << QStringList{"--wall", "99999999999x1"} << 1 << "Invalid wall \"99999999999x1\"";
    QTest::newRow("0 cubes") << QStringList{"--cubes", "0"} << 1 << "Invalid cube count \"0\"";
    QTest::newRow("negative cubes") << QStringList{"--cubes", "-5"} << 1 << "Invalid cube count \"-5\"";
    QTest::newRow("cubes not a number") << QStringList{"--cubes", "many"} << 1 << "Invalid cube count \"many\"";
    QTest::newRow("cubes over a million") << QStringList{"--cubes", "1000001"} << 1
                                          << "Invalid cube count \"1000001\"";
    QTest::newRow("fit") << QStringList{"--cubes", "9", "--fit", "zoom"} << 1 << "Invalid fit \"zoom\"";
    QTest::newRow("crop of three numbers") << QStringList{"--cubes", "9", "--crop", "1,2,3"} << 1
                                           << "Invalid crop \"1,2,3\"";
    QTest::newRow("brightness over 100") << QStringList{"--cubes", "9", "--brightness", "101"} << 1
                                         << "Invalid brightness \"101\"";
    QTest::newRow("contrast under -100") << QStringList{"--cubes", "9", "--contrast", "-101"} << 1
                                         << "Invalid contrast \"-101\"";
    QTest::newRow("saturation not a number") << QStringList{"--cubes", "9", "--saturation", "1.5"} << 1
                                             << "Invalid saturation \"1.5\"";
    QTest::newRow("one colour") << QStringList{"--cubes", "9", "--colours", "W"} << 1 << "Invalid colours \"W\"";
    QTest::newRow("a colour twice") << QStringList{"--cubes", "9", "--colours", "WWY"} << 1
                                    << "Invalid colours \"WWY\"";
    QTest::newRow("no such colour") << QStringList{"--cubes", "9", "--colours", "WYQ"} << 1
                                    << "Invalid colours \"WYQ\"";
    QTest::newRow("method") << QStringList{"--cubes", "9", "--method", "best"} << 1 << "Invalid method \"best\"";
    QTest::newRow("negative turn weight") << QStringList{"--cubes", "9", "--turn-weight", "-1"} << 1
                                          << "Invalid turn weight \"-1\"";
    QTest::newRow("turn weight not a number") << QStringList{"--cubes", "9", "--turn-weight", "lots"} << 1
                                              << "Invalid turn weight \"lots\"";
    QTest::newRow("turn limit 10") << QStringList{"--cubes", "9", "--max-turns", "10"} << 1
                                   << "Invalid turn limit \"10\"";
    QTest::newRow("turn limit negative") << QStringList{"--cubes", "9", "--max-turns", "-2"} << 1
                                         << "Invalid turn limit \"-2\"";
    QTest::newRow("turn weight with nearest") << QStringList{"--cubes", "9", "--method", "nearest", "--turn-weight", "3"}
                                              << 1 << "--turn-weight goes with --method optimised only";
    QTest::newRow("turn limit with a window option") << QStringList{"-c", "50", "--max-turns", "3"} << 1
                                                     << "--columns is an option of the window's mosaic";
    QTest::newRow("preview scale 0") << QStringList{"--cubes", "9", "--preview-scale", "0"} << 1
                                     << "Invalid preview scale \"0\"";
    QTest::newRow("preview scale 65") << QStringList{"--cubes", "9", "--preview-scale", "65"} << 1
                                      << "Invalid preview scale \"65\"";
    QTest::newRow("no preview name") << QStringList{"--cubes", "9", "--stickers", ""} << 1
                                     << "No file name given for --stickers";
    QTest::newRow("sticker map over the picture") << QStringList{"--wall", "2x2", "--stickers", "@photo.png", "@photo.png"}
                                                  << 1 << "is read and would be written over";
    QTest::newRow("output over the palette")
        << QStringList{"--wall", "2x2", "--palette", "@five.txt", "--csv", "@five.txt", "@photo.png"} << 1
        << "is read and would be written over";
    QTest::newRow("one file for two outputs") << QStringList{"--cubes", "9", "--stickers", "@new.png"} << 1
                                              << "given for two outputs";

    // Rules between the options.
    QTest::newRow("no size") << QStringList{"--method", "nearest", "@photo.png"} << 1
                             << "A photo pattern needs a size: give --wall CxR or --cubes N.";
    QTest::newRow("wall and cubes") << QStringList{"--wall", "4x3", "--cubes", "12"} << 1
                                    << "Give --wall or --cubes, not both.";
    QTest::newRow("columns and wall") << QStringList{"-c", "40", "--wall", "4x3"} << 1
                                      << "--columns is an option of the window's mosaic and --wall one of a photo "
                                         "pattern";
    QTest::newRow("tolerances and method") << QStringList{"-t", "1,2,3,4,5,6", "--method", "nearest"} << 1
                                           << "--tolerances is an option of the window's mosaic and --method";
    QTest::newRow("bmp and palette") << QStringList{"--bmp", "@m.bmp", "--palette", "classic"} << 1
                                     << "--bmp is an option of the window's mosaic and --palette";
    QTest::newRow("rows and a preview alone") << QStringList{"-r", "9"} << 1
                                              << "--rows is an option of the window's mosaic and --preview";
    QTest::newRow("exact without a map") << QStringList{"--method", "exact"} << 1
                                         << "--method exact needs a sticker map as its PICTURE.";
    QTest::newRow("exact and cubes") << QStringList{"--method", "exact", "--cubes", "9", "@map.png"} << 1
                                     << "--method exact reads a sticker map as it is: --cubes does not go with it.";
    QTest::newRow("exact and brightness") << QStringList{"--method", "exact", "--brightness", "5", "@map.png"} << 1
                                          << "--brightness does not go with it";
    QTest::newRow("exact and crop") << QStringList{"--method", "exact", "--crop", "0,0,6,3", "@map.png"} << 1
                                    << "--crop does not go with it";
    QTest::newRow("face and wall") << QStringList{"--face", "WWWWWWWWW", "--wall", "1x1"} << 1
                                   << "--face takes no picture, no output file and no photo pattern.";

    // What the picture, the palette or the map turn out to be.
    QTest::newRow("crop outside the picture") << QStringList{"--wall", "2x2", "--crop", "20,10,30,10", "@photo.png"}
                                              << 2 << "cannot crop the picture";
    QTest::newRow("empty crop") << QStringList{"--wall", "2x2", "--crop", "0,0,0,10", "@photo.png"} << 2
                                << "cannot crop the picture";
    QTest::newRow("no palette file") << QStringList{"--wall", "2x2", "--palette", "@none.txt", "@photo.png"} << 2
                                     << "cannot use the palette";
    QTest::newRow("bad palette line") << QStringList{"--wall", "2x2", "--palette", "@bad.txt", "@photo.png"} << 2
                                      << "line 3";
    QTest::newRow("colours the palette lacks")
        << QStringList{"--wall", "2x2", "--palette", "@five.txt", "--colours", "WG", "@photo.png"} << 2
        << "cannot use the colours \"WG\" of the palette";
    QTest::newRow("missing picture") << QStringList{"--wall", "2x2", "@missing.png"} << 2
                                     << "cannot use the picture";
    QTest::newRow("foreign pixel in a map") << QStringList{"--method", "exact", "@foreign.png"} << 2
                                            << "(4, 1)";
    QTest::newRow("foreign pixel's colour") << QStringList{"--method", "exact", "@foreign.png"} << 2 << "#123456";
    QTest::newRow("hint at the palette") << QStringList{"--method", "exact", "@foreign.png"} << 2
                                         << "(a map made with --palette is read with the same --palette)";
    QTest::newRow("colour left out of the palette")
        << QStringList{"--method", "exact", "--colours", "WYRO", "@map.png"} << 2 << "#0046AD";
    QTest::newRow("map of part cubes") << QStringList{"--method", "exact", "@odd.png"} << 2
                                       << "cannot read the sticker map";
    QTest::newRow("map against its wall") << QStringList{"--method", "exact", "--wall", "3x1", "@map.png"} << 2
                                          << "is a wall of 2 x 1 cubes, not the 3 x 1 cubes of --wall";
    QTest::newRow("wall too wide for a preview") << QStringList{"--method", "exact", "@wide.png"} << 2
                                                 << "the wall is too large for a preview: 16386 x 3 stickers";
}

void PhotoErrorsTest::fails()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    QTemporaryDir folder;
    QVERIFY(makeFiles(folder));
    const QStringList before = folderEntries(folder);

    const QStringList outputs = {"--csv", "@out.csv", "--preview", "@new.png"};
    const GuideResult result = runGuide(inFolder(outputs + arguments, folder));
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.err.contains(QStringLiteral("Usage:")), status == 1);
    QCOMPARE(folderEntries(folder), before);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("out.csv"))), EarlierContent);
}

void PhotoErrorsTest::interruptionLeavesNoFile_data()
{
    QTest::addColumn<int>("looksBeforeInterrupt");
    QTest::newRow("after reading the picture") << 0;
    QTest::newRow("while making the pattern") << 1;
}

void PhotoErrorsTest::interruptionLeavesNoFile()
{
    QFETCH(int, looksBeforeInterrupt);
    QTemporaryDir folder;
    QVERIFY(makeFiles(folder));
    const QStringList before = folderEntries(folder);

    int looks = 0;
    const GuideResult result =
        runGuide(inFolder({"--cubes", "300", "--csv", "@out.csv", "--preview", "@new.png", "--stickers",
                           "@map-out.png", "@photo.png"},
                          folder),
                 [&] { return looks++ >= looksBeforeInterrupt; });
    QCOMPARE(result.status, 130);
    QVERIFY(result.err.contains(QStringLiteral("interrupted")));
    QVERIFY(looks > looksBeforeInterrupt);
    QCOMPARE(folderEntries(folder), before);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("out.csv"))), EarlierContent);
}

QTEST_MAIN(PhotoErrorsTest)
#include "photoerrors_qtest.moc"
