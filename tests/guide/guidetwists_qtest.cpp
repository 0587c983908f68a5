// Every cube of whole mosaics' guides gets twists that, replayed on a solved
// cube held by their grip, show its face; the same whatever the threads.

#include "cube/cubestate.h"
#include "guide/guidebuilder.h"
#include "guide/guidemosaic.h"
#include "guide/guidetwists.h"
#include "tessalyresources.h"

#include <QTest>

using namespace tessaly;

namespace {

BuildGuide solvedGuide(const QImage &picture, const GuideFields &fields, const cube::FaceSolver &solver,
                       unsigned threads)
{
    BuildGuide guide = buildGuide(makeGuideMosaic(picture, fields).cells);
    if (!solveGuideTwists(guide, solver, threads))
        guide.cubes.clear();
    return guide;
}

// A picture of soft bands of every colour, with some grey: many distinct
// faces, as a photograph gives.
QImage bandedPicture()
{
    QImage picture(96, 60, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor::fromHsv((x * 7 + y * 13 + (x * y) % 17) % 360, 200 + (x % 3) * 27,
                                                         120 + (y % 5) * 33));
    return picture;
}

} // namespace

class GuideTwistsTest : public QObject
{
    Q_OBJECT

private slots:
    void replaysShowEveryFace_data();
    void replaysShowEveryFace();
    void sameWhateverTheThreads();
    void cancelledLeavesNoTwists();

private:
    const cube::FaceSolver m_solver;
};

void GuideTwistsTest::replaysShowEveryFace_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("counts");
    QTest::newRow("built-in picture") << Resources::samplePicture() << "99";
    QTest::newRow("banded picture") << bandedPicture() << "48";
}

void GuideTwistsTest::replaysShowEveryFace()
{
    QFETCH(QImage, picture);
    QFETCH(QString, counts);
    GuideFields fields;
    fields.columns = fields.rows = counts;
    const BuildGuide guide = solvedGuide(picture, fields, m_solver, 0);
    QVERIFY(!guide.cubes.empty());

    std::int64_t turns = 0;
    std::int64_t withoutTurns = 0;
    for (const GuideCube &cube : guide.cubes) {
        QVERIFY(cube.twists);
        const auto moves = cube::parseMoves(cube.twists->moves);
        QVERIFY(moves);
        QCOMPARE(int(moves->size()), cube.twists->turns);
        // The front colour is the centre's whenever the centre is coloured.
        if (const auto centre = markColour(cube.face[4]))
            QCOMPARE(cube.twists->front, *centre);
        const auto shown = cube::frontFaceAfter({cube.twists->front, cube.twists->top}, *moves);
        for (std::size_t place = 0; place < shown.size(); ++place) {
            if (const auto wanted = markColour(cube.face[place]))
                QVERIFY2(shown[place] == *wanted, qPrintable(QStringLiteral("cube %1, %2 place %3")
                                                                 .arg(cube.column).arg(cube.row).arg(place)));
        }
        turns += cube.twists->turns;
        withoutTurns += cube.twists->turns == 0 ? 1 : 0;
    }
    QCOMPARE(guide.figures.totalTurns, turns);
    QCOMPARE(guide.figures.cubesWithoutTurns, withoutTurns);
    QVERIFY(turns > 0);
}

void GuideTwistsTest::sameWhateverTheThreads()
{
    GuideFields fields;
    fields.columns = fields.rows = QStringLiteral("48");
    const BuildGuide one = solvedGuide(bandedPicture(), fields, m_solver, 1);
    const BuildGuide two = solvedGuide(bandedPicture(), fields, m_solver, 2);
    QCOMPARE(one.cubes.size(), two.cubes.size());
    for (std::size_t at = 0; at < one.cubes.size(); ++at) {
        QCOMPARE(one.cubes[at].twists->moves, two.cubes[at].twists->moves);
        QVERIFY(one.cubes[at].twists->top == two.cubes[at].twists->top);
    }
}

void GuideTwistsTest::cancelledLeavesNoTwists()
{
    BuildGuide guide = buildGuide(makeGuideMosaic(bandedPicture(), GuideFields()).cells);
    QVERIFY(!solveGuideTwists(guide, m_solver, 1, [](std::size_t, std::size_t) { return false; }));
    for (const GuideCube &cube : guide.cubes)
        QVERIFY(!cube.twists);
}

QTEST_MAIN(GuideTwistsTest)
#include "guidetwists_qtest.moc"
