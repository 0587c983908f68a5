// tessaly-guide --project: the pattern of a Tessaly Studio project, its
// refusals, and its outputs against the same recipe given as options.

#include "guide/patternproject.h"
#include "support/guiderunner.h"
#include "support/photofiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// A picture with something to match: a hue ramp over a lightness ramp.
QImage rampPicture()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor::fromHsv(x * 9, 200, 255 - y * 6));
    }
    return picture;
}

// The recipe the options --wall 4x3 --fit pad --brightness 10
// --turn-weight 2 --max-turns 5 ask for.
PatternProject rampProject(const QTemporaryDir &folder)
{
    PatternProject project;
    project.picturePath = folder.filePath(QStringLiteral("photo.png"));
    project.pictureSha256 = fileSha256(project.picturePath);
    project.recipe.wall = {4, 3};
    project.recipe.fit = pattern::Fit::Pad;
    project.recipe.adjustments.brightness = 10;
    project.recipe.turnWeight = 2;
    project.recipe.maxTurns = 5;
    return project;
}
const QStringList RampOptions = {"--wall",       "4x3", "--fit",       "pad", "--brightness",
                                 "10",           "--turn-weight", "2", "--max-turns", "5"};

QByteArray withField(const QByteArray &json, const QString &key, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    root.insert(key, value);
    return QJsonDocument(root).toJson();
}

// The files every case may name, made in folder.
bool makeFiles(const QTemporaryDir &folder)
{
    if (!rampPicture().save(folder.filePath(QStringLiteral("photo.png"))))
        return false;
    const QDir dir(folder.path());
    const PatternProject project = rampProject(folder);
    PatternProject moved = project;
    moved.picturePath = folder.filePath(QStringLiteral("gone.png"));
    PatternProject huge = project;
    huge.recipe.wall = {2000, 1000}; // as a hand-edited file may ask
    PatternProject changed = project;
    changed.pictureSha256 = QStringLiteral("0").repeated(64);
    const QByteArray json = patternProjectJson(project, dir);
    return writeFile(folder.filePath(QStringLiteral("wall.tessaly")), json)
           && writeFile(folder.filePath(QStringLiteral("moved.tessaly")), patternProjectJson(moved, dir))
           && writeFile(folder.filePath(QStringLiteral("changed.tessaly")), patternProjectJson(changed, dir))
           && writeFile(folder.filePath(QStringLiteral("huge.tessaly")), patternProjectJson(huge, dir))
           && writeFile(folder.filePath(QStringLiteral("damaged.tessaly")), json.left(json.size() / 2))
           && writeFile(folder.filePath(QStringLiteral("newer.tessaly")),
                        withField(json, QStringLiteral("version"), PatternProject::FormatVersion + 1))
           && writeFile(folder.filePath(QStringLiteral("out.csv")), EarlierContent);
}

} // namespace

class ProjectGuideTest : public QObject
{
    Q_OBJECT

private slots:
    void fails_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        // The project holds the picture and the recipe: neither goes beside it.
        QTest::newRow("no file name") << QStringList{"--project", ""} << 1 << "No file name given for --project.";
        QTest::newRow("a picture") << QStringList{"--project", "@wall.tessaly", "@photo.png"} << 1
                                   << "give no PICTURE";
        QTest::newRow("a wall") << QStringList{"--project", "@wall.tessaly", "--wall", "2x2"} << 1
                                << "--wall does not go with --project";
        QTest::newRow("a method") << QStringList{"--project", "@wall.tessaly", "--method", "nearest"} << 1
                                  << "--method does not go with --project";
        QTest::newRow("a turn weight") << QStringList{"--project", "@wall.tessaly", "--turn-weight", "1"} << 1
                                       << "--turn-weight does not go with --project";
        QTest::newRow("auto levels") << QStringList{"--project", "@wall.tessaly", "--auto-levels"} << 1
                                     << "--auto-levels does not go with --project";
        QTest::newRow("a window option") << QStringList{"--project", "@wall.tessaly", "-c", "40"} << 1
                                         << "--columns does not go with --project";
        QTest::newRow("a face") << QStringList{"--project", "@wall.tessaly", "--face", "WWWWWWWWW"} << 1
                                << "--face does not go with --project";

        // What the project turns out to be.
        QTest::newRow("no such project") << QStringList{"--project", "@none.tessaly"} << 2
                                         << "cannot use the project";
        QTest::newRow("damaged project") << QStringList{"--project", "@damaged.tessaly"} << 2
                                         << "not a project file";
        QTest::newRow("wall past the limit") << QStringList{"--project", "@huge.tessaly"} << 2
                                             << "the wall of 2000 x 1000 cubes is larger than the 1000000 cubes";
        QTest::newRow("output over the project") << QStringList{"--project", "@wall.tessaly", "--csv", "@wall.tessaly"}
                                                 << 1 << "is read and would be written over";
        QTest::newRow("newer project") << QStringList{"--project", "@newer.tessaly"} << 2 << "newer Tessaly";
        QTest::newRow("moved picture") << QStringList{"--project", "@moved.tessaly"} << 2
                                       << "gone.png\" is not there";
        QTest::newRow("changed picture") << QStringList{"--project", "@changed.tessaly"} << 2
                                         << "is not the one the project was made from";
    }

    // Each refusal says why with the status, and writes nothing.
    void fails()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QVERIFY(makeFiles(folder));
        const QStringList before = folderEntries(folder);

        const GuideResult result = runGuide(inFolder(QStringList{"--csv", "@out.csv", "--preview", "@new.png"}
                                                         + arguments,
                                                     folder));
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.contains(QStringLiteral("Usage:")), status == 1);
        QCOMPARE(folderEntries(folder), before);
        QCOMPARE(readFile(folder.filePath(QStringLiteral("out.csv"))), EarlierContent);
    }

    // A project is its recipe: its outputs are those of the same recipe given
    // as options, byte for byte.
    void writesWhatTheSameOptionsWrite()
    {
        QTemporaryDir folder;
        QVERIFY(makeFiles(folder));
        const QStringList outputs = {"--csv", "@%1.csv", "--preview", "@%1.png", "--stickers", "@%1-map.png"};
        const auto outputsNamed = [&](const QString &name) {
            QStringList named;
            for (const QString &argument : outputs)
                named << argument.arg(name);
            return named;
        };
        GuideResult result = runGuide(inFolder(outputsNamed("project") + QStringList{"--project", "@wall.tessaly"}, folder));
        QVERIFY2(result.status == 0, qPrintable(result.err));
        result = runGuide(inFolder(outputsNamed("options") + RampOptions + QStringList{"@photo.png"}, folder));
        QVERIFY2(result.status == 0, qPrintable(result.err));
        for (const QString suffix : {".csv", ".png", "-map.png"}) {
            const QByteArray fromProject = readFile(folder.filePath("project" + suffix));
            QVERIFY(!fromProject.isEmpty());
            QCOMPARE(fromProject, readFile(folder.filePath("options" + suffix)));
        }
    }

    // The guide is printed and planned as the project says, as the Studio
    // exports it, except where the command line says otherwise.
    void plansAsTheProjectSaysUnlessTold_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expectedBlocks");

        QTest::newRow("the project's") << QStringList() << "one Letter page each), bottom-up, in 4 panels";
        QTest::newRow("order and page size given")
            << QStringList{"--order", "top-down", "--page-size", "A4"} << "one A4 page each), top-down, in 4 panels";
        QTest::newRow("panel given") << QStringList{"--panel", "4x3"} << "one Letter page each), bottom-up, in 1 panel\n";
    }

    void plansAsTheProjectSaysUnlessTold()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, expectedBlocks);
        QTemporaryDir folder;
        QVERIFY(makeFiles(folder));
        PatternProject project = rampProject(folder);
        project.layout.pageSize = QPageSize(QPageSize::Letter);
        project.layout.plan.order = BuildOrder::BottomUp;
        project.layout.plan.panel = CubeExtent{2, 2}; // the 4 x 3 wall in four panels
        QCOMPARE(writePatternProject(project, folder.filePath(QStringLiteral("planned.tessaly"))), QString());

        const GuideResult result = runGuide(inFolder(options + QStringList{"--project", "@planned.tessaly"}, folder));
        QVERIFY2(result.status == 0, qPrintable(result.err));
        QVERIFY2(result.out.contains(expectedBlocks), qPrintable(result.out));
    }

    // The stickers set by hand reach every output, and only they change.
    void appliesTheTouchUps()
    {
        QTemporaryDir folder;
        QVERIFY(makeFiles(folder));
        GuideResult result = runGuide(inFolder({"--stickers", "@plain.png", "--project", "@wall.tessaly"}, folder));
        QVERIFY2(result.status == 0, qPrintable(result.err));
        const QImage plain(folder.filePath(QStringLiteral("plain.png")));
        // Each touch-up a colour other than the one the pattern chose.
        const auto other = [&](int x, int y) {
            return plain.pixelColor(x, y) == QColor(StandardPaletteHex[2]) ? pattern::Sticker::Blue
                                                                            : pattern::Sticker::Red;
        };
        PatternProject project = rampProject(folder);
        project.touchUps = {{0, 0, other(0, 0)}, {11, 8, other(11, 8)}};
        QCOMPARE(writePatternProject(project, folder.filePath(QStringLiteral("touched.tessaly"))), QString());
        result = runGuide(inFolder({"--stickers", "@touched.png", "--project", "@touched.tessaly"}, folder));
        QVERIFY2(result.status == 0, qPrintable(result.err));
        const QImage touched(folder.filePath(QStringLiteral("touched.png")));
        QCOMPARE(touched.size(), QSize(12, 9));
        for (int y = 0; y < touched.height(); ++y) {
            for (int x = 0; x < touched.width(); ++x) {
                const bool set = (x == 0 && y == 0) || (x == 11 && y == 8);
                const QColor expected = !set ? plain.pixelColor(x, y)
                                        : other(x, y) == pattern::Sticker::Red ? QColor(StandardPaletteHex[2])
                                                                               : QColor(StandardPaletteHex[4]);
                QCOMPARE(touched.pixelColor(x, y), expected);
            }
        }
    }
};

QTEST_MAIN(ProjectGuideTest)
#include "projectguide_qtest.moc"
