#include "support/testpictures.h"

namespace tessaly::test {

QImage letterPicture(const QStringList &rows)
{
    QImage picture(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QRgb colour = qRgb(128, 128, 128);
            switch (rows[y][x].toLatin1()) {
            case 'W': colour = qRgb(255, 255, 255); break;
            case 'Y': colour = qRgb(255, 255, 0); break;
            case 'R': colour = qRgb(255, 0, 0); break;
            case 'O': colour = qRgb(255, 128, 0); break;
            case 'B': colour = qRgb(0, 0, 255); break;
            case 'G': colour = qRgb(0, 255, 0); break;
            default: break;
            }
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}

} // namespace tessaly::test
