#include "guide/photooptionvalues.h"
#include "studio/settingspanel.h"
#include "studio/studioeditcommand.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

ProjectState optimisedState()
{
    ProjectState state;
    state.recipe.wall = {4, 3};
    return state;
}

ProjectState stateOfWall(pattern::WallSize wall)
{
    ProjectState state;
    state.recipe.wall = wall;
    return state;
}

pattern::WallSize editedWall(const QSignalSpy &edited)
{
    return edited.isEmpty() ? pattern::WallSize{} : edited.last().at(0).value<pattern::PatternRecipe>().wall;
}

} // namespace

Q_DECLARE_METATYPE(tessaly::pattern::WallSize)

class SettingsPanelTest : public QObject
{
    Q_OBJECT

private slots:
    // The turn settings edit the recipe as the others do: each change is the
    // whole recipe, with its own merge key so that spinning is one step.
    void editsTheTurnWeightAndLimit()
    {
        SettingsPanel panel;
        panel.showState(optimisedState(), 4.0 / 3);
        QSignalSpy edited(&panel, &SettingsPanel::settingsEdited);
        auto *weight = panel.findChild<QDoubleSpinBox *>(QStringLiteral("turnWeight"));
        auto *limit = panel.findChild<QCheckBox *>(QStringLiteral("limitTurns"));
        auto *maxTurns = panel.findChild<QSpinBox *>(QStringLiteral("maxTurns"));
        QVERIFY(weight && limit && maxTurns);
        QCOMPARE(weight->value(), pattern::DefaultTurnWeight);
        QVERIFY(!limit->isChecked());

        weight->setValue(2);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.at(0).at(0).value<pattern::PatternRecipe>().turnWeight, 2.0);
        QCOMPARE(edited.at(0).at(3).toInt(), int(TurnWeightEdit));

        limit->click();
        QCOMPARE(edited.size(), 2);
        QCOMPARE(edited.at(1).at(0).value<pattern::PatternRecipe>().maxTurns,
                 std::optional<int>(pattern::MostTurnsAnyFace));
        QCOMPARE(edited.at(1).at(3).toInt(), int(TurnLimitEdit));
    }

    // Showing a state reports nothing, and the turn settings are only for
    // the optimised method.
    void showsTheTurnSettingsOfTheOptimisedMethodOnly()
    {
        SettingsPanel panel;
        QSignalSpy edited(&panel, &SettingsPanel::settingsEdited);
        ProjectState state = optimisedState();
        state.recipe.turnWeight = 0.5;
        state.recipe.maxTurns = 3;
        panel.showState(state, 4.0 / 3);
        auto *weight = panel.findChild<QDoubleSpinBox *>(QStringLiteral("turnWeight"));
        auto *maxTurns = panel.findChild<QSpinBox *>(QStringLiteral("maxTurns"));
        QCOMPARE(weight->value(), 0.5);
        QCOMPARE(maxTurns->value(), 3);
        QVERIFY(weight->isEnabled() && maxTurns->isEnabled());

        state.recipe.method = pattern::Method::Nearest;
        panel.showState(state, 4.0 / 3);
        QVERIFY(!weight->isEnabled() && !maxTurns->isEnabled());
        QCOMPARE(edited.size(), 0);
    }

    // Any wall up to the command line's limit shows as it is, its cube count
    // too, however long a side.
    void showsTheTrueWallSize_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("999 x 665") << 999 << 665;
        QTest::newRow("5000 x 16") << 5000 << 16;
        QTest::newRow("1000 x 1000") << 1000 << 1000;
        QTest::newRow("a row of a million") << 1'000'000 << 1;
        QTest::newRow("a column of a million") << 1 << 1'000'000;
    }

    void showsTheTrueWallSize()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        SettingsPanel panel;
        panel.showState(stateOfWall({columns, rows}), 4.0 / 3);
        QCOMPARE(panel.findChild<QSpinBox *>(QStringLiteral("columns"))->value(), columns);
        QCOMPARE(panel.findChild<QSpinBox *>(QStringLiteral("rows"))->value(), rows);
        QCOMPARE(panel.findChild<QSpinBox *>(QStringLiteral("cubes"))->value(), columns * rows);
    }

    // A side typed long enough to take the wall over the limit is cut back
    // to the longest that fits; a locked wall keeps the picture's shape.
    void keepsATypedWallWithinTheLimit_data()
    {
        QTest::addColumn<pattern::WallSize>("shown");
        QTest::addColumn<double>("lockedAspect"); // 0: unlocked
        QTest::addColumn<bool>("columnsTyped");
        QTest::addColumn<int>("typed");
        QTest::addColumn<pattern::WallSize>("wall");
        QTest::newRow("within") << pattern::WallSize{999, 665} << 0.0 << true << 1000 << pattern::WallSize{1000, 665};
        // 1,000,000 / 665 = 1503.8
        QTest::newRow("columns too many") << pattern::WallSize{1000, 665} << 0.0 << true << 2000
                                          << pattern::WallSize{1503, 665};
        QTest::newRow("rows too many") << pattern::WallSize{5000, 16} << 0.0 << false << 300
                                       << pattern::WallSize{5000, 200};
        QTest::newRow("locked square at the limit") << pattern::WallSize{999, 999} << 1.0 << true << 1000
                                                    << pattern::WallSize{1000, 1000};
        QTest::newRow("locked square past it") << pattern::WallSize{999, 999} << 1.0 << true << 1001
                                               << pattern::WallSize{1000, 1000};
        // 1224 x 816 = 998,784, while 1225 x 817 = 1,000,825.
        QTest::newRow("locked 3:2 columns") << pattern::WallSize{999, 666} << 1.5 << true << 2000
                                            << pattern::WallSize{1224, 816};
        // 817 rows would take 1226 columns, 1,001,642 cubes.
        QTest::newRow("locked 3:2 rows") << pattern::WallSize{999, 666} << 1.5 << false << 1000
                                         << pattern::WallSize{1224, 816};
    }

    void keepsATypedWallWithinTheLimit()
    {
        QFETCH(pattern::WallSize, shown);
        QFETCH(double, lockedAspect);
        QFETCH(bool, columnsTyped);
        QFETCH(int, typed);
        QFETCH(pattern::WallSize, wall);
        SettingsPanel panel;
        panel.showState(stateOfWall(shown), lockedAspect > 0 ? lockedAspect : 4.0 / 3);
        panel.findChild<QCheckBox *>(QStringLiteral("lockRatio"))->setChecked(lockedAspect > 0);
        QSignalSpy edited(&panel, &SettingsPanel::settingsEdited);
        panel.findChild<QSpinBox *>(QLatin1String(columnsTyped ? "columns" : "rows"))->setValue(typed);
        QCOMPARE(editedWall(edited), wall);
    }

    // The count box reaches the limit, and the wall it makes stays within.
    void aCubeBudgetUpToTheLimitMakesAWallWithin()
    {
        SettingsPanel panel;
        ProjectState state = stateOfWall({30, 20});
        state.cubeBudget = 600;
        panel.showState(state, 1.5);
        QSignalSpy edited(&panel, &SettingsPanel::settingsEdited);
        auto *cubes = panel.findChild<QSpinBox *>(QStringLiteral("cubes"));
        cubes->setValue(int(MaxWallCubes));
        QCOMPARE(cubes->value(), int(MaxWallCubes));
        QCOMPARE(edited.last().at(1).toLongLong(), MaxWallCubes);
        const pattern::WallSize wall = editedWall(edited);
        QVERIFY2(wall.cubes() <= MaxWallCubes && wall.cubes() > MaxWallCubes * 99 / 100,
                 qPrintable(QStringLiteral("%1 x %2").arg(wall.columns).arg(wall.rows)));
        QVERIFY(std::abs(double(wall.columns) / wall.rows - 1.5) < 0.01);
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "settingspanel_qtest.moc"
