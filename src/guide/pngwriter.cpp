#include "guide/pngwriter.h"

#include <QImage>
#include <QImageWriter>

namespace tessaly {

QString writePng(const QImage &image, QIODevice &device)
{
    if (image.isNull())
        return QStringLiteral("no picture to write (too large for the memory?)");
    QImageWriter writer(&device, "png");
    if (!writer.write(image))
        return writer.errorString();
    return {};
}

} // namespace tessaly
