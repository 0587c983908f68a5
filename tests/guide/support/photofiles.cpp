#include "support/photofiles.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>

namespace tessaly::test {

QImage stickerMapPicture(const QStringList &rows)
{
    static const QString Letters = QStringLiteral("WYROBG");
    QImage picture(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const qsizetype colour = Letters.indexOf(rows[y][x]);
            picture.setPixelColor(x, y, colour < 0 ? QColor(128, 128, 128) : QColor(StandardPaletteHex[colour]));
        }
    }
    return picture;
}

QStringList inFolder(const QStringList &arguments, const QTemporaryDir &folder)
{
    QStringList replaced;
    for (const QString &argument : arguments)
        replaced << (argument.startsWith(QLatin1Char('@')) ? folder.filePath(argument.mid(1)) : argument);
    return replaced;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList folderEntries(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tessaly::test
