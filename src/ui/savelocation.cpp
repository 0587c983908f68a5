#include "ui/savelocation.h"

#include "platform/picturefile.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

namespace tessaly {

namespace {

const QString SavedName = QStringLiteral("m.BMP");

} // namespace

SaveLocation::SaveLocation(QString programFolder, QString picturesFolder)
    : m_programFolder(std::move(programFolder))
    , m_picturesFolder(std::move(picturesFolder))
{
}

QString SaveLocation::userPicturesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

SaveLocation::Outcome SaveLocation::save(const QImage &image)
{
    Outcome outcome;
    outcome.path = QDir(m_programFolder).filePath(SavedName);
    outcome.error = savePictureAsBmp(image, outcome.path);
    // Without a home folder there is no pictures folder, and a relative
    // path would land wherever the program was started from.
    if (outcome.error.isEmpty() || m_picturesFolder.isEmpty())
        return outcome;

    // A failure to make the folder shows as the write's own failure below.
    QDir().mkpath(m_picturesFolder);
    outcome.path = QDir(m_picturesFolder).filePath(SavedName);
    outcome.error = savePictureAsBmp(image, outcome.path);
    if (outcome.error.isEmpty() && m_announcedFolder != m_picturesFolder) {
        m_announcedFolder = m_picturesFolder;
        outcome.announce = true;
    }
    return outcome;
}

} // namespace tessaly
