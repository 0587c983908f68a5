#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QIODevice;

namespace tessaly {

// Largest picture the loader takes, in pixels; a larger one is refused
// before its pixels are decoded.
constexpr qint64 MaxPicturePixels = 128'000'000;

struct LoadedPicture
{
    QImage image;   // Format_RGB32; null on failure
    QString error;  // why it failed; empty on success
};

// Loads the picture file at path in any format Qt's image plugins read.
// A JPEG's EXIF orientation is applied; the first frame of an animation is
// taken; transparent pixels are composited over backColor, so the result is
// exactly what a picture box shows. Never throws.
LoadedPicture loadPicture(const QString &path, QColor backColor);

// Writes the image as a BMP file at path. The file is written beside its
// target under a temporary name and renamed over it when complete, so a
// failure leaves any earlier file untouched. Returns the reason of a
// failure, empty on success.
QString savePictureAsBmp(const QImage &image, const QString &path);

// Writes the image in BMP format on an open device: the bytes
// savePictureAsBmp puts in its file. Returns the reason of a failure, empty
// on success.
QString writePictureAsBmp(const QImage &image, QIODevice &device);

// The folder of the program file.
QString appPath();

} // namespace tessaly
