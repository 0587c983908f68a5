#include "guide/patternproject.h"
#include "guide/photooptionvalues.h"
#include "studio/studiodocument.h"
#include "studio/studiowindow.h"
#include "support/messageboxcloser.h"
#include "support/whitewall.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;
using tessaly::test::whiteWall;

namespace {


// A project of the wall and budget made from a small picture in the folder.
QString writeProject(const QTemporaryDir &folder, pattern::WallSize wall, long long cubeBudget)
{
    const QString picture = folder.filePath(QStringLiteral("long.png"));
    QImage image(300, 1, QImage::Format_RGB32);
    image.fill(Qt::gray);
    if (!image.save(picture))
        return {};
    PatternProject project;
    project.picturePath = picture;
    project.pictureSha256 = fileSha256(picture);
    project.recipe.wall = wall;
    project.cubeBudget = cubeBudget;
    const QString path = folder.filePath(QStringLiteral("long.tessaly"));
    return writePatternProject(project, path).isEmpty() ? path : QString();
}

} // namespace

class StudioWindowLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A project of a long wall, as tessaly-guide may save one, shows its
    // true size; one over tessaly-guide's limit of a million cubes is refused.
    void opensAProjectUpToTheLimit_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<long long>("cubeBudget");
        QTest::addColumn<bool>("opens");
        QTest::newRow("5000 x 16") << 5000 << 16 << 0LL << true;
        QTest::newRow("2000 x 1000") << 2000 << 1000 << 0LL << false;
        QTest::newRow("a budget past the limit") << 40 << 30 << 2'000'000LL << false;
    }

    void opensAProjectUpToTheLimit()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(long long, cubeBudget);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        const QString path = writeProject(folder, {columns, rows}, cubeBudget);
        QVERIFY(!path.isEmpty());
        StudioWindow window(&whiteWall);
        QSignalSpy reset(&window.document(), &StudioDocument::documentReset);
        const test::MessageBoxCloser closer;

        QCOMPARE(window.openProject(path), opens);
        if (!opens) {
            const QString &told = closer.told();
            QVERIFY2(told.contains(QStringLiteral("Cannot open")) && told.contains(QString::number(MaxWallCubes)),
                     qPrintable(told));
            return;
        }
        QVERIFY(reset.wait(10'000));
        QCOMPARE(window.document().state().recipe.wall, (pattern::WallSize{columns, rows}));
        QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("columns"))->value(), columns);
        QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("rows"))->value(), rows);
        QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("cubes"))->value(), columns * rows);
        QVERIFY2(closer.told().isEmpty(), qPrintable(closer.told()));
    }
};

QTEST_MAIN(StudioWindowLimitsTest)
#include "studiowindowlimits_qtest.moc"
