#pragma once

#include "studio/projectstate.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QSlider;
class QSpinBox;
class QRadioButton;

namespace tessaly::studio {

// The recipe's settings: the wall's size (columns x rows, their ratio
// locked to the picture's if asked, or a cube budget), fit, method,
// palette, the optimised method's turn weight and turn limit, and the
// adjustments. Every change the user makes is reported as
// the whole new recipe; showing a state reports nothing.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    // Shows the state; aspect is the framed picture's width / height, which
    // locked sizes and budgets keep.
    void showState(const ProjectState &state, double aspect);

signals:
    // The user changed a setting: the recipe and budget it makes, what
    // changed (for the undo list) and how it merges with the edit before.
    void settingsEdited(const tessaly::pattern::PatternRecipe &recipe, long long cubeBudget, const QString &what,
                        int mergeKey);

private:
    void editWall(bool columnsTyped);
    void editBudget();
    void editPalette(int preset);
    void openPaletteEditor();
    void addTurnSettings();
    void editTurnLimit();
    void edit(const pattern::PatternRecipe &recipe, long long cubeBudget, const QString &what, int mergeKey);
    QSlider *addSlider(const QString &name, int mergeKey, int pattern::Adjustments::*value);

    ProjectState m_state;
    double m_aspect = 1;
    QRadioButton *m_bySize = nullptr;
    QRadioButton *m_byBudget = nullptr;
    QSpinBox *m_columns = nullptr;
    QSpinBox *m_rows = nullptr;
    QCheckBox *m_lockRatio = nullptr;
    QSpinBox *m_budget = nullptr;
    QComboBox *m_fit = nullptr;
    QComboBox *m_method = nullptr;
    QComboBox *m_palette = nullptr;
    QDoubleSpinBox *m_turnWeight = nullptr;
    QCheckBox *m_limitTurns = nullptr;
    QSpinBox *m_maxTurns = nullptr;
    QSlider *m_brightness = nullptr;
    QSlider *m_contrast = nullptr;
    QSlider *m_saturation = nullptr;
    QCheckBox *m_autoLevels = nullptr;
    QFormLayout *m_form = nullptr;
};

} // namespace tessaly::studio
