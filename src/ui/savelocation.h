#pragma once

#include <QImage>
#include <QString>

namespace tessaly {

// Where Save puts m.BMP, and the writing itself.
//
// The file goes into the program's folder, beside the program, whenever
// that folder takes it: a copy run from its build folder or unpacked
// somewhere writable keeps its output next to itself. An installed copy's
// folder (/usr/bin) belongs to the system, so there the file goes into the
// user's pictures folder instead, which is made if it is missing.
//
// The pictures folder is announced once: the first save that lands there
// says so, later ones to the same folder stay as quiet as saves beside the
// program.
class SaveLocation
{
public:
    SaveLocation(QString programFolder, QString picturesFolder);

    // The user's pictures folder as the desktop names it.
    static QString userPicturesFolder();

    struct Outcome
    {
        QString path;   // the file written, or the last one tried
        QString error;  // why the last try failed; empty on success
        bool announce = false; // first save into this pictures folder: tell the user
    };

    // Writes the image as m.BMP: into the program's folder, or, when that
    // fails, into the pictures folder. Each try is atomic (see
    // savePictureAsBmp), so a failure leaves any earlier m.BMP as it was.
    Outcome save(const QImage &image);

    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString programFolder() const { return m_programFolder; }
    void setPicturesFolder(const QString &folder) { m_picturesFolder = folder; }
    QString picturesFolder() const { return m_picturesFolder; }

private:
    QString m_programFolder;
    QString m_picturesFolder;
    QString m_announcedFolder;
};

} // namespace tessaly
