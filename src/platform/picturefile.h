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
    QImage image;   // null on failure; Format_RGB32 from loadPicture
    QString error;  // why it failed; empty on success
};

// Decodes the picture file at path in any format Qt's image plugins read,
// as it is stored: the first frame of an animation, a JPEG's EXIF
// orientation applied, in the pixel format its plugin gives, alpha channel
// and colour space kept. A picture of more than MaxPicturePixels is refused,
// from its header alone where the format tells its size there. Never throws.
LoadedPicture decodePicture(const QString &path);

// Loads the picture file at path as decodePicture does, then composites
// transparent pixels over backColor into Format_RGB32, so the result is
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
