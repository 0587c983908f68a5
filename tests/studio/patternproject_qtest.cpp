#include "guide/patternproject.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;

namespace {

PatternProject sampleProject(const QDir &folder)
{
    PatternProject project;
    project.picturePath = folder.absoluteFilePath(QStringLiteral("pictures/cat.png"));
    project.pictureSha256 = QStringLiteral("ab").repeated(32);
    project.recipe.wall = {12, 8};
    project.recipe.fit = pattern::Fit::Pad;
    project.recipe.crop = pattern::CropRect{10, 20, 300, 200};
    project.recipe.adjustments = {15, -30, 100, true};
    project.recipe.palette = pattern::classicPalette();
    project.recipe.method = pattern::Method::Atkinson;
    project.recipe.turnWeight = 2.5;
    project.recipe.maxTurns = 4;
    project.cubeBudget = 96;
    project.touchUps = {{0, 0, pattern::Sticker::Red}, {35, 23, pattern::Sticker::Blue}};
    project.layout.pageSize = QPageSize(QPageSize::Letter);
    project.layout.plan = {BuildOrder::BottomUp, CubeExtent{5, 4}, {2.5, 12}};
    return project;
}

// A valid project's JSON with one field replaced (or removed, for an
// undefined value).
QByteArray changed(const QString &key, const QJsonValue &value)
{
    const QDir folder(QStringLiteral("/projects"));
    QJsonObject root = QJsonDocument::fromJson(patternProjectJson(sampleProject(folder), folder)).object();
    if (value.isUndefined())
        root.remove(key);
    else
        root.insert(key, value);
    return QJsonDocument(root).toJson();
}

} // namespace

class PatternProjectTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripsThroughAFile()
    {
        QTemporaryDir folder;
        const PatternProject project = sampleProject(QDir(folder.path()));
        const QString path = folder.filePath(QStringLiteral("wall.tessaly"));
        QCOMPARE(writePatternProject(project, path), QString());
        const PatternProjectReading reading = readPatternProject(path);
        QVERIFY2(reading.project, qPrintable(reading.error));
        QCOMPARE(*reading.project, project);
    }

    void keepsThePicturePathRelative()
    {
        const QDir folder(QStringLiteral("/home/ann/walls"));
        const QJsonObject root =
            QJsonDocument::fromJson(patternProjectJson(sampleProject(folder), folder)).object();
        QCOMPARE(root.value(QStringLiteral("picture")).toObject().value(QStringLiteral("path")).toString(),
                 QStringLiteral("pictures/cat.png"));
        // Moved with its picture, the project still finds it.
        const QDir moved(QStringLiteral("/media/usb/walls"));
        const PatternProjectReading reading = parsePatternProject(patternProjectJson(sampleProject(folder), folder), moved);
        QVERIFY(reading.project);
        QCOMPARE(reading.project->picturePath, QStringLiteral("/media/usb/walls/pictures/cat.png"));
    }

    // Projects saved before the turn weight and limit were kept read as
    // made with the defaults; a saved limit of 0 is a limit, not none.
    void readsTheTurnSettingsOrTheirDefaults()
    {
        const QDir folder(QStringLiteral("/projects"));
        QJsonObject root = QJsonDocument::fromJson(patternProjectJson(sampleProject(folder), folder)).object();
        root.remove(QStringLiteral("turnWeight"));
        root.remove(QStringLiteral("maxTurns"));
        PatternProjectReading reading = parsePatternProject(QJsonDocument(root).toJson(), folder);
        QVERIFY2(reading.project, qPrintable(reading.error));
        QCOMPARE(reading.project->recipe.turnWeight, pattern::DefaultTurnWeight);
        QCOMPARE(reading.project->recipe.maxTurns, std::nullopt);

        root.insert(QStringLiteral("maxTurns"), 0);
        reading = parsePatternProject(QJsonDocument(root).toJson(), folder);
        QVERIFY2(reading.project, qPrintable(reading.error));
        QCOMPARE(reading.project->recipe.maxTurns, std::optional<int>(0));
    }

    // Projects saved before the guide's layout was kept print as the guide
    // does by default; a layout without panels or pace keeps those defaults.
    void readsTheGuideLayoutOrItsDefaults()
    {
        const QDir folder(QStringLiteral("/projects"));
        PatternProjectReading reading = parsePatternProject(changed(QStringLiteral("guide"), QJsonValue::Undefined), folder);
        QVERIFY2(reading.project, qPrintable(reading.error));
        QCOMPARE(reading.project->layout, GuideLayout());

        reading = parsePatternProject(
            changed(QStringLiteral("guide"), QJsonObject{{QStringLiteral("order"), QStringLiteral("bottom-up")}}), folder);
        QVERIFY2(reading.project, qPrintable(reading.error));
        GuideLayout bottomUp;
        bottomUp.plan.order = BuildOrder::BottomUp;
        QCOMPARE(reading.project->layout, bottomUp);
    }

    void refusesDamagedOrNewerFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("expectedError");
        QTest::addColumn<bool>("newer");

        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "not a project file" << false;
        QTest::newRow("cut short") << changed(QStringLiteral("x"), 1).left(40) << "not a project file" << false;
        QTest::newRow("another format") << changed(QStringLiteral("format"), QStringLiteral("map")) << "does not say"
                                        << false;
        QTest::newRow("newer version") << changed(QStringLiteral("version"), 2) << "newer Tessaly (format version 2" << true;
        QTest::newRow("version 0") << changed(QStringLiteral("version"), 0) << "\"version\" is 0" << false;
        QTest::newRow("fractional version") << changed(QStringLiteral("version"), 1.5) << "whole number \"version\""
                                            << false;
        QTest::newRow("no wall") << changed(QStringLiteral("wall"), QJsonValue::Undefined) << "object \"wall\"" << false;
        QTest::newRow("wall of no columns")
            << changed(QStringLiteral("wall"), QJsonObject{{QStringLiteral("columns"), 0}, {QStringLiteral("rows"), 8}})
            << "\"columns\" is 0" << false;
        QTest::newRow("unknown fit") << changed(QStringLiteral("fit"), QStringLiteral("zoom")) << "\"zoom\"" << false;
        QTest::newRow("empty crop")
            << changed(QStringLiteral("crop"), QJsonObject{{QStringLiteral("x"), 0}, {QStringLiteral("y"), 0},
                                                          {QStringLiteral("width"), 0}, {QStringLiteral("height"), 5}})
            << "\"width\" is 0" << false;
        QTest::newRow("brightness too high")
            << changed(QStringLiteral("adjustments"),
                       QJsonObject{{QStringLiteral("brightness"), 101}, {QStringLiteral("contrast"), 0},
                                   {QStringLiteral("saturation"), 0}, {QStringLiteral("autoLevels"), false}})
            << "\"brightness\" is 101" << false;
        QTest::newRow("unknown method") << changed(QStringLiteral("method"), QStringLiteral("exact")) << "\"exact\""
                                        << false;
        QTest::newRow("negative turn weight") << changed(QStringLiteral("turnWeight"), -1) << "\"turnWeight\"" << false;
        QTest::newRow("turn weight as text")
            << changed(QStringLiteral("turnWeight"), QStringLiteral("5")) << "\"turnWeight\"" << false;
        QTest::newRow("turn limit over nine") << changed(QStringLiteral("maxTurns"), 10) << "\"maxTurns\" is 10" << false;
        QTest::newRow("fractional turn limit") << changed(QStringLiteral("maxTurns"), 2.5) << "whole number \"maxTurns\""
                                               << false;
        QTest::newRow("palette of one colour")
            << changed(QStringLiteral("palette"), QJsonArray{QStringLiteral("W #FFFFFF white")}) << "the palette:"
            << false;
        QTest::newRow("touch-up outside the wall")
            << changed(QStringLiteral("touchUps"),
                       QJsonArray{QJsonObject{{QStringLiteral("x"), 36}, {QStringLiteral("y"), 0},
                                              {QStringLiteral("sticker"), QStringLiteral("R")}}})
            << "touch-up 1: \"x\" is 36, outside 0 to 35" << false;
        QTest::newRow("touch-up of no colour")
            << changed(QStringLiteral("touchUps"),
                       QJsonArray{QJsonObject{{QStringLiteral("x"), 1}, {QStringLiteral("y"), 1},
                                              {QStringLiteral("sticker"), QStringLiteral("K")}}})
            << "none of W, Y, R, O, B and G" << false;
        const QJsonObject cell{{QStringLiteral("x"), 1}, {QStringLiteral("y"), 1}, {QStringLiteral("sticker"), QStringLiteral("R")}};
        const auto guide = [](const QString &key, const QJsonValue &value) {
            return changed(QStringLiteral("guide"), QJsonObject{{key, value}});
        };
        QTest::newRow("page size A3") << guide(QStringLiteral("pageSize"), QStringLiteral("A3"))
                                      << "page size \"A3\" is neither A4 nor Letter" << false;
        QTest::newRow("order sideways") << guide(QStringLiteral("order"), QStringLiteral("sideways"))
                                        << "order \"sideways\" is neither top-down nor bottom-up" << false;
        QTest::newRow("panel of no rows")
            << guide(QStringLiteral("panel"), QJsonObject{{QStringLiteral("columns"), 4}, {QStringLiteral("rows"), 0}})
            << "the guide's panel: \"rows\" is 0" << false;
        QTest::newRow("negative seconds per turn") << guide(QStringLiteral("secondsPerTurn"), -1)
                                                   << "\"secondsPerTurn\" is not a number from 0 to 3600" << false;
        QTest::newRow("seconds per cube as text") << guide(QStringLiteral("secondsPerCube"), QStringLiteral("10"))
                                                  << "\"secondsPerCube\" is not a number" << false;
        QTest::newRow("cell touched twice") << changed(QStringLiteral("touchUps"), QJsonArray{cell, cell})
                                            << "touch-up 2 sets cell (1, 1) a second time" << false;
    }

    void refusesDamagedOrNewerFiles()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, expectedError);
        QFETCH(bool, newer);
        const PatternProjectReading reading = parsePatternProject(json, QDir(QStringLiteral("/projects")));
        QVERIFY(!reading.project);
        QVERIFY2(reading.error.contains(expectedError), qPrintable(reading.error));
        QCOMPARE(reading.newerFormat, newer);
    }

    void leavesAnEarlierFileIntactWhenItCannotWrite()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("wall.tessaly"));
        const PatternProject project = sampleProject(QDir(folder.path()));
        QCOMPARE(writePatternProject(project, path), QString());
        QVERIFY(!writePatternProject(project, folder.filePath(QStringLiteral("missing/wall.tessaly"))).isEmpty());
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(folder.path()).isWritable())
            QSKIP("the folder stays writable (run as root)");
        PatternProject other = project;
        other.recipe.wall = {3, 3};
        QVERIFY(!writePatternProject(other, path).isEmpty());
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(*readPatternProject(path).project, project);
    }

    void hashesAFileAsSha256()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("abc")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("abc");
        file.close();
        // The FIPS 180-2 example message "abc".
        QCOMPARE(fileSha256(file.fileName()),
                 QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        QCOMPARE(fileSha256(folder.filePath(QStringLiteral("missing"))), QString());
    }

    void appliesTouchUpsOfThePalettesColoursOnly()
    {
        pattern::StickerGrid stickers(3, 3, pattern::Sticker::White);
        pattern::StickerPalette palette = *pattern::restrictPalette(pattern::standardPalette(), "WRB").palette;
        applyTouchUps(stickers, {{0, 0, pattern::Sticker::Red}, {1, 0, pattern::Sticker::Green}, {2, 2, pattern::Sticker::Blue}},
                      palette);
        QCOMPARE(stickers.at(0, 0), pattern::Sticker::Red);
        QCOMPARE(stickers.at(1, 0), pattern::Sticker::White); // green is not among the colours
        QCOMPARE(stickers.at(2, 2), pattern::Sticker::Blue);
    }
};

QTEST_GUILESS_MAIN(PatternProjectTest)
#include "patternproject_qtest.moc"
