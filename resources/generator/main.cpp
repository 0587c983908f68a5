// Build-time tool: writes the built-in sample picture and the program icons
// into the folder named on the command line.
//
//   tessaly_resource_generator OUTPUT_DIR
//
// writes OUTPUT_DIR/sample.bmp (24-bit BMP), OUTPUT_DIR/tessaly.png (16 x 16
// with alpha) and OUTPUT_DIR/tessaly-NxN.png for the larger desktop sizes.

#include "programicon.h"
#include "samplepicture.h"

#include <QDir>
#include <QImageWriter>
#include <QString>

#include <cstdio>

namespace {

bool writeImage(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    using namespace tessaly::generator;
    const QImage icon = makeProgramIcon();
    bool written = writeImage(makeSamplePicture(), output.filePath(QStringLiteral("sample.bmp")), "bmp");
    written = writeImage(icon, output.filePath(QStringLiteral("tessaly.png")), "png") && written;
    for (const int factor : {3, 16}) {
        const QImage large = scaleIconUp(icon, factor);
        const QString name = QStringLiteral("tessaly-%1x%1.png").arg(large.width());
        written = writeImage(large, output.filePath(name), "png") && written;
    }
    return written ? 0 : 1;
}
