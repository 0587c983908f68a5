#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/studiowindow.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

// A quick stand-in for the pattern maker: every sticker white; a wall 7
// cubes wide is refused.
pattern::PhotoPatternResult whiteWall(const pattern::SrgbPicture &, const pattern::PatternRecipe &recipe,
                                      const pattern::PatternProgress &)
{
    const int width = recipe.wall.cellColumns();
    const int height = recipe.wall.cellRows();
    pattern::PhotoPatternResult result;
    if (recipe.wall.columns == 7) {
        result.error = "no wall of 7 columns";
        return result;
    }
    result.pattern = pattern::PhotoPattern{pattern::StickerGrid(width, height, pattern::Sticker::White),
                                           pattern::LinearGrid(width, height, pattern::LinearRgb{1, 1, 1}), 0.0};
    return result;
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
        StudioWindow window(&whiteWall);
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
        StudioWindow window(&whiteWall);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        QVERIFY(made.wait(10'000));
        QString told;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        closer.start(20);
        StudioDocument &document = window.document();
        pattern::PatternRecipe recipe = document.state().recipe;
        recipe.wall = {columns, 4};
        document.undoStack().push(
            new StudioEditCommand(document, QStringLiteral("wall"), withSettings(document.state(), recipe, 0)));
        window.exportPattern(ExportKind::Preview, folder.filePath(name));
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 30'000);
        QVERIFY2(told.contains(QStringLiteral("Cannot export")) && told.contains(reason), qPrintable(told));
        QVERIFY(!QFile::exists(folder.filePath(name)));
    }
};

QTEST_MAIN(StudioWindowExportTest)
#include "studiowindowexport_qtest.moc"
