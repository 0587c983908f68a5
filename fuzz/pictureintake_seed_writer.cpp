// Writes the seed corpus of pictureintake_fuzzer into the folder named on the
// command line: a small picture in every format Qt can write here, a GIF
// (Qt writes none), pictures with transparency and an orientation tag, and
// damaged files that take the failure path (truncated, empty, a huge declared
// size, content under a wrong suffix). Each file starts with the selector
// byte of its suffix, as the fuzzer expects.

#include "picturesuffixes.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

using tessaly::fuzz::selectorForSuffix;

// A few colours, a gradient and a half-transparent corner on 8 x 6 pixels:
// small enough to keep the seeds tiny, varied enough to reach the decoders'
// palette and alpha paths.
QImage samplePicture(QImage::Format format)
{
    QImage picture(8, 6, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(x * 32, y * 40, 255 - x * 32));
    }
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(5, 0, 3, 2, QColor(255, 128, 0, 100));
    painter.end();
    return picture.convertToFormat(format);
}

QByteArray encoded(const QImage &picture, const QByteArray &format,
                   QImageIOHandler::Transformations transformation = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (transformation)
        writer.setTransformation(transformation);
    if (!writer.write(picture))
        return {};
    return bytes;
}

// GIF89a, 2 x 1 pixels, two frames with a transparent colour: Qt reads GIFs
// but cannot write them.
QByteArray twoFrameGif()
{
    static const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 0x02, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
        0xff, 0x00, 0x00, 0x00, 0x00, 0xff,                   // red, blue
        0x21, 0xf9, 0x04, 0x01, 0x0a, 0x00, 0x01, 0x00,       // transparent index 1
        0x2c, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00,
        0x02, 0x02, 0x44, 0x0a, 0x00,                         // pixels 0, 1
        0x21, 0xf9, 0x04, 0x00, 0x0a, 0x00, 0x00, 0x00,
        0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,
        0x02, 0x02, 0x4c, 0x01, 0x00,                         // pixel 1
        0x3b,
    };
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

std::uint32_t crc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A PNG whose header declares width x height and whose data is one empty
// chunk: it must be refused by its size before any pixel is decoded.
QByteArray pngDeclaring(std::uint32_t width, std::uint32_t height)
{
    QByteArray header = "IHDR" + bigEndian(width) + bigEndian(height);
    header += QByteArray("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += bigEndian(13) + header + bigEndian(crc32(header));
    png += bigEndian(0) + "IEND" + bigEndian(crc32("IEND"));
    return png;
}

// A 24-bit BMP header declaring width x height, followed by no pixels.
QByteArray bmpDeclaring(std::int32_t width, std::int32_t height)
{
    QByteArray bmp(54, '\0');
    char *at = bmp.data();
    at[0] = 'B';
    at[1] = 'M';
    qToLittleEndian<std::uint32_t>(54, at + 10);  // pixel data offset
    qToLittleEndian<std::uint32_t>(40, at + 14);  // info header size
    qToLittleEndian<std::int32_t>(width, at + 18);
    qToLittleEndian<std::int32_t>(height, at + 22);
    qToLittleEndian<std::uint16_t>(1, at + 26);   // planes
    qToLittleEndian<std::uint16_t>(24, at + 28);  // bits per pixel
    return bmp;
}

// The JPEG with an EXIF block whose orientation tag says the stored pixels
// are to be turned (6: a quarter turn clockwise). Qt's writer turns the
// pixels instead of tagging them, so the block is put in by hand.
QByteArray withExifOrientation(const QByteArray &jpeg, std::uint16_t orientation)
{
    if (jpeg.isEmpty())
        return {};
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("II*\0\x08\0\0\0", 8);           // little-endian TIFF, IFD at 8
    exif += QByteArray("\x01\0", 2);                       // one entry
    exif += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);   // orientation, SHORT, count 1
    QByteArray value(4, '\0');
    qToLittleEndian(orientation, value.data());
    exif += value + QByteArray(4, '\0');                    // no next IFD
    QByteArray segment("\xff\xe1", 2);
    QByteArray length(2, '\0');
    qToBigEndian(std::uint16_t(exif.size() + 2), length.data());
    segment += length + exif;
    return jpeg.left(2) + segment + jpeg.mid(2); // right after the start marker
}

class SeedFolder
{
public:
    explicit SeedFolder(const QString &path) : m_folder(path) {}

    // A picture Qt failed to encode here (a plugin without that option, say)
    // is left out rather than written empty.
    bool writeEncoded(const QString &name, std::string_view suffix, const QByteArray &content)
    {
        if (content.isEmpty()) {
            std::fprintf(stderr, "seed %s: not encoded here, left out\n", qPrintable(name));
            return true;
        }
        return write(name, suffix, content);
    }

    bool write(const QString &name, std::string_view suffix, const QByteArray &content)
    {
        QFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const char selector = static_cast<char>(selectorForSuffix(suffix));
        const bool written = file.write(&selector, 1) == 1 && file.write(content) == content.size();
        ++m_count;
        return written;
    }

    int count() const { return m_count; }

private:
    QDir m_folder;
    int m_count = 0;
};

struct WritableFormat
{
    const char *format;
    std::string_view suffix;
};

constexpr std::array<WritableFormat, 12> writableFormats{{
    {"bmp", "bmp"}, {"png", "png"}, {"jpeg", "jpg"}, {"webp", "webp"},
    {"tiff", "tif"}, {"ico", "ico"}, {"pbm", "pbm"}, {"pgm", "pgm"},
    {"ppm", "ppm"}, {"xbm", "xbm"}, {"xpm", "xpm"}, {"wbmp", "wbmp"},
}};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER\n", argv[0]);
        return 2;
    }
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    SeedFolder seeds(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    const QList<QByteArray> supported = QImageWriter::supportedImageFormats();
    const QImage opaque = samplePicture(QImage::Format_RGB32);
    const QImage transparent = samplePicture(QImage::Format_ARGB32);
    for (const WritableFormat &format : writableFormats) {
        if (!supported.contains(format.format))
            continue;
        const QString name = QString::fromLatin1(format.format);
        ok &= seeds.writeEncoded(name, format.suffix, encoded(opaque, format.format));
        const QByteArray withAlpha = encoded(transparent, format.format);
        if (withAlpha != encoded(opaque, format.format))
            ok &= seeds.writeEncoded(name + QLatin1String("-alpha"), format.suffix, withAlpha);
    }
    const QByteArray png = encoded(transparent, "png");
    ok &= seeds.writeEncoded("png-indexed", "png",
                             encoded(opaque.convertToFormat(QImage::Format_Indexed8), "png"));
    ok &= seeds.writeEncoded("png-grey16", "png",
                             encoded(opaque.convertToFormat(QImage::Format_Grayscale16), "png"));
    ok &= seeds.writeEncoded("jpeg-exif-rotated", "jpg",
                             withExifOrientation(encoded(opaque, "jpeg"), 6));
    ok &= seeds.writeEncoded("tiff-rotated", "tif",
                             encoded(opaque, "tiff", QImageIOHandler::TransformationRotate90));
    ok &= seeds.write("gif-two-frames", "gif", twoFrameGif());

    // Damaged or hostile files: each must be refused, never crash.
    ok &= seeds.write("png-truncated", "png", png.left(png.size() / 2));
    ok &= seeds.write("empty-png", "png", QByteArray());
    ok &= seeds.write("png-huge-size", "png", pngDeclaring(100000, 100000));
    ok &= seeds.write("png-zero-size", "png", pngDeclaring(0, 7));
    ok &= seeds.write("bmp-huge-size", "bmp", bmpDeclaring(30000, -30000));
    ok &= seeds.write("png-named-bmp", "bmp", png);
    ok &= seeds.write("png-without-suffix", "", png);
    ok &= seeds.write("text", "txt", QByteArray("not a picture\n"));

    std::printf("%d seeds written to %s\n", seeds.count(), argv[1]);
    return ok ? 0 : 1;
}
