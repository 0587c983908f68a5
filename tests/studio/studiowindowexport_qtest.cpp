#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/studiowindow.h"
#include "support/messageboxcloser.h"
#include "support/whitewall.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

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

// The white stand-in, holding each pattern back while held is set.
PatternMaker heldWhiteWall(std::shared_ptr<const std::atomic<bool>> held)
{
    return [held](const pattern::SrgbPicture &picture, const pattern::PatternRecipe &recipe,
                  const pattern::PatternProgress &progress) {
        while (*held)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return test::whiteWall(picture, recipe, progress);
    };
}

// Sets the wall's size as the settings panel would, as one undoable edit.
void setWall(StudioDocument &document, pattern::WallSize wall)
{
    pattern::PatternRecipe recipe = document.state().recipe;
    recipe.wall = wall;
    document.undoStack().push(
        new StudioEditCommand(document, QStringLiteral("wall"), withSettings(document.state(), recipe, 0)));
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
        setWall(document, {5, 4});

        QSignalSpy exported(&window.exporter(), &ExportWorker::finished);
        const QString path = folder.filePath(QStringLiteral("guide.csv"));
        window.exportPattern(ExportKind::CsvGuide, path);
        QVERIFY(exported.wait(30'000));
        QCOMPARE(csvRows(path), 20);
    }

    // While an export waits for its pattern the window takes edits (no
    // modal dialog), refuses a second export with a message, and the export
    // then writes the pattern of the settings as they are at last.
    void staysUsableWhileExporting()
    {
        QTemporaryDir folder;
        auto held = std::make_shared<std::atomic<bool>>(false);
        StudioWindow window(heldWhiteWall(held));
        const auto release = qScopeGuard([held] { *held = false; }); // before the window waits for its worker
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY_WITH_TIMEOUT(!window.worker().isBusy(), 10'000);
        *held = true;
        StudioDocument &document = window.document();
        setWall(document, {5, 4});

        QSignalSpy exported(&window.exporter(), &ExportWorker::finished);
        const QString path = folder.filePath(QStringLiteral("guide.csv"));
        window.exportPattern(ExportKind::CsvGuide, path);
        QTest::qWait(500); // long enough for a progress dialog to have shown
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("exportProgress"))->isVisible());

        auto *columns = window.findChild<QSpinBox *>(QStringLiteral("columns"));
        columns->setFocus();
        const int edits = document.undoStack().index();
        QTest::keyClick(columns, Qt::Key_Up);
        QCOMPARE(document.undoStack().index(), edits + 1);
        {
            const test::MessageBoxCloser closer;
            window.exportPattern(ExportKind::Preview, folder.filePath(QStringLiteral("wall.png")));
            QVERIFY2(closer.told().contains(QStringLiteral("under way")), qPrintable(closer.told()));
        }

        *held = false;
        QVERIFY(exported.wait(30'000));
        QCOMPARE(csvRows(path), int(document.state().recipe.wall.cubes()));
        QVERIFY(document.state().recipe.wall.cubes() != 20);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("wall.png"))));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("exportProgress"))->isVisible());
    }

    // The status bar's Cancel stops an export waiting for its pattern: no
    // file is written, even once the pattern is made.
    void cancelsFromTheStatusBar()
    {
        QTemporaryDir folder;
        auto held = std::make_shared<std::atomic<bool>>(true);
        StudioWindow window(heldWhiteWall(held));
        const auto release = qScopeGuard([held] { *held = false; });
        window.show();
        const QString path = folder.filePath(QStringLiteral("guide.csv"));
        window.exportPattern(ExportKind::CsvGuide, path);
        auto *strip = window.findChild<QWidget *>(QStringLiteral("exportProgress"));
        QVERIFY(strip->isVisible());
        QTest::mouseClick(strip->findChild<QPushButton *>(QStringLiteral("cancelExport")), Qt::LeftButton);
        QVERIFY(!strip->isVisible());
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        *held = false;
        QVERIFY(made.wait(10'000));
        QTest::qWait(100);
        QVERIFY(!QFile::exists(path));
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
