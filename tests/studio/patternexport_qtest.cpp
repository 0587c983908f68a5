#include "studio/exportworker.h"
#include "studio/patternexport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

const QByteArray EarlierContent = "an earlier export\n";

// A wall of 2 x 1 cubes, all white, with one sticker of the second cube set
// red by hand: the first cube is a solved face (no turns), the second not.
ProjectGuide twoCubeGuide()
{
    PatternProject project;
    project.recipe.wall = {2, 1};
    project.touchUps = {{4, 1, pattern::Sticker::Red}};
    const pattern::PhotoPattern made{pattern::StickerGrid(6, 3, pattern::Sticker::White),
                                     pattern::LinearGrid(6, 3, pattern::LinearRgb{1, 1, 1}), 0.0};
    return projectGuide(project, made);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QColor stickerColour(pattern::Sticker sticker)
{
    const pattern::Srgb8 colour = pattern::displayColour(pattern::standardPalette(), sticker);
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace

class PatternExportTest : public QObject
{
    Q_OBJECT

private slots:
    void writesEachExport_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("PDF guide") << int(ExportKind::PdfGuide);
        QTest::newRow("CSV guide") << int(ExportKind::CsvGuide);
        QTest::newRow("preview") << int(ExportKind::Preview);
        QTest::newRow("sticker map") << int(ExportKind::StickerMap);
    }

    void writesEachExport()
    {
        QFETCH(int, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("export"));
        QVERIFY(writeFile(path, EarlierContent));
        const ExportOutcome outcome = writePatternExport(ExportKind(kind), twoCubeGuide(), {}, path);
        QCOMPARE(outcome.error, QString());
        QVERIFY(!outcome.cancelled);
        const QByteArray written = readFile(path);
        switch (ExportKind(kind)) {
        case ExportKind::PdfGuide: QVERIFY(written.startsWith("%PDF-")); break;
        case ExportKind::CsvGuide: {
            const QList<QByteArray> lines = written.trimmed().split('\n');
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[0].startsWith("column,row,front,top,turns"));
            // The solved white face needs no turns; the touched-up one some.
            QCOMPARE(lines[1].split(',').value(4), QByteArray("0"));
            QVERIFY(lines[2].split(',').value(4).toInt() > 0);
            break;
        }
        case ExportKind::Preview: QCOMPARE(QImage::fromData(written).size(), QSize(6 * 8, 3 * 8)); break;
        case ExportKind::StickerMap: {
            const QImage map = QImage::fromData(written);
            QCOMPARE(map.size(), QSize(6, 3));
            QCOMPARE(map.pixelColor(4, 1), stickerColour(pattern::Sticker::Red));
            QCOMPARE(map.pixelColor(3, 1), stickerColour(pattern::Sticker::White));
            break;
        }
        }
    }

    // Cancelled or refused, an export leaves what was there and no
    // temporary file beside it.
    void leavesAnEarlierFileIntact_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("name");
        QTest::newRow("PDF cancelled") << int(ExportKind::PdfGuide) << true << "guide.pdf";
        QTest::newRow("CSV cancelled") << int(ExportKind::CsvGuide) << true << "guide.csv";
        QTest::newRow("into a folder that is not there") << int(ExportKind::Preview) << false << "none/wall.png";
        QTest::newRow("over a folder") << int(ExportKind::StickerMap) << false << "folder";
    }

    void leavesAnEarlierFileIntact()
    {
        QFETCH(int, kind);
        QFETCH(bool, cancel);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("guide.pdf")), EarlierContent));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("guide.csv")), EarlierContent));
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        const ExportOutcome outcome = writePatternExport(ExportKind(kind), twoCubeGuide(), {}, folder.filePath(name),
                                                         [&](int, int) { return !cancel; });
        QCOMPARE(outcome.cancelled, cancel);
        QCOMPARE(outcome.error.isEmpty(), cancel);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QCOMPARE(readFile(folder.filePath(QStringLiteral("guide.pdf"))), EarlierContent);
        QCOMPARE(readFile(folder.filePath(QStringLiteral("guide.csv"))), EarlierContent);
    }

    void theWorkerWritesOneExportAtATime()
    {
        QTemporaryDir folder;
        ExportWorker worker;
        QSignalSpy finished(&worker, &ExportWorker::finished);
        QVERIFY(worker.start(ExportKind::CsvGuide, twoCubeGuide, {}, folder.filePath(QStringLiteral("a.csv"))));
        QVERIFY(worker.isRunning());
        QVERIFY(!worker.start(ExportKind::CsvGuide, twoCubeGuide, {}, folder.filePath(QStringLiteral("b.csv"))));
        QVERIFY(finished.wait(30'000));
        QVERIFY(!worker.isRunning());
        QCOMPARE(finished.at(0).at(0).value<ExportOutcome>().error, QString());
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("a.csv"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("b.csv"))));
    }

    void theWorkerCancels()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("guide.pdf"));
        ExportWorker worker;
        QSignalSpy finished(&worker, &ExportWorker::finished);
        QVERIFY(worker.start(ExportKind::PdfGuide, twoCubeGuide, {}, path));
        worker.cancel();
        QVERIFY(finished.wait(30'000));
        QVERIFY(finished.at(0).at(0).value<ExportOutcome>().cancelled);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(PatternExportTest)
#include "patternexport_qtest.moc"
