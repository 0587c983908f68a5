#include "ui/support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>

namespace tessaly::test {

QImage solidPicture(QSize size, QColor color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

QString writePicture(const QTemporaryDir &folder, const QString &name, const QImage &image)
{
    const QString path = folder.filePath(name);
    if (!image.save(path))
        qWarning("Could not write the test picture %s", qPrintable(path));
    return path;
}

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("Could not write the test file %s", qPrintable(path));
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tessaly::test
