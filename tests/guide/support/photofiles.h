#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class QTemporaryDir;

namespace tessaly::test {

// The standard palette's colours as its makers publish them.
inline const QStringList StandardPaletteHex = {"#FFFFFF", "#FFD500", "#B71234", "#FF5800", "#0046AD", "#009B48"};

// A sticker map drawn from rows of letters, one pixel a letter: W Y R O B G
// in the standard palette's colours, any other letter grey #808080.
QImage stickerMapPicture(const QStringList &rows);

// The arguments with every "@name" replaced by the path of name in folder.
QStringList inFolder(const QStringList &arguments, const QTemporaryDir &folder);

// What the error tests put in an output before a run that must leave it be.
inline const QByteArray EarlierContent = "an earlier guide\n";

// Every entry of the folder, hidden ones too: a failed run adds none.
QStringList folderEntries(const QTemporaryDir &folder);

bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace tessaly::test
