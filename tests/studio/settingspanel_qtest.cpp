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

} // namespace

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
};

QTEST_MAIN(SettingsPanelTest)
#include "settingspanel_qtest.moc"
