#include "guide/outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessaly {

namespace {

// Exists but is neither a regular file nor a folder: a device, a pipe or a socket.
bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

OutputFile::OutputFile(const QString &path)
    : m_path(path)
{
    if (isSpecialFile(path))
        m_file = std::make_unique<QFile>(path);
    else
        m_file = std::make_unique<QSaveFile>(path);
}

OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile &&) noexcept = default;
OutputFile &OutputFile::operator=(OutputFile &&) noexcept = default;

bool OutputFile::open()
{
    return m_file->open(QIODevice::WriteOnly);
}

QIODevice &OutputFile::device()
{
    return *m_file;
}

bool OutputFile::commit()
{
    if (auto *whole = qobject_cast<QSaveFile *>(m_file.get()))
        return whole->commit();
    const bool written = m_file->flush() && m_file->error() == QFileDevice::NoError;
    m_file->close();
    return written && m_file->error() == QFileDevice::NoError;
}

QString OutputFile::errorString() const
{
    return m_file->errorString();
}

QString fileIdentity(const QString &path)
{
    QFileInfo info(path);
    // A link to a file still to be made names that file (a few links deep,
    // in case they go round).
    for (int links = 0; links < 8 && !info.exists() && info.isSymLink(); ++links)
        info = QFileInfo(info.symLinkTarget());
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
}

} // namespace tessaly
