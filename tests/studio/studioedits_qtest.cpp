#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"

#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

ProjectState startingState()
{
    ProjectState state;
    state.recipe.wall = {4, 3};
    state.touchUps = {{1, 1, pattern::Sticker::Red}};
    return state;
}

void startDocument(StudioDocument &document)
{
    auto picture = std::make_shared<pattern::SrgbPicture>();
    picture->width = 40;
    picture->height = 30;
    picture->rgb.assign(40 * 30 * 3, 128);
    document.reset(picture, QStringLiteral("/p.png"), QString(), startingState());
}

void pushSettings(StudioDocument &document, const pattern::PatternRecipe &recipe, int mergeKey = NoMerge)
{
    document.undoStack().push(new StudioEditCommand(
        document, QStringLiteral("edit"), withSettings(document.state(), recipe, document.state().cubeBudget), mergeKey));
}

} // namespace

class StudioEditsTest : public QObject
{
    Q_OBJECT

private slots:
    // Which changes keep the stickers set by hand: only those that leave the
    // cells where they were.
    void touchUpsFollowTheRules_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("kept");
        QTest::newRow("brightness") << 0 << true;
        QTest::newRow("method") << 1 << true;
        QTest::newRow("palette") << 2 << true;
        QTest::newRow("wall size") << 3 << false;
        QTest::newRow("fit") << 4 << false;
        QTest::newRow("crop") << 5 << false;
        QTest::newRow("turn weight") << 6 << true;
        QTest::newRow("turn limit") << 7 << true;
    }

    void touchUpsFollowTheRules()
    {
        QFETCH(int, change);
        QFETCH(bool, kept);
        StudioDocument document;
        startDocument(document);
        pattern::PatternRecipe recipe = document.state().recipe;
        switch (change) {
        case 0: recipe.adjustments.brightness = 40; break;
        case 1: recipe.method = pattern::Method::Atkinson; break;
        case 2: recipe.palette = pattern::classicPalette(); break;
        case 3: recipe.wall = {5, 3}; break;
        case 4: recipe.fit = pattern::Fit::Stretch; break;
        case 5: recipe.crop = pattern::CropRect{0, 0, 20, 15}; break;
        case 6: recipe.turnWeight = 0.5; break;
        case 7: recipe.maxTurns = 3; break;
        }
        pushSettings(document, recipe);
        QCOMPARE(document.state().recipe, recipe);
        QCOMPARE(document.state().touchUps.size(), std::size_t(kept ? 1 : 0));
        const auto *edit = static_cast<const StudioEditCommand *>(document.undoStack().command(0));
        QCOMPARE(edit->dropsTouchUps(), !kept);
        // Undo brings back the settings and the touch-ups together.
        document.undoStack().undo();
        QCOMPARE(document.state(), startingState());
        document.undoStack().redo();
        QCOMPARE(document.state().recipe, recipe);
    }

    void aDraggedSliderIsOneStep()
    {
        StudioDocument document;
        startDocument(document);
        pattern::PatternRecipe recipe = document.state().recipe;
        for (int brightness = 1; brightness <= 30; ++brightness) {
            recipe.adjustments.brightness = brightness;
            pushSettings(document, recipe, BrightnessEdit);
        }
        recipe.adjustments.contrast = -10; // another slider: a step of its own
        pushSettings(document, recipe, ContrastEdit);
        QCOMPARE(document.undoStack().count(), 2);
        document.undoStack().undo();
        QCOMPARE(document.state().recipe.adjustments.brightness, 30);
        QCOMPARE(document.state().recipe.adjustments.contrast, 0);
        document.undoStack().undo();
        QCOMPARE(document.state(), startingState());
        QVERIFY(!document.isModified());
    }

    void aPaintStrokeIsOneStepAndKeepsOneStickerACell()
    {
        StudioDocument document;
        startDocument(document);
        const auto paint = [&](int x, int y, pattern::Sticker sticker, int stroke) {
            ProjectState after = document.state();
            after.touchUps = withTouchUp(after.touchUps, {x, y, sticker});
            document.undoStack().push(new StudioEditCommand(document, QStringLiteral("paint"), after, stroke));
        };
        paint(0, 0, pattern::Sticker::Blue, FirstStroke);
        paint(1, 0, pattern::Sticker::Blue, FirstStroke);
        paint(1, 1, pattern::Sticker::Blue, FirstStroke); // over the red one
        paint(2, 2, pattern::Sticker::Green, FirstStroke + 1);
        QCOMPARE(document.undoStack().count(), 2);
        const std::vector<TouchUp> afterFirstStroke{
            {1, 1, pattern::Sticker::Blue}, {0, 0, pattern::Sticker::Blue}, {1, 0, pattern::Sticker::Blue}};
        document.undoStack().undo();
        QCOMPARE(document.state().touchUps, afterFirstStroke);
        document.undoStack().undo();
        QCOMPARE(document.state().touchUps, startingState().touchUps);
        document.undoStack().redo();
        QCOMPARE(document.state().touchUps, afterFirstStroke);
    }

    // The guide's layout is a setting of its own: undoable, kept by the
    // pattern's settings and the touch-ups, saved with the project, and
    // never a reason to make the pattern again.
    void theGuideLayoutIsAnUndoableSettingOfItsOwn()
    {
        StudioDocument document;
        startDocument(document);
        int settingsSignals = 0;
        int layoutSignals = 0;
        connect(&document, &StudioDocument::settingsChanged, this, [&] { ++settingsSignals; });
        connect(&document, &StudioDocument::layoutChanged, this, [&] { ++layoutSignals; });
        ProjectState planned = document.state();
        planned.layout.plan.order = BuildOrder::BottomUp;
        planned.layout.plan.panel = CubeExtent{2, 2};
        document.undoStack().push(new StudioEditCommand(document, QStringLiteral("panels"), planned));
        QCOMPARE(layoutSignals, 1);
        QCOMPARE(settingsSignals, 0);

        pattern::PatternRecipe recipe = document.state().recipe;
        recipe.wall = {8, 6}; // drops the touch-ups, not the layout
        pushSettings(document, recipe);
        QCOMPARE(document.state().layout, planned.layout);
        QCOMPARE(document.project().layout, planned.layout);

        document.undoStack().undo();
        document.undoStack().undo();
        QCOMPARE(document.state(), startingState());
        QCOMPARE(layoutSignals, 2);
    }

    void saysWhatChanged()
    {
        StudioDocument document;
        startDocument(document);
        int settingsSignals = 0;
        int recipeSignals = 0;
        int touchUpSignals = 0;
        connect(&document, &StudioDocument::settingsChanged, this, [&] { ++settingsSignals; });
        connect(&document, &StudioDocument::recipeChanged, this, [&] { ++recipeSignals; });
        connect(&document, &StudioDocument::touchUpsChanged, this, [&] { ++touchUpSignals; });
        pattern::PatternRecipe recipe = document.state().recipe;
        recipe.method = pattern::Method::Nearest;
        pushSettings(document, recipe);
        QCOMPARE(settingsSignals, 1);
        QCOMPARE(recipeSignals, 1);
        QCOMPARE(touchUpSignals, 0);
        // A cube budget that gives the same wall changes no pattern.
        document.undoStack().push(new StudioEditCommand(document, QStringLiteral("budget"),
                                                        withSettings(document.state(), recipe, 12), NoMerge));
        QCOMPARE(settingsSignals, 2);
        QCOMPARE(recipeSignals, 1);
        recipe.wall = {8, 6};
        pushSettings(document, recipe); // clears the touch-ups too
        QCOMPARE(settingsSignals, 3);
        QCOMPARE(recipeSignals, 2);
        QCOMPARE(touchUpSignals, 1);
        QVERIFY(document.isModified());
        document.markSaved(QStringLiteral("/w.tessaly"));
        QVERIFY(!document.isModified());
        QCOMPARE(document.project().touchUps.size(), std::size_t(0));
        QCOMPARE(document.project().recipe.wall, (pattern::WallSize{8, 6}));
    }
};

QTEST_GUILESS_MAIN(StudioEditsTest)
#include "studioedits_qtest.moc"
