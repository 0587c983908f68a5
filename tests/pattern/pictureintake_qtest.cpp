#include "pattern/pictureintake.h"
#include "pattern/qtpicture.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace tessaly::pattern;

namespace {

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(100);
    if (!writer.write(image))
        qWarning() << "cannot write" << format << writer.errorString();
    return bytes;
}

void appendLittleEndian(QByteArray &bytes, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// The JPEG with an EXIF segment saying "turn 90 degrees clockwise to show"
// (orientation 6); Qt's writer turns the pixels instead of writing one.
QByteArray withExifOrientation6(const QByteArray &jpeg)
{
    QByteArray tiff("II*\0", 4);
    appendLittleEndian(tiff, 8, 4);      // the first directory right after this header
    appendLittleEndian(tiff, 1, 2);      // one entry:
    appendLittleEndian(tiff, 0x0112, 2); // orientation,
    appendLittleEndian(tiff, 3, 2);      // a 16-bit number,
    appendLittleEndian(tiff, 1, 4);      // one of them,
    appendLittleEndian(tiff, 6, 4);      // 6, padded to four bytes
    appendLittleEndian(tiff, 0, 4);      // no next directory

    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8));
    segment.append(char(length & 0xFF));
    return jpeg.left(2) + segment + payload + jpeg.mid(2); // right after the start marker
}

bool closeTo(Srgb8 actual, Srgb8 expected, int tolerance)
{
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
        && std::abs(actual.b - expected.b) <= tolerance;
}

QByteArray describe(Srgb8 colour)
{
    return QByteArray::number(colour.r) + ", " + QByteArray::number(colour.g) + ", " + QByteArray::number(colour.b);
}

// The sRGB bytes of a colour given in Adobe RGB (1998) bytes, from the
// published matrices of both spaces (D65) and Adobe RGB's gamma of 563/256.
Srgb8 srgbOfAdobeRgb(int r, int g, int b)
{
    const double adobeToXyz[3][3] = {{0.5767309, 0.1855540, 0.1881852},
                                     {0.2973769, 0.6273491, 0.0752741},
                                     {0.0270343, 0.0706872, 0.9911085}};
    const double xyzToSrgb[3][3] = {{3.2404542, -1.5371385, -0.4985314},
                                    {-0.9692660, 1.8760108, 0.0415560},
                                    {0.0556434, -0.2040259, 1.0572252}};
    const double adobe[3] = {std::pow(r / 255.0, 563.0 / 256), std::pow(g / 255.0, 563.0 / 256),
                             std::pow(b / 255.0, 563.0 / 256)};
    double xyz[3] = {};
    for (int i = 0; i < 3; ++i)
        xyz[i] = adobeToXyz[i][0] * adobe[0] + adobeToXyz[i][1] * adobe[1] + adobeToXyz[i][2] * adobe[2];
    std::uint8_t srgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        const double linear = std::clamp(xyzToSrgb[i][0] * xyz[0] + xyzToSrgb[i][1] * xyz[1] + xyzToSrgb[i][2] * xyz[2],
                                         0.0, 1.0);
        const double encoded = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
        srgb[i] = std::uint8_t(std::lround(encoded * 255));
    }
    return {srgb[0], srgb[1], srgb[2]};
}

// Six opaque colours in a 3 x 2 picture, each a pixel.
QImage sixColours()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                            qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(17, 128, 230)};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    return image;
}

} // namespace

class PictureIntakeTest : public QObject
{
    Q_OBJECT

private:
    enum BadFileKind { Missing, Folder, File };

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a test file");
        file.write(bytes);
        return file.fileName();
    }

    PictureIntake load(const QString &path) { return loadPatternPicture(path.toStdString()); }

    QTemporaryDir m_folder;

private slots:
    void transparencyIsCompositedOverWhiteExactly()
    {
        // c x a + (1 - a) in bytes: anything at alpha 0 gives 255; at 51
        // (a = 0.2) 100 gives 20 + 204 = 224 and 0 gives 204; at 102 (0.4)
        // 50 gives 20 + 153 = 173 and 0 gives 153; 0 at 128 gives 127
        // exactly; 0 at 1 gives 254.
        QImage image(5, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(200, 0, 0, 0));
        image.setPixel(1, 0, qRgba(100, 100, 0, 51));
        image.setPixel(2, 0, qRgba(50, 0, 50, 102));
        image.setPixel(3, 0, qRgba(0, 255, 0, 128));
        image.setPixel(4, 0, qRgba(0, 10, 200, 1));
        const PictureIntake intake = load(writeFile("alpha.png", encoded(image, "png")));

        QCOMPARE(QString::fromStdString(intake.error), QString());
        QCOMPARE(intake.picture.width, 5);
        QCOMPARE(intake.picture.height, 1);
        const std::vector<std::uint8_t> expected{255, 255, 255, 224, 224, 204, 173, 153, 173,
                                                 127, 255, 127, 254, 254, 255};
        QCOMPARE(intake.picture.rgb, expected);
    }

    void jpegIsTurnedByItsExifOrientation()
    {
        // 20 x 10: red left half, blue right half, stored with the note
        // "turn 90 degrees clockwise to show": the red half comes on top
        // of a 10 x 20 picture.
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 255));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                image.setPixel(x, y, qRgb(255, 0, 0));
        const QByteArray jpeg = encoded(image, "jpeg");
        if (jpeg.isEmpty())
            QSKIP("Qt cannot write JPEG here");
        const PictureIntake intake = load(writeFile("turned.jpg", withExifOrientation6(jpeg)));

        QCOMPARE(QString::fromStdString(intake.error), QString());
        QCOMPARE(intake.picture.width, 10);
        QCOMPARE(intake.picture.height, 20);
        QVERIFY2(closeTo(intake.picture.pixel(5, 4), {255, 0, 0}, 16), describe(intake.picture.pixel(5, 4)));
        QVERIFY2(closeTo(intake.picture.pixel(5, 15), {0, 0, 255}, 16), describe(intake.picture.pixel(5, 15)));
    }

    void embeddedColourSpaceIsConvertedToSrgb()
    {
        const int adobe[][3] = {{200, 120, 60}, {90, 160, 210}, {128, 128, 128}, {255, 0, 0}};
        QImage image(4, 1, QImage::Format_RGB32);
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, 0, qRgb(adobe[x][0], adobe[x][1], adobe[x][2]));
        image.setColorSpace(QColorSpace::AdobeRgb);
        const PictureIntake intake = load(writeFile("adobe.png", encoded(image, "png")));

        QCOMPARE(QString::fromStdString(intake.error), QString());
        for (int x = 0; x < 4; ++x) {
            const Srgb8 expected = srgbOfAdobeRgb(adobe[x][0], adobe[x][1], adobe[x][2]);
            QVERIFY2(closeTo(intake.picture.pixel(x, 0), expected, 2),
                     describe(intake.picture.pixel(x, 0)) + " instead of " + describe(expected));
        }
        // The reference colours are not sRGB's own bytes, so the test sees a conversion.
        QVERIFY(!closeTo(srgbOfAdobeRgb(200, 120, 60), {200, 120, 60}, 8));
    }

    void pathIsUtf8()
    {
        const PictureIntake intake = load(writeFile(QStringLiteral("图片 ÿ.png"), encoded(sixColours(), "png")));
        QCOMPARE(QString::fromStdString(intake.error), QString());
        QCOMPARE(intake.picture.pixel(2, 1), (Srgb8{17, 128, 230}));
    }

    void badFileIsRefusedWithAReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reasonHolds");

        QImage noise(64, 64, QImage::Format_RGB32);
        for (int i = 0; i < 64 * 64; ++i)
            noise.setPixel(i % 64, i / 64, qRgb(i * 7 % 256, i * 13 % 256, i * 29 % 256));

        QTest::newRow("missing") << "gone.png" << int(Missing) << QByteArray() << "does not exist";
        QTest::newRow("folder") << "folder.png" << int(Folder) << QByteArray() << "Not a file";
        QTest::newRow("text") << "notes.png" << int(File) << QByteArray("not a picture at all\n") << "";
        QTest::newRow("truncated") << "truncated.png" << int(File) << encoded(noise, "png").left(200) << "";
        // The header alone says 20000 x 20000 pixels; nothing follows it.
        QTest::newRow("huge header") << "huge.ppm" << int(File) << QByteArray("P6\n20000 20000\n255\n")
                                     << "20000 x 20000";
    }

    void badFileIsRefusedWithAReason()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reasonHolds);
        if (kind == Folder)
            QDir(m_folder.path()).mkdir(name);
        if (kind == File)
            writeFile(name, bytes);

        const PictureIntake intake = load(m_folder.filePath(name));
        QVERIFY(intake.picture.isNull());
        QVERIFY(intake.picture.rgb.empty());
        QVERIFY(!intake.error.empty());
        QVERIFY2(QString::fromStdString(intake.error).contains(reasonHolds), intake.error.c_str());
    }

    // Every pixel format gives the same bytes for the same colours.
    void everyPixelFormatGivesTheSameBytes_data()
    {
        QTest::addColumn<QImage>("image");
        const QImage colours = sixColours();
        QTest::newRow("RGB32") << colours;
        QTest::newRow("ARGB32 premultiplied") << colours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QTest::newRow("RGB888") << colours.convertToFormat(QImage::Format_RGB888);
        QTest::newRow("BGR888") << colours.convertToFormat(QImage::Format_BGR888);
        QTest::newRow("RGBA64") << colours.convertToFormat(QImage::Format_RGBA64);
        QTest::newRow("Indexed8") << colours.convertToFormat(QImage::Format_Indexed8);
    }

    void everyPixelFormatGivesTheSameBytes()
    {
        QFETCH(QImage, image);
        const std::vector<std::uint8_t> expected{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 17, 128, 230};
        const SrgbPicture picture = srgbPictureOf(image);
        QCOMPARE(picture.width, 3);
        QCOMPARE(picture.height, 2);
        QCOMPARE(picture.rgb, expected);
    }

    void greyAndTwoColourPicturesGiveTheirBytes()
    {
        QImage grey(2, 1, QImage::Format_Grayscale8);
        *grey.scanLine(0) = 37;
        grey.scanLine(0)[1] = 250;
        QCOMPARE(srgbPictureOf(grey).rgb, (std::vector<std::uint8_t>{37, 37, 37, 250, 250, 250}));

        QImage mono(10, 1, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(0);
        mono.setPixel(9, 0, 1);
        const SrgbPicture picture = srgbPictureOf(mono);
        QCOMPARE(picture.pixel(8, 0), (Srgb8{0, 0, 0}));
        QCOMPARE(picture.pixel(9, 0), (Srgb8{255, 255, 255}));
    }

    // Taller than the rows converted at a time: the strips join up.
    void tallPictureKeepsEveryRow()
    {
        QImage image(2, 300, QImage::Format_RGB888);
        for (int y = 0; y < 300; ++y) {
            image.setPixel(0, y, qRgb(y % 256, y / 256, 7));
            image.setPixel(1, y, qRgb(255 - y % 256, 9, y / 256));
        }
        const SrgbPicture picture = srgbPictureOf(image);
        QCOMPARE(picture.height, 300);
        for (int y = 0; y < 300; ++y) {
            QCOMPARE(picture.pixel(0, y), (Srgb8{std::uint8_t(y % 256), std::uint8_t(y / 256), 7}));
            QCOMPARE(picture.pixel(1, y), (Srgb8{std::uint8_t(255 - y % 256), 9, std::uint8_t(y / 256)}));
        }
    }

    void nullImageGivesANullPicture() { QVERIFY(srgbPictureOf(QImage()).isNull()); }
};

QTEST_GUILESS_MAIN(PictureIntakeTest)
#include "pictureintake_qtest.moc"
