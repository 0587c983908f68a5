#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QTemporaryDir;

namespace tessaly::test {

// A picture of one colour.
QImage solidPicture(QSize size, QColor color);

// Writes the image into the folder as name in the format named by the
// name's extension; returns the path.
QString writePicture(const QTemporaryDir &folder, const QString &name, const QImage &image);

// Writes the bytes into the folder as name; returns the path.
QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes);

// The whole content of a file; empty when it cannot be read.
QByteArray fileBytes(const QString &path);

} // namespace tessaly::test
