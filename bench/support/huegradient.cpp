#include "huegradient.h"

#include <QColor>

#include <vector>

namespace tessaly::bench {

QImage makeHueGradient(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;

    std::vector<QRgb> topRow(std::size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        topRow[std::size_t(x)] = QColor::fromHsv(x * 360 / size.width(), 255, 255).rgb();

    constexpr int Grey = 128;
    const auto towardsGrey = [](int channel, int y, int height) {
        return channel + (Grey - channel) * y / height;
    };
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb top = topRow[std::size_t(x)];
            line[x] = qRgb(towardsGrey(qRed(top), y, size.height()),
                           towardsGrey(qGreen(top), y, size.height()),
                           towardsGrey(qBlue(top), y, size.height()));
        }
    }
    return picture;
}

} // namespace tessaly::bench
