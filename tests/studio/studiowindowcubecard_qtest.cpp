#include "studio/cubecard.h"
#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/studiowindow.h"
#include "support/whitewall.h"
#include "studio/wallview.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;
using tessaly::test::whiteWall;

namespace {

void paintSticker(StudioDocument &document, int x, int y, pattern::Sticker sticker)
{
    ProjectState after = document.state();
    after.touchUps = withTouchUp(after.touchUps, {x, y, sticker});
    document.undoStack().push(new StudioEditCommand(document, QStringLiteral("paint"), after));
}

void setWall(StudioDocument &document, pattern::WallSize wall)
{
    pattern::PatternRecipe recipe = document.state().recipe;
    recipe.wall = wall;
    document.undoStack().push(
        new StudioEditCommand(document, QStringLiteral("wall"), withSettings(document.state(), recipe, 0)));
}

} // namespace

class StudioWindowCubeCardTest : public QObject
{
    Q_OBJECT

private slots:
    // The card follows the pattern shown: a sticker painted on its cube, the
    // paint undone and redone, a new wall that keeps the cube or loses it.
    void showsTheCurrentFaceOfItsCube()
    {
        StudioWindow window(&whiteWall);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        QVERIFY(made.wait(10'000));
        StudioDocument &document = window.document();
        auto *card = window.findChild<CubeCard *>();
        QVERIFY(card);
        auto *text = card->findChild<QLabel *>(QStringLiteral("cubeText"));
        QVERIFY(text);
        const auto shows = [&](const char *face) {
            return text->text().contains(QStringLiteral("Cube 2, 1")) && text->text().contains(QLatin1String(face));
        };

        // The cube solver is made off the window's thread: click until it is ready.
        QTRY_VERIFY_WITH_TIMEOUT((emit window.wallView().cubeClicked(QPoint(1, 0)), card->cube().has_value()), 30'000);
        QVERIFY2(shows("WWWWWWWWW"), qPrintable(text->text()));

        // Cube 2, 1 holds the cells 3 to 5 across and 0 to 2 down: (4, 1) is its middle.
        paintSticker(document, 4, 1, pattern::Sticker::Red);
        QVERIFY2(shows("WWWWRWWWW"), qPrintable(text->text()));
        paintSticker(document, 0, 0, pattern::Sticker::Blue); // another cube's sticker
        QVERIFY2(shows("WWWWRWWWW"), qPrintable(text->text()));
        document.undoStack().undo();
        document.undoStack().undo();
        QVERIFY2(shows("WWWWWWWWW"), qPrintable(text->text()));
        document.undoStack().redo();
        QVERIFY2(shows("WWWWRWWWW"), qPrintable(text->text()));

        // A new wall drops the touch-ups; the cube is still there.
        setWall(document, {3, 2});
        QVERIFY(made.wait(10'000));
        QVERIFY2(shows("WWWWWWWWW"), qPrintable(text->text()));

        // A wall of one column has no cube 2, 1.
        setWall(document, {1, 2});
        QVERIFY(made.wait(10'000));
        QVERIFY(!card->cube());
        QVERIFY(!text->text().contains(QStringLiteral("Cube 2, 1")));
    }

    // The status line tells the face of the cube under the mouse as the
    // wall has it now, without waiting for the mouse to move.
    void statusFollowsAPaintedCubeUnderTheMouse()
    {
        StudioWindow window(&whiteWall);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        QVERIFY(made.wait(10'000));
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusText"));
        QVERIFY(status);
        const auto shows = [&](const char *face) {
            return status->text().contains(QStringLiteral("Cube 1, 2")) && status->text().contains(QLatin1String(face));
        };
        // The cube solver is made off the window's thread: hover until it is ready.
        QTRY_VERIFY_WITH_TIMEOUT((emit window.wallView().cubeHovered(QPoint(0, 1)), shows("WWWWWWWWW")), 30'000);

        // Cube 1, 2 holds the cells 0 to 2 across and 3 to 5 down: (2, 3) is its top right.
        paintSticker(window.document(), 2, 3, pattern::Sticker::Green);
        QVERIFY2(shows("WWGWWWWWW"), qPrintable(status->text()));
        window.document().undoStack().undo();
        QVERIFY2(shows("WWWWWWWWW"), qPrintable(status->text()));

        // Off the wall the line is left as it is.
        emit window.wallView().cubeHovered(std::nullopt);
        paintSticker(window.document(), 2, 3, pattern::Sticker::Green);
        QVERIFY2(shows("WWWWWWWWW"), qPrintable(status->text()));
    }
};

QTEST_MAIN(StudioWindowCubeCardTest)
#include "studiowindowcubecard_qtest.moc"
