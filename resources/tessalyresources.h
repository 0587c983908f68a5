#pragma once

#include <QImage>
#include <QString>

// Qt resource paths of the pictures built into the program.
namespace tessaly::Resources {

// The hue and saturation chart shown when the program starts.
inline constexpr auto SamplePicture = ":/tessaly/sample.bmp";

// The 16 x 16 window icon (PNG with alpha).
inline constexpr auto Icon = ":/tessaly/tessaly.png";

// The sample picture as the source picture box holds it.
inline QImage samplePicture()
{
    return QImage(QString::fromLatin1(SamplePicture)).convertToFormat(QImage::Format_RGB32);
}

} // namespace tessaly::Resources
