#pragma once

#include <QString>

class QIODevice;
class QImage;

namespace tessaly {

// Writes the image as PNG on an open device. Returns the reason of a
// failure, empty on success.
QString writePng(const QImage &image, QIODevice &device);

} // namespace tessaly
