#include "platform/picturefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace tessaly {

namespace {

// The widest pixels a plugin decodes into: 16 bits for each of four channels.
constexpr qint64 MaxDecodedBytesPerPixel = 8;

LoadedPicture failure(const QString &reason)
{
    return {QImage(), reason};
}

// The reader's reason; some plugins fail without giving one.
LoadedPicture readerFailure(const QImageReader &reader)
{
    const QString reason = reader.errorString();
    return failure(reason.isEmpty() ? QStringLiteral("Not a picture that can be read") : reason);
}

qint64 pixelCount(QSize size)
{
    return qint64(size.width()) * size.height();
}

QString tooLargeReason(QSize size)
{
    return QStringLiteral("The picture has %1 x %2 pixels, more than the %3 pixels allowed")
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPicturePixels);
}

// Lets Qt decode every picture up to MaxPicturePixels; its default limit
// turns down large photos long before that.
void allowMaxPictureAllocation()
{
    constexpr qint64 bytes = MaxPicturePixels * MaxDecodedBytesPerPixel;
    constexpr int megabytes = int(bytes / (1024 * 1024) + 1);
    if (QImageReader::allocationLimit() < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}

// The picture as a picture box shows it: transparent pixels over the back
// colour, in Format_RGB32.
QImage flattened(const QImage &image, QColor backColor)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(backColor);
    QPainter painter(&flat);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

LoadedPicture decodePicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(QStringLiteral("The file does not exist"));
    if (!info.isFile())
        return failure(QStringLiteral("Not a file"));

    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return readerFailure(reader);

    // The size comes from the header alone: a huge picture is turned down
    // before any of its pixels are decoded.
    if (reader.supportsOption(QImageIOHandler::Size)) {
        const QSize size = reader.size();
        if (size.isEmpty())
            return failure(QStringLiteral("The picture has no valid size"));
        if (pixelCount(size) > MaxPicturePixels)
            return failure(tooLargeReason(size));
    }

    allowMaxPictureAllocation();
    const QImage image = reader.read();
    if (image.isNull())
        return readerFailure(reader);
    if (pixelCount(image.size()) > MaxPicturePixels)
        return failure(tooLargeReason(image.size()));
    return {image, QString()};
}

LoadedPicture loadPicture(const QString &path, QColor backColor)
{
    LoadedPicture decoded = decodePicture(path);
    if (!decoded.image.isNull())
        decoded.image = flattened(decoded.image, backColor);
    return decoded;
}

QString writePictureAsBmp(const QImage &image, QIODevice &device)
{
    if (image.isNull())
        return QStringLiteral("There is no picture to save");
    QImageWriter writer(&device, "bmp");
    if (!writer.write(image))
        return writer.errorString();
    return QString();
}

QString savePictureAsBmp(const QImage &image, const QString &path)
{
    if (image.isNull())
        return QStringLiteral("There is no picture to save");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString reason = writePictureAsBmp(image, file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString appPath()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace tessaly
