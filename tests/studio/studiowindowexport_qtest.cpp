#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/studiowindow.h"
#include "support/messageboxcloser.h"
#include "support/whitewall.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

// The white stand-in for the pattern maker, which refuses a wall 7 cubes wide.
pattern::PhotoPatternResult whiteWallNotSeven(const pattern::SrgbPicture &picture, const pattern::PatternRecipe &recipe,
                                             const pattern::PatternProgress &progress)
{
    if (recipe.wall.columns == 7) {
        pattern::PhotoPatternResult refused;
        refused.error = "no wall of 7 columns";
        return refused;
    }
    return test::whiteWall(picture, recipe, progress);
}

int csvRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().trimmed().split('\n').size()) - 1; // less the header
}

} // namespace

class StudioWindowExportTest : public QObject
{
    Q_OBJECT

private slots:
    // An export asked for while the pattern of new settings is being made
    // waits for it: the CSV has the new wall's cubes.
    void exportsThePatternOfTheCurrentSettings()
    {
        QTemporaryDir folder;
        StudioWindow window(&whiteWallNotSeven);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        QVERIFY(made.wait(10'000));
        StudioDocument &document = window.document();
        pattern::PatternRecipe recipe = document.state().recipe;
        recipe.wall = {5, 4};
        document.undoStack().push(
            new StudioEditCommand(document, QStringLiteral("wall"), withSettings(document.state(), recipe, 0)));

        QSignalSpy exported(&window.exporter(), &ExportWorker::finished);
        const QString path = folder.filePath(QStringLiteral("guide.csv"));
        window.exportPattern(ExportKind::CsvGuide, path);
        QVERIFY(exported.wait(30'000));
        QCOMPARE(csvRows(path), 20);
    }

    // A folder that cannot take the file, or settings that make no pattern,
    // are told in a message box.
    void saysWhyItCannotExport_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder not there") << 5 << "none/wall.png" << "wall.png";
        QTest::newRow("no pattern") << 7 << "wall.png" << "make no pattern";
    }

    void saysWhyItCannotExport()
    {
        QFETCH(int, columns);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        StudioWindow window(&whiteWallNotSeven);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        QVERIFY(made.wait(10'000));
        const test::MessageBoxCloser closer;
        StudioDocument &document = window.document();
        pattern::PatternRecipe recipe = document.state().recipe;
        recipe.wall = {columns, 4};
        document.undoStack().push(
            new StudioEditCommand(document, QStringLiteral("wall"), withSettings(document.state(), recipe, 0)));
        window.exportPattern(ExportKind::Preview, folder.filePath(name));
        QTRY_VERIFY_WITH_TIMEOUT(!closer.told().isEmpty(), 30'000);
        const QString &told = closer.told();
        QVERIFY2(told.contains(QStringLiteral("Cannot export")) && told.contains(reason), qPrintable(told));
        QVERIFY(!QFile::exists(folder.filePath(name)));
    }
};

QTEST_MAIN(StudioWindowExportTest)
#include "studiowindowexport_qtest.moc"
