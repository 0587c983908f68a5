// Every way a guide command can fail: the message, the exit status, and no
// file left behind or damaged.

#include "support/guiderunner.h"
#include "support/photofiles.h"
#include "support/testpictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly::test;

namespace {

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian32(QByteArray &bytes, int at, quint32 value)
{
    for (int byte = 0; byte < 4; ++byte)
        bytes[at + byte] = char((value >> (24 - 8 * byte)) & 0xFF);
}

// A PNG whose header claims 20000 x 20000 pixels: a real one-pixel PNG with
// its size and header checksum rewritten.
QByteArray hugePngHeader()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    letterPicture({"R"}).save(&buffer, "PNG");
    constexpr int IhdrType = 12; // after the signature and the chunk length
    putBigEndian32(png, IhdrType + 4, 20000);
    putBigEndian32(png, IhdrType + 8, 20000);
    putBigEndian32(png, IhdrType + 17, crc32(png.mid(IhdrType, 17)));
    return png;
}

} // namespace

class GuideErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void fails_data();
    void fails();
    void interruptionLeavesNoFile_data();
    void interruptionLeavesNoFile();
};

void GuideErrorsTest::fails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString csv = QStringLiteral("@out.csv");
    // Bad options: the usage follows the message.
    QTest::newRow("unknown option") << QStringList{"--colour", "3"} << 1 << "Unknown option 'colour'";
    QTest::newRow("five tolerances") << QStringList{"-t", "1,2,3,4,5", "--csv", csv} << 1
                                     << "Invalid tolerances \"1,2,3,4,5\"";
    QTest::newRow("seven tolerances") << QStringList{"-t", ",,,,,,", "--csv", csv} << 1 << "Invalid tolerances";
    QTest::newRow("page size") << QStringList{"--page-size", "A3", "--csv", csv} << 1 << "Invalid page size \"A3\"";
    QTest::newRow("no output name") << QStringList{"--csv", ""} << 1 << "No file name given for --csv";
    QTest::newRow("output value missing") << QStringList{"--csv"} << 1 << "Missing value after '--csv'";
    QTest::newRow("same file twice") << QStringList{"--csv", csv, "--bmp", csv} << 1 << "given for two outputs";
    QTest::newRow("same file by two names") << QStringList{"--csv", csv, "--pdf", "@./out.csv"} << 1
                                            << "given for two outputs";
    QTest::newRow("output over the picture") << QStringList{"@a.png", "--bmp", "@folder/../a.png"} << 1
                                             << "is read and would be written over";
    QTest::newRow("preview not a PNG") << QStringList{"--wall", "2x2", "--preview", "@wall.jpg"} << 1
                                       << "--preview writes a PNG: give it a name ending in .png";
    QTest::newRow("sticker map not a PNG") << QStringList{"--wall", "2x2", "--stickers", "@map.JPEG", "--csv", csv}
                                           << 1 << "--stickers writes a PNG";
    QTest::newRow("empty picture name") << QStringList{"", "--csv", csv} << 1 << "The PICTURE given is an empty name";
    QTest::newRow("preview scale without a preview") << QStringList{"--wall", "2x2", "--preview-scale", "4", "--csv", csv}
                                                     << 1 << "--preview-scale goes with --preview.";
    QTest::newRow("two pictures") << QStringList{"@a.png", "@b.png", "--csv", csv} << 1 << "Only one picture";
    QTest::newRow("thread count") << QStringList{"-j", "0", "--csv", csv} << 1 << "Invalid thread count \"0\"";
    QTest::newRow("face letters") << QStringList{"--face", "WWWWXWWWW"} << 1 << "Invalid face \"WWWWXWWWW\"";
    QTest::newRow("face length") << QStringList{"--face", "WWW"} << 1 << "Invalid face";
    QTest::newRow("order") << QStringList{"--order", "left-right", "--csv", csv} << 1
                           << "Invalid order \"left-right\": use top-down or bottom-up.";
    QTest::newRow("panel of 0 columns") << QStringList{"--panel", "0x5", "--csv", csv} << 1 << "Invalid panel \"0x5\"";
    QTest::newRow("negative panel") << QStringList{"--panel", "-3x5", "--pdf", csv} << 1 << "Invalid panel \"-3x5\"";
    QTest::newRow("panel not a number") << QStringList{"--panel", "axb", "--csv", csv} << 1 << "Invalid panel \"axb\"";
    QTest::newRow("panel of one number") << QStringList{"--panel", "20", "--csv", csv} << 1
                                         << "give columns x rows of cubes";
    QTest::newRow("panel beyond int") << QStringList{"--panel", "99999999999x2", "--csv", csv} << 1
                                      << "Invalid panel \"99999999999x2\"";
    QTest::newRow("negative seconds per turn") << QStringList{"--seconds-per-turn", "-1", "--csv", csv} << 1
                                               << "Invalid seconds per turn \"-1\": give a number from 0 to 3600.";
    QTest::newRow("seconds per turn not a number") << QStringList{"--seconds-per-turn", "fast", "--pdf", csv} << 1
                                                   << "Invalid seconds per turn \"fast\"";
    QTest::newRow("seconds per cube too many") << QStringList{"--seconds-per-cube", "3601", "--csv", csv} << 1
                                               << "Invalid seconds per cube \"3601\"";
    QTest::newRow("seconds per cube not finite") << QStringList{"--seconds-per-cube", "nan", "--csv", csv} << 1
                                                 << "Invalid seconds per cube \"nan\"";

    // Pictures that cannot be used.
    QTest::newRow("missing picture") << QStringList{"@missing.png", "--csv", csv} << 2 << "The file does not exist";
    QTest::newRow("a folder") << QStringList{"@folder", "--csv", csv} << 2 << "Not a file";
    QTest::newRow("not a picture") << QStringList{"@notes.txt", "--csv", csv} << 2 << "cannot use the picture";
    QTest::newRow("damaged picture") << QStringList{"@damaged.png", "--csv", csv} << 2 << "cannot use the picture";
    QTest::newRow("too large") << QStringList{"@huge.png", "--csv", csv} << 2 << "more than the 128000000 pixels";

    // Outputs that cannot be written.
    QTest::newRow("no such folder") << QStringList{"--pdf", "@none/out.pdf"} << 2 << "cannot write";
    QTest::newRow("under a file") << QStringList{"--bmp", "@notes.txt/out.bmp"} << 2 << "cannot write";

    // The run's own refusals.
    QTest::newRow("counts exceed picture") << QStringList{"-c", "300", "-r", "200", "--csv", csv} << 2
        << "宽高数值超过图片大小: 300 columns > picture width 208; 200 rows > picture height 183";
    QTest::newRow("count reads as 0") << QStringList{"-r", "abc", "--csv", csv} << 2
                                      << "宽高数值无效: row count \"abc\" reads as 0";
    QTest::newRow("count out of range") << QStringList{"-r", "-40000", "--csv", csv} << 2
                                        << "row count \"-40000\" is outside -32768 to 32767";
    QTest::newRow("step rounds to 0") << QStringList{"-c", "-500", "--csv", csv} << 2
                                      << "column count \"-500\" gives a step 208 / -500 that rounds to 0";
    QTest::newRow("tolerance out of range") << QStringList{"-t", "1e10,,,,,", "--csv", csv} << 2
                                            << "阈值数值无效: orange tolerance \"1e10\" is outside the 32-bit range";
}

void GuideErrorsTest::fails()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("notes.txt")), "not a picture\n"));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("huge.png")), hugePngHeader()));
    QVERIFY(letterPicture({"RG", "BW"}).save(folder.filePath(QStringLiteral("a.png"))));
    QVERIFY(letterPicture({"RG", "BW"}).save(folder.filePath(QStringLiteral("b.png"))));
    QFile damaged(folder.filePath(QStringLiteral("damaged.png")));
    {
        QFile whole(folder.filePath(QStringLiteral("a.png")));
        QVERIFY(whole.open(QIODevice::ReadOnly) && damaged.open(QIODevice::WriteOnly));
        damaged.write(whole.readAll().left(40));
        damaged.close();
    }
    // An earlier guide of the same name must survive the failure.
    QVERIFY(writeFile(folder.filePath(QStringLiteral("out.csv")), EarlierContent));
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const GuideResult result = runGuide(inFolder(arguments, folder));
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.err.contains(QStringLiteral("Usage:")), status == 1);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QFile earlier(folder.filePath(QStringLiteral("out.csv")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), EarlierContent);
}

void GuideErrorsTest::interruptionLeavesNoFile_data()
{
    QTest::addColumn<int>("looksBeforeInterrupt");
    QTest::newRow("before the run") << 0;
    QTest::newRow("inside the run") << 1;
}

void GuideErrorsTest::interruptionLeavesNoFile()
{
    QFETCH(int, looksBeforeInterrupt);
    QTemporaryDir folder;
    // Enough cells that the run looks at the interrupt more than once.
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    QImage picture(700, 700, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(picturePath));

    int looks = 0;
    const GuideResult result = runGuide({QStringLiteral("-c"), QStringLiteral("700"), QStringLiteral("-r"),
                                         QStringLiteral("700"), QStringLiteral("--csv"),
                                         folder.filePath(QStringLiteral("out.csv")), QStringLiteral("--bmp"),
                                         folder.filePath(QStringLiteral("out.bmp")), picturePath},
                                        [&] { return looks++ >= looksBeforeInterrupt; });
    QCOMPARE(result.status, 130);
    QVERIFY(result.err.contains(QStringLiteral("interrupted")));
    QVERIFY(looks > looksBeforeInterrupt);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.png")});
}

QTEST_MAIN(GuideErrorsTest)
#include "guideerrors_qtest.moc"
