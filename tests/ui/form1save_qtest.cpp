// Save: the canvas written as m.BMP in the save folder, whole or as far as
// a run has drawn it; in the pictures folder when the save folder does not
// take it, said once; and failures of both that are reported and change
// nothing.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "ui/form1.h"
#include "ui/support/formtestfixture.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/mosaicmodel.h"
#include "ui/support/testfiles.h"
#include "ui/support/windowtesting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace tessaly;
using namespace tessaly::test;

namespace {

const QString SavedName = QStringLiteral("m.BMP");
// The stand-in for the user's pictures folder, inside the test's folder and
// missing until a save makes it.
const QString PicturesName = QStringLiteral("Pictures");

// The saved file as a BMP decoder reads it; null when it is not one.
QImage savedPicture(const QString &path)
{
    return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
}

// Limits the size of any file this process writes, as a full disk would,
// for as long as it lives. Writing past the limit fails instead of raising
// SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

class Form1SaveTest : public FormTestFixture
{
    Q_OBJECT

public:
    // Each test finds the folder empty: one leaves files the next would see.
    Form1SaveTest() : FormTestFixture(FolderLifetime::EachTest) {}

private slots:
    void init();
    void saveBeforeGenerateWritesTheBlankCanvas();
    void saveAfterGenerateWritesTheMosaic();
    void anotherToolReadsTheSavedBitmap();
    void saveDuringARunWritesThePartDrawnSoFar();
    void secondSaveReplacesTheFirst();
    void saveFolderDefaultsToTheProgramsFolder();
    void unusableSaveFolderSavesInPicturesSayingSoOnce_data();
    void unusableSaveFolderSavesInPicturesSayingSoOnce();
    void failedSaveIsReportedAndChangesNothing_data();
    void failedSaveIsReportedAndChangesNothing();
    void fullDiskLeavesTheEarlierFileIntact();

private:
    QString savedPath() const { return folder().filePath(SavedName); }
    QString picturesPath() const { return folder().filePath(PicturesName + QLatin1Char('/') + SavedName); }
    void verifyOneFailureMessageFor(const QString &path) const;
    void verifyOneSavedToMessageFor(const QString &path) const;
};

void Form1SaveTest::init()
{
    FormTestFixture::init();
    m_form->setPicturesFolder(folder().filePath(PicturesName));
}

void Form1SaveTest::verifyOneFailureMessageFor(const QString &path) const
{
    QCOMPARE(m_watcher->boxes().size(), 1);
    const ModalWatcher::Box &box = m_watcher->boxes().front();
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.buttonCount, 1);
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("保存失败"));
    QCOMPARE(lines[1], QDir::toNativeSeparators(path));
    QVERIFY2(!lines[2].trimmed().isEmpty(), "no reason given");
}

void Form1SaveTest::verifyOneSavedToMessageFor(const QString &path) const
{
    QCOMPARE(m_watcher->boxes().size(), 1);
    const ModalWatcher::Box &box = m_watcher->boxes().front();
    QCOMPARE(box.title, QStringLiteral("Tessaly V0.2"));
    QCOMPARE(box.buttonCount, 1);
    QCOMPARE(box.text, QStringLiteral("m.BMP 已保存到\n") + QDir::toNativeSeparators(path));
}

void Form1SaveTest::saveBeforeGenerateWritesTheBlankCanvas()
{
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    QVERIFY(m_watcher->boxes().isEmpty());
    const QImage saved = savedPicture(savedPath());
    QCOMPARE(saved.size(), QSize(CanvasSide, CanvasSide));
    QVERIFY(isFilledWith(saved, m_form->Picture2->backColor()));
    QVERIFY2(!QFileInfo::exists(folder().filePath(PicturesName)), "the pictures folder was touched");
}

void Form1SaveTest::saveAfterGenerateWritesTheMosaic()
{
    const QImage source = m_form->Picture1->image();
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    QVERIFY(m_watcher->boxes().isEmpty());
    const QImage expected = expectedMosaic(source, MosaicGrid{2, 2, 105, 92}, m_form->Picture2->backColor());
    QCOMPARE(firstDifference(savedPicture(savedPath()), expected), QString());
}

void Form1SaveTest::anotherToolReadsTheSavedBitmap()
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    const QImage canvas = m_form->Picture2->image();

    // Format and size, then a spread of pixels over cells, frames and the
    // blank margin, read by ImageMagick's own decoder.
    QList<QPoint> points;
    for (int y = 0; y < CanvasSide; y += 23)
        for (int x = 0; x < CanvasSide; x += 19)
            points.append(QPoint(x, y));
    points.append({QPoint(404, 356), QPoint(416, 368), QPoint(423, 375), QPoint(436, 436)});
    QString format = QStringLiteral("%m %w %h");
    for (const QPoint &point : points)
        format += QStringLiteral(" %[hex:p{%1,%2}]").arg(point.x()).arg(point.y());

    QProcess tool;
    tool.start(identify, {QStringLiteral("-format"), format, savedPath()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    const QStringList words = QString::fromLatin1(tool.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    QCOMPARE(words.size(), 3 + points.size());
    QVERIFY2(words[0].startsWith(QLatin1String("BMP")), qPrintable(words[0]));
    QCOMPARE(words[1], QStringLiteral("437"));
    QCOMPARE(words[2], QStringLiteral("437"));
    for (qsizetype at = 0; at < points.size(); ++at) {
        const QRgb expected = canvas.pixel(points[at]) & RGB_MASK;
        QCOMPARE(words[3 + at].left(6), QStringLiteral("%1").arg(expected, 6, 16, QLatin1Char('0')).toUpper());
    }
}

void Form1SaveTest::saveDuringARunWritesThePartDrawnSoFar()
{
    const QRgb face = m_form->Picture2->backColor().rgb() & RGB_MASK;
    QImage canvasAtSave;
    bool fieldsDisabledAtSave = false;
    ActionInYield saveInRun([this] { return cellDrawn(10, 20); },
                            [&] {
                                canvasAtSave = m_form->Picture2->image();
                                fieldsDisabledAtSave = !m_form->Text1->isEnabled();
                                QTest::mouseClick(m_form->Command1, Qt::LeftButton);
                            });

    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(saveInRun.hasRun());
    QVERIFY(fieldsDisabledAtSave);
    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(firstDifference(savedPicture(savedPath()), canvasAtSave), QString());
    // Partly drawn: the last cell came later; the run then finished.
    QCOMPARE(cellPixel(canvasAtSave, 104, 91), face);
    QVERIFY(cellDrawn(104, 91));
}

void Form1SaveTest::secondSaveReplacesTheFirst()
{
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(firstDifference(savedPicture(savedPath()), m_form->Picture2->image()), QString());
    // Replaced in place: no second file and no leftover beside it.
    QCOMPARE(QDir(folder().path()).entryList(QDir::Files | QDir::Hidden), QStringList{SavedName});
}

void Form1SaveTest::saveFolderDefaultsToTheProgramsFolder()
{
    const Form1 fresh;
    QCOMPARE(QDir(fresh.saveFolder()).canonicalPath(),
             QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    QCOMPARE(fresh.picturesFolder(), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void Form1SaveTest::unusableSaveFolderSavesInPicturesSayingSoOnce_data()
{
    QTest::addColumn<QString>("saveFolder");
    QTest::addColumn<QString>("blockingDirectory"); // m.BMP as a folder, or empty
    QTest::addColumn<bool>("readOnly");              // the save folder made read-only
    QTest::addColumn<bool>("earlierFileInPictures");

    // Root writes into read-only folders, and the tests may run as root; a
    // folder under a regular file cannot be written by anyone.
    QTest::newRow("folder under a regular file") << QStringLiteral("plain-file/sub") << QString() << false << false;
    QTest::newRow("folder that does not exist") << QStringLiteral("missing/deeper") << QString() << false << false;
    QTest::newRow("m.BMP is a folder") << QString() << SavedName << false << false;
    QTest::newRow("earlier m.BMP in pictures") << QStringLiteral("plain-file/sub") << QString() << false << true;
    if (geteuid() != 0)
        QTest::newRow("read-only folder") << QStringLiteral("read-only") << QString() << true << false;
}

void Form1SaveTest::unusableSaveFolderSavesInPicturesSayingSoOnce()
{
    QFETCH(QString, saveFolder);
    QFETCH(QString, blockingDirectory);
    QFETCH(bool, readOnly);
    QFETCH(bool, earlierFileInPictures);

    writeFile(folder(), QStringLiteral("plain-file"), "a file, not a folder");
    const QString programFolder = saveFolder.isEmpty() ? folder().path() : folder().filePath(saveFolder);
    m_form->setSaveFolder(programFolder);
    if (readOnly) {
        QVERIFY(QDir().mkdir(programFolder));
        QVERIFY(QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner));
    }
    if (!blockingDirectory.isEmpty())
        QVERIFY(QDir(folder().path()).mkdir(blockingDirectory));
    if (earlierFileInPictures) {
        QVERIFY(QDir(folder().path()).mkdir(PicturesName));
        writeFile(folder(), PicturesName + QLatin1Char('/') + SavedName, "an earlier file");
    }

    QTest::mouseClick(m_form->Command1, Qt::LeftButton); // the blank canvas
    verifyOneSavedToMessageFor(picturesPath());
    QCOMPARE(firstDifference(savedPicture(picturesPath()), m_form->Picture2->image()), QString());

    m_watcher->clear();
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QVERIFY2(m_watcher->boxes().isEmpty(), "the second save into the pictures folder spoke");
    QCOMPARE(firstDifference(savedPicture(picturesPath()), m_form->Picture2->image()), QString());
    QCOMPARE(QDir(folder().filePath(PicturesName)).entryList(QDir::Files | QDir::Hidden), QStringList{SavedName});
    QVERIFY(!QFileInfo(QDir(programFolder).filePath(SavedName)).isFile());
    QVERIFY(!m_form->isClosed());
}

void Form1SaveTest::failedSaveIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("saveFolder");
    QTest::addColumn<QString>("blockingDirectory"); // m.BMP as a folder, or empty
    QTest::addColumn<QString>("picturesFolder");

    const QString underAFile = QStringLiteral("plain-file/Pictures");
    QTest::newRow("folder under a regular file") << QStringLiteral("plain-file/sub") << QString() << underAFile;
    QTest::newRow("folder that does not exist") << QStringLiteral("missing/deeper") << QString() << underAFile;
    QTest::newRow("m.BMP is a folder") << QString() << SavedName << underAFile;
    // Both folders hold a folder named m.BMP.
    QTest::newRow("m.BMP is a folder in both") << QStringLiteral("sub") << QStringLiteral("sub/m.BMP")
                                               << QStringLiteral("sub");
}

void Form1SaveTest::failedSaveIsReportedAndChangesNothing()
{
    QFETCH(QString, saveFolder);
    QFETCH(QString, blockingDirectory);
    QFETCH(QString, picturesFolder);

    writeFile(folder(), QStringLiteral("plain-file"), "a file, not a folder");
    const QString failingFolder = saveFolder.isEmpty() ? folder().path() : folder().filePath(saveFolder);
    m_form->setSaveFolder(failingFolder);
    const QString failingPictures = folder().filePath(picturesFolder);
    m_form->setPicturesFolder(failingPictures);
    QString keptInside;
    if (!blockingDirectory.isEmpty()) {
        QVERIFY(QDir(folder().path()).mkpath(blockingDirectory));
        keptInside = folder().filePath(blockingDirectory + QStringLiteral("/kept.txt"));
        QFile kept(keptInside);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("kept");
    }
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    const QImage canvas = m_form->Picture2->image();

    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    // The message names the pictures folder, tried last.
    verifyOneFailureMessageFor(QDir(failingPictures).filePath(SavedName));
    QCOMPARE(m_form->Picture2->image(), canvas);
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_form->isClosed());
    if (!keptInside.isEmpty()) {
        QVERIFY(QFileInfo(folder().filePath(blockingDirectory)).isDir());
        QCOMPARE(fileBytes(keptInside), QByteArray("kept"));
    }
    // The program goes on: the next save into a good folder works.
    m_watcher->clear();
    m_form->setSaveFolder(folder().filePath(QStringLiteral("good")));
    QVERIFY(QDir(folder().path()).mkdir(QStringLiteral("good")));
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(firstDifference(savedPicture(folder().filePath(QStringLiteral("good/m.BMP"))), canvas),
             QString());
}

void Form1SaveTest::fullDiskLeavesTheEarlierFileIntact()
{
    QTest::mouseClick(m_form->Command1, Qt::LeftButton); // the blank canvas
    const QByteArray earlier = fileBytes(savedPath());
    QVERIFY(earlier.size() > 4096);
    QVERIFY(QDir(folder().path()).mkdir(PicturesName));
    writeFile(folder(), PicturesName + QLatin1Char('/') + SavedName, earlier);
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    {
        const FileSizeLimit fullDisk(4096);
        QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    }

    // Both places were tried; the message names the last.
    verifyOneFailureMessageFor(picturesPath());
    QCOMPARE(fileBytes(savedPath()), earlier);
    QCOMPARE(fileBytes(picturesPath()), earlier);
    QCOMPARE(QDir(folder().path()).entryList(QDir::Files | QDir::Hidden), QStringList{SavedName});
    QCOMPARE(QDir(folder().filePath(PicturesName)).entryList(QDir::Files | QDir::Hidden), QStringList{SavedName});
    QVERIFY(!m_form->isClosed());
}

QTEST_MAIN(Form1SaveTest)
#include "form1save_qtest.moc"
