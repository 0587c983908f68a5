// The CSV guide and the summary on small mosaics whose cells are known.

#include "support/guiderunner.h"
#include "support/testpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly::test;

namespace {

// The CSV's rows split into fields, the header first.
QList<QStringList> csvRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            rows << QString::fromUtf8(line).split(QLatin1Char(','));
    }
    return rows;
}

// "column row face" for every cube, in the file's order.
QStringList placesAndFaces(const QList<QStringList> &rows)
{
    QStringList found;
    for (const QStringList &row : rows.mid(1))
        found << QStringList{row.value(0), row.value(1), row.value(6)}.join(QLatin1Char(' '));
    return found;
}

} // namespace

class GuideCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void cubes_data();
    void cubes();
    void twistColumns();
    void faceOption_data();
    void faceOption();
    void summaryCountsTheWall();
    void refusedRunWritesNoFile();
};

void GuideCsvTest::cubes_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QStringList>("expected");

    // Counts equal to the picture's size sample every pixel and one column
    // and row beyond it, which read as white: 4 x 4 pixels give 5 x 5 cells
    // and 2 x 2 cubes, the second column and row of them partial.
    QTest::newRow("partial cubes and black cells")
        << QStringList{"RGBW", "OYKR", "GGGG", "BBKW"} << "4"
        << QStringList{"1 1 RGBOYKGGG", "2 1 WW-RW-GW-", "1 2 BBKWWW---", "2 2 WW-WW----"};
    // A step larger than the picture samples one cell.
    QTest::newRow("one cell") << QStringList{"BBB", "BBB", "BBB"} << "0.75" << QStringList{"1 1 B--------"};
    QTest::newRow("exactly one cube")
        << QStringList{"YY", "YO"} << "2" << QStringList{"1 1 YYWYOWWWW"};
}

void GuideCsvTest::cubes()
{
    QFETCH(QStringList, picture);
    QFETCH(QString, counts);
    QFETCH(QStringList, expected);

    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    QVERIFY(letterPicture(picture).save(picturePath));
    const QString csv = folder.filePath(QStringLiteral("guide.csv"));

    const GuideResult result = runGuide({QStringLiteral("-c"), counts, QStringLiteral("-r"), counts,
                                         QStringLiteral("-t"), ExactTolerances, QStringLiteral("--csv"), csv,
                                         picturePath});
    QCOMPARE(result.status, 0);
    const QList<QStringList> rows = csvRows(csv);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.front().join(QLatin1Char(',')), QStringLiteral("column,row,front,top,turns,moves,face"));
    QCOMPARE(placesAndFaces(rows), expected);
    for (const QStringList &row : rows)
        QCOMPARE(row.size(), 7);
}

void GuideCsvTest::twistColumns()
{
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    QVERIFY(letterPicture({"BBB", "BBB", "BBB"}).save(picturePath));
    const QString csv = folder.filePath(QStringLiteral("guide.csv"));
    QCOMPARE(runGuide({QStringLiteral("-c"), QStringLiteral("0.75"), QStringLiteral("-r"), QStringLiteral("0.75"),
                       QStringLiteral("--csv"), csv, picturePath})
                 .status,
             0);
    // One blue sticker and the centre free: held blue in front, white on
    // top (the first such grip), the cube shows it as it is.
    QCOMPARE(csvRows(csv).value(1).join(QLatin1Char(',')), QStringLiteral("1,1,B,W,0,,B--------"));
}

void GuideCsvTest::faceOption_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("printed");
    QTest::newRow("one colour") << "GGGGGGGGG" << "front: G green\ntop:   W white\nturns: 0\nmoves: \n";
    // What the standard hold shows after R: yellow comes up the right column.
    QTest::newRow("one turn") << "ggyggyggy" << "turns: 1\n";
    QTest::newRow("all free") << "KKK-----K" << "front: G green\ntop:   W white\nturns: 0\n";
}

void GuideCsvTest::faceOption()
{
    QFETCH(QString, face);
    QFETCH(QString, printed);
    const GuideResult result = runGuide({QStringLiteral("--face"), face});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(printed), qPrintable(result.out));
}

void GuideCsvTest::summaryCountsTheWall()
{
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    QVERIFY(letterPicture({"RGBW", "OYKR", "GGGG", "BBKW"}).save(picturePath));

    const GuideResult result = runGuide({QStringLiteral("-c"), QStringLiteral("4"), QStringLiteral("-r"),
                                         QStringLiteral("4"), QStringLiteral("-t"), ExactTolerances, picturePath});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(QStringLiteral("5 x 5 = 25")), qPrintable(result.out));
    QVERIFY(result.out.contains(QStringLiteral("2 x 2 = 4 (1 full, 3 partial)")));
    QVERIFY(result.out.contains(QStringLiteral("white 11, yellow 1, red 2, orange 1, blue 3, green 5")));
    QVERIFY(result.out.contains(QStringLiteral("Black cells: 2 in 2 cubes")));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.png")});
}

void GuideCsvTest::refusedRunWritesNoFile()
{
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    QVERIFY(letterPicture({"RG", "BW"}).save(picturePath));

    const GuideResult result = runGuide({QStringLiteral("-c"), QStringLiteral("3"), QStringLiteral("--csv"),
                                         folder.filePath(QStringLiteral("guide.csv")), picturePath});
    QCOMPARE(result.status, 2);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.png")});
}

QTEST_MAIN(GuideCsvTest)
#include "guidecsv_qtest.moc"
