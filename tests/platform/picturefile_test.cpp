#include "platform/picturefile.h"

#include "platform/support/applicationenvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tessaly {
namespace {

const auto *const application = ::testing::AddGlobalTestEnvironment(new test::ApplicationEnvironment);

const QColor Back(212, 208, 200);

// ---- Building test files byte by byte ----

void appendBigEndian32(QByteArray &bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

void appendLittleEndian16(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

void appendLittleEndian32(QByteArray &bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

std::uint32_t crc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= std::uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    appendBigEndian32(chunk, std::uint32_t(data.size()));
    chunk.append(type + data);
    appendBigEndian32(chunk, crc32(type + data));
    return chunk;
}

// A well-formed 8-bit RGB PNG of the size whose compressed pixel data is
// empty: readers tell its size, and decoding it fails for want of pixels.
QByteArray pngWithoutPixels(std::uint32_t width, std::uint32_t height)
{
    QByteArray header;
    appendBigEndian32(header, width);
    appendBigEndian32(header, height);
    header.append("\x08\x02\x00\x00\x00", 5); // depth 8, RGB, no interlace
    const QByteArray emptyDeflateStream("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", emptyDeflateStream)
        + pngChunk("IEND", {});
}

// A JPEG with an EXIF APP1 segment that says: rotate by 90 degrees
// clockwise to show (orientation 6).
QByteArray withExifOrientation6(const QByteArray &jpeg)
{
    QByteArray tiff("II*\0", 4);
    appendLittleEndian32(tiff, 8);      // first IFD right after this header
    appendLittleEndian16(tiff, 1);      // one entry
    appendLittleEndian16(tiff, 0x0112); // Orientation
    appendLittleEndian16(tiff, 3);      // SHORT
    appendLittleEndian32(tiff, 1);      // one value
    appendLittleEndian16(tiff, 6);      // rotate 90 degrees clockwise
    appendLittleEndian16(tiff, 0);      // padding of the value field
    appendLittleEndian32(tiff, 0);      // no next IFD

    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(((payload.size() + 2) >> 8) & 0xFF));
    segment.append(char((payload.size() + 2) & 0xFF));
    segment.append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2); // right after SOI
}

// A GIF with a four-colour palette and one or more frames of palette
// indexes; transparentIndex (or -1) marks the see-through colour. The LZW
// stream sends a clear code before every two pixels so the code width stays
// at 3 bits, which any decoder must accept.
QByteArray gif(int width, int height, const std::array<QRgb, 4> &palette,
               const std::vector<std::vector<int>> &frames, int transparentIndex)
{
    QByteArray bytes("GIF89a");
    appendLittleEndian16(bytes, width);
    appendLittleEndian16(bytes, height);
    bytes.append(char(0x91)); // global table of 4 colours
    bytes.append('\0');
    bytes.append('\0');
    for (QRgb colour : palette) {
        bytes.append(char(qRed(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qBlue(colour)));
    }

    for (const std::vector<int> &indexes : frames) {
        bytes.append("\x21\xF9\x04", 3); // graphic control
        bytes.append(char(transparentIndex >= 0 ? 0x05 : 0x04));
        appendLittleEndian16(bytes, 10);
        bytes.append(char(transparentIndex >= 0 ? transparentIndex : 0));
        bytes.append('\0');

        bytes.append(',');
        appendLittleEndian16(bytes, 0);
        appendLittleEndian16(bytes, 0);
        appendLittleEndian16(bytes, width);
        appendLittleEndian16(bytes, height);
        bytes.append('\0');

        constexpr int Clear = 4;
        constexpr int End = 5;
        std::vector<int> codes;
        for (size_t i = 0; i < indexes.size(); ++i) {
            if (i % 2 == 0)
                codes.push_back(Clear);
            codes.push_back(indexes[i]);
        }
        codes.push_back(End);

        QByteArray packed;
        std::uint32_t bits = 0;
        int bitCount = 0;
        for (int code : codes) {
            bits |= std::uint32_t(code) << bitCount;
            bitCount += 3;
            while (bitCount >= 8) {
                packed.append(char(bits & 0xFF));
                bits >>= 8;
                bitCount -= 8;
            }
        }
        if (bitCount > 0)
            packed.append(char(bits & 0xFF));

        bytes.append('\x02'); // minimum code size
        for (qsizetype at = 0; at < packed.size(); at += 255) {
            const QByteArray block = packed.mid(at, 255);
            bytes.append(char(block.size()));
            bytes.append(block);
        }
        bytes.append('\0');
    }
    bytes.append(';');
    return bytes;
}

// ---- Pictures to write ----

// 16 x 12 in four flat quadrants, so even lossy formats keep their centres.
QImage quadrants(QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight)
{
    QImage image(16, 12, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, y < 6 ? (x < 8 ? topLeft : topRight) : (x < 8 ? bottomLeft : bottomRight));
    return image;
}

QImage colourQuadrants()
{
    return quadrants(qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255));
}

QImage monoQuadrants()
{
    return quadrants(qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(0, 0, 0));
}

QImage greyQuadrants()
{
    return quadrants(qRgb(0, 0, 0), qRgb(85, 85, 85), qRgb(170, 170, 170), qRgb(255, 255, 255));
}

bool canWrite(const QByteArray &format)
{
    return QImageWriter::supportedImageFormats().contains(format);
}

::testing::AssertionResult closeTo(QRgb actual, QRgb expected, int tolerance)
{
    const int worst = std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                                std::abs(qBlue(actual) - qBlue(expected))});
    if (worst <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel " << std::hex << actual << " is more than " << std::dec
                                         << tolerance << " away from " << std::hex << expected;
}

QString writeFile(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
    return file.fileName();
}

QByteArray encoded(const QImage &image, const QByteArray &format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << format.constData() << ": " << writer.errorString().toStdString();
    return bytes;
}

// Every test works in a folder of its own.
class PictureFileTest : public ::testing::Test
{
protected:
    QDir folder() const { return QDir(m_folder.path()); }
    QString pathOf(const QString &name) const { return m_folder.filePath(name); }
    QString writeBytes(const QString &name, const QByteArray &bytes) const { return writeFile(folder(), name, bytes); }

private:
    QTemporaryDir m_folder;
};

// ---- Every format Qt can write here is read back ----

struct FormatCase
{
    std::string format;
    std::function<QImage()> picture;
    int tolerance; // per channel; lossy formats blur a little
    int quality;
};

void PrintTo(const FormatCase &format, std::ostream *out)
{
    *out << format.format;
}

class PictureFormatTest : public PictureFileTest, public ::testing::WithParamInterface<FormatCase>
{
};

TEST_P(PictureFormatTest, LoadsWithSizeAndColours)
{
    const FormatCase &format = GetParam();
    if (!canWrite(QByteArray::fromStdString(format.format)))
        GTEST_SKIP() << "Qt cannot write " << format.format << " here";

    const QImage picture = format.picture();
    const QString path = writeBytes(QString::fromStdString("picture." + format.format),
                                    encoded(picture, QByteArray::fromStdString(format.format), format.quality));
    const LoadedPicture loaded = loadPicture(path, Back);

    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    ASSERT_EQ(loaded.image.size(), picture.size());
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    for (QPoint centre : {QPoint(4, 3), QPoint(12, 3), QPoint(4, 9), QPoint(12, 9)})
        EXPECT_TRUE(closeTo(loaded.image.pixel(centre), picture.pixel(centre), format.tolerance))
            << "at " << centre.x() << ", " << centre.y();
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFormatTest,
                         ::testing::Values(FormatCase{"png", colourQuadrants, 0, -1},
                                           FormatCase{"bmp", colourQuadrants, 0, -1},
                                           FormatCase{"jpg", colourQuadrants, 16, 100},
                                           FormatCase{"webp", colourQuadrants, 16, 100},
                                           FormatCase{"tiff", colourQuadrants, 0, -1},
                                           FormatCase{"ico", colourQuadrants, 0, -1},
                                           FormatCase{"ppm", colourQuadrants, 0, -1},
                                           FormatCase{"pgm", greyQuadrants, 0, -1},
                                           FormatCase{"pbm", monoQuadrants, 0, -1},
                                           FormatCase{"xpm", colourQuadrants, 0, -1},
                                           FormatCase{"wbmp", monoQuadrants, 0, -1}),
                         [](const ::testing::TestParamInfo<FormatCase> &info) { return info.param.format; });

// ---- Pictures whose loading takes more than decoding ----

TEST_F(PictureFileTest, TransparencyIsCompositedOverTheBackColour)
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 0));     // see-through
    picture.setPixel(1, 0, qRgba(0, 0, 0, 128));     // half black
    picture.setPixel(2, 0, qRgba(10, 200, 30, 255)); // solid
    const QString path = writeBytes("alpha.png", encoded(picture, "png"));

    const LoadedPicture loaded = loadPicture(path, QColor(0, 0, 200));

    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.image.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_TRUE(closeTo(loaded.image.pixel(1, 0), qRgb(0, 0, 100), 1));
    EXPECT_EQ(loaded.image.pixel(2, 0), qRgb(10, 200, 30));
}

TEST_F(PictureFileTest, JpegIsTurnedByItsExifOrientation)
{
    if (!canWrite("jpeg"))
        GTEST_SKIP() << "Qt cannot write JPEG here";
    // 20 x 10: red left half, blue right half. Turned clockwise, the red
    // half comes on top of a 10 x 20 picture.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = writeBytes("turned.jpg", withExifOrientation6(encoded(picture, "jpeg", 100)));

    const LoadedPicture loaded = loadPicture(path, Back);

    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.image.size(), QSize(10, 20));
    EXPECT_TRUE(closeTo(loaded.image.pixel(5, 4), qRgb(255, 0, 0), 16));
    EXPECT_TRUE(closeTo(loaded.image.pixel(5, 15), qRgb(0, 0, 255), 16));
}

TEST_F(PictureFileTest, AnimationGivesItsFirstFrameWithTransparency)
{
    const std::array<QRgb, 4> palette{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    const std::vector<int> first{0, 1, 2, 3, //
                                 3, 2, 1, 0};
    const std::vector<int> second(8, 1);
    const QString path = writeBytes("animation.gif", gif(4, 2, palette, {first, second}, 3));

    const LoadedPicture loaded = loadPicture(path, Back);

    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    ASSERT_EQ(loaded.image.size(), QSize(4, 2));
    for (int i = 0; i < 8; ++i) {
        const QRgb expected = first[size_t(i)] == 3 ? Back.rgb() : palette[size_t(first[size_t(i)])];
        EXPECT_EQ(loaded.image.pixel(i % 4, i / 4), expected) << "pixel " << i;
    }
}

TEST_F(PictureFileTest, SvgIsDrawnAtItsSize)
{
    const QString path = writeBytes("drawing.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='8'>"
                                                   "<rect x='0' y='0' width='5' height='8' fill='#00ff00'/></svg>");
    const LoadedPicture loaded = loadPicture(path, Back);
    if (!loaded.error.isEmpty() && !QImageReader::supportedImageFormats().contains("svg"))
        GTEST_SKIP() << "no SVG plugin";

    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.image.size(), QSize(10, 8));
    EXPECT_EQ(loaded.image.pixel(2, 4), qRgb(0, 255, 0));
    EXPECT_EQ(loaded.image.pixel(8, 4), Back.rgb()); // the uncovered part
}

TEST_F(PictureFileTest, ContentCountsNotTheNameSuffix)
{
    const QString path = writeBytes("really-a-bmp.png", encoded(colourQuadrants(), "bmp"));
    const LoadedPicture loaded = loadPicture(path, Back);
    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.image, colourQuadrants());
}

TEST_F(PictureFileTest, PictureAtThePixelLimitIsNotRefusedForItsSize)
{
    // 16000 x 8000 is exactly the limit: it gets past the size check and
    // then fails only because the file holds no pixels.
    static_assert(16000LL * 8000 == MaxPicturePixels);
    const QString path = writeBytes("at-limit.png", pngWithoutPixels(16000, 8000));
    const LoadedPicture loaded = loadPicture(path, Back);
    EXPECT_TRUE(loaded.image.isNull());
    EXPECT_FALSE(loaded.error.isEmpty());
    EXPECT_FALSE(loaded.error.contains("16000")) << loaded.error.toStdString();
}

// ---- Files that are not pictures ----

struct BadFileCase
{
    std::string name;
    // Makes the file in the folder and gives its path.
    std::function<QString(const QDir &)> make;
    // A text the reason must hold, to tell which check refused the file.
    QString reasonHolds;
};

void PrintTo(const BadFileCase &bad, std::ostream *out)
{
    *out << bad.name;
}

class BadPictureFileTest : public PictureFileTest, public ::testing::WithParamInterface<BadFileCase>
{
};

TEST_P(BadPictureFileTest, IsRefusedWithAReason)
{
    const QString path = GetParam().make(folder());
    const LoadedPicture loaded = loadPicture(path, Back);
    EXPECT_TRUE(loaded.image.isNull());
    EXPECT_FALSE(loaded.error.isEmpty());
    EXPECT_TRUE(loaded.error.contains(GetParam().reasonHolds)) << loaded.error.toStdString();
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(7);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QImage noisePicture()
{
    QImage picture(64, 64, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, random.generate() | 0xFF000000u);
    return picture;
}

// A case whose file holds the bytes.
BadFileCase badFile(std::string name, QString fileName, QByteArray bytes, QString reasonHolds = {})
{
    return {std::move(name),
            [fileName, bytes](const QDir &folder) { return writeFile(folder, fileName, bytes); },
            std::move(reasonHolds)};
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, BadPictureFileTest,
    ::testing::Values(
        BadFileCase{"MissingFile", [](const QDir &folder) { return folder.filePath("gone.png"); }, {}},
        BadFileCase{"Folder",
                    [](const QDir &folder) {
                        folder.mkdir("folder.png");
                        return folder.filePath("folder.png");
                    },
                    {}},
        badFile("EmptyFile", "empty.png", {}),
        badFile("TextFile", "notes.txt", "not a picture at all\n"),
        badFile("RandomBytes", "noise.jpg", noise(4096)),
        badFile("TruncatedPng", "truncated.png", encoded(noisePicture(), "png").left(6000)),
        badFile("PngWithoutPixels", "nopixels.png", pngWithoutPixels(20, 10)),
        badFile("ZeroWidthPng", "zero.png", pngWithoutPixels(0, 10)),
        // Refused from the header alone, before anything is decoded.
        badFile("HugePng", "huge.png", pngWithoutPixels(20000, 20000), "20000"),
        badFile("JustOverTheLimitPng", "over.png", pngWithoutPixels(16000, 8001), "8001")),
    [](const ::testing::TestParamInfo<BadFileCase> &info) { return info.param.name; });

// ---- Saving as BMP ----

QImage mosaicLike()
{
    QImage image(437, 437, QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    for (int y = 8; y < 200; ++y)
        for (int x = 8; x < 300; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return image;
}

TEST_F(PictureFileTest, SavedBmpReloadsWithTheSamePixels)
{
    const QString path = pathOf("m.BMP");
    ASSERT_EQ(savePictureAsBmp(mosaicLike(), path), QString());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    EXPECT_EQ(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), mosaicLike());
}

TEST_F(PictureFileTest, SaveReplacesAnExistingFile)
{
    const QString path = writeBytes("m.BMP", "an older file of another kind");
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(qRgb(1, 2, 3));

    ASSERT_EQ(savePictureAsBmp(small, path), QString());
    ASSERT_EQ(savePictureAsBmp(mosaicLike(), path), QString());

    EXPECT_EQ(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), mosaicLike());
    EXPECT_EQ(folder().entryList(QDir::Files), QStringList{"m.BMP"}); // no leftovers
}

struct SaveFailureCase
{
    std::string name;
    // Prepares the folder and gives the target path.
    std::function<QString(const QDir &)> prepare;
    QImage image;
};

void PrintTo(const SaveFailureCase &failure, std::ostream *out)
{
    *out << failure.name;
}

class SaveFailureTest : public PictureFileTest, public ::testing::WithParamInterface<SaveFailureCase>
{
};

// Names and contents of everything in the folder and below it.
QStringList snapshot(const QDir &folder)
{
    QStringList entries;
    for (const QFileInfo &info : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
        if (info.isDir()) {
            entries << info.fileName() + "/";
            for (const QString &inner : snapshot(QDir(info.filePath())))
                entries << info.fileName() + "/" + inner;
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            entries << info.fileName() + ": " + QString::fromLatin1(file.readAll().toHex());
        }
    }
    return entries;
}

TEST_P(SaveFailureTest, GivesAReasonAndLeavesEverythingAsItWas)
{
    const QString path = GetParam().prepare(folder());
    const QStringList before = snapshot(folder());

    EXPECT_FALSE(savePictureAsBmp(GetParam().image, path).isEmpty());
    EXPECT_EQ(snapshot(folder()), before);
}

QString writeOldFile(const QDir &folder, const QString &name)
{
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("the earlier file");
    return file.fileName();
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SaveFailureTest,
    ::testing::Values(
        // Root may write anywhere, so the failures come from the path itself.
        SaveFailureCase{"FolderIsAFile",
                        [](const QDir &folder) { return writeOldFile(folder, "plain") + "/m.BMP"; }, mosaicLike()},
        SaveFailureCase{"FolderIsMissing", [](const QDir &folder) { return folder.filePath("missing/m.BMP"); },
                        mosaicLike()},
        SaveFailureCase{"TargetIsAFolder",
                        [](const QDir &folder) {
                            folder.mkdir("m.BMP");
                            writeOldFile(QDir(folder.filePath("m.BMP")), "inside");
                            return folder.filePath("m.BMP");
                        },
                        mosaicLike()},
        SaveFailureCase{"NoImage", [](const QDir &folder) { return writeOldFile(folder, "m.BMP"); }, QImage()}),
    [](const ::testing::TestParamInfo<SaveFailureCase> &info) { return info.param.name; });

TEST(AppPathTest, IsTheFolderOfTheRunningProgram)
{
    const QFileInfo program(QFile::symLinkTarget("/proc/self/exe"));
    if (!program.exists())
        GTEST_SKIP() << "no /proc/self/exe";
    EXPECT_EQ(QFileInfo(appPath()).canonicalFilePath(), program.canonicalPath());
}

} // namespace
} // namespace tessaly
