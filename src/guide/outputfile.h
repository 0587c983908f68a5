#pragma once

#include <QString>

#include <memory>

class QFileDevice;
class QIODevice;

namespace tessaly {

// A file the guide writes. A regular file (or a new one) is written under a
// temporary name beside it and takes its place only once complete, so that
// a failure leaves any earlier file as it was. A device or a pipe (/dev/null,
// /dev/stdout, a FIFO) is written into directly: replacing it would remove
// the device from the file system.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();
    OutputFile(OutputFile &&) noexcept;
    OutputFile &operator=(OutputFile &&) noexcept;

    const QString &path() const { return m_path; }
    bool open();
    QIODevice &device();
    // Makes the written file the file at path; false with errorString() if
    // that fails, leaving an earlier regular file untouched.
    bool commit();
    QString errorString() const;

private:
    QString m_path;
    std::unique_ptr<QFileDevice> m_file;
};

// The file a path names, as one name for comparisons: the canonical path of
// an existing file (links and "." resolved), else the path within its
// folder's canonical path, through any links to it.
QString fileIdentity(const QString &path);

} // namespace tessaly
