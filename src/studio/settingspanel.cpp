#include "studio/settingspanel.h"

#include "guide/photooptionvalues.h"
#include "pattern/framing.h"
#include "studio/paletteeditor.h"
#include "studio/studioeditcommand.h"
#include "studio/walllimits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>


namespace tessaly::studio {

namespace {

enum Preset { StandardPreset, ClassicPreset, CustomPreset };

} // namespace

SettingsPanel::SettingsPanel(QWidget *parent)
    : QWidget(parent)
{
    m_form = new QFormLayout(this);

    m_bySize = new QRadioButton(tr("Columns × rows"));
    m_byBudget = new QRadioButton(tr("About this many cubes"));
    m_columns = new QSpinBox;
    m_rows = new QSpinBox;
    m_columns->setObjectName(QStringLiteral("columns"));
    m_rows->setObjectName(QStringLiteral("rows"));
    // A side may be as long as the whole limit, for a wall of one row or
    // column; editWall keeps columns x rows within it.
    const QString limit = tr("A wall has at most %L1 cubes.").arg(MaxWallCubes);
    for (QSpinBox *box : {m_columns, m_rows}) {
        box->setRange(1, int(MaxWallCubes));
        box->setToolTip(limit);
    }
    m_lockRatio = new QCheckBox(tr("Keep the picture's shape"));
    m_lockRatio->setObjectName(QStringLiteral("lockRatio"));
    m_lockRatio->setChecked(true);
    m_budget = new QSpinBox;
    m_budget->setObjectName(QStringLiteral("cubes"));
    m_budget->setRange(1, int(MaxWallCubes));
    m_budget->setToolTip(limit);
    m_budget->setSingleStep(50);
    m_budget->setSuffix(tr(" cubes"));

    auto *size = new QHBoxLayout;
    size->addWidget(m_columns);
    size->addWidget(new QLabel(QStringLiteral("×")));
    size->addWidget(m_rows);
    m_form->addRow(tr("Wall size:"), m_bySize);
    m_form->addRow(QString(), size);
    m_form->addRow(QString(), m_lockRatio);
    m_form->addRow(QString(), m_byBudget);
    m_form->addRow(QString(), m_budget);

    m_fit = new QComboBox;
    m_fit->addItem(tr("Crop to the wall"), int(pattern::Fit::Crop));
    m_fit->addItem(tr("Pad with white"), int(pattern::Fit::Pad));
    m_fit->addItem(tr("Stretch"), int(pattern::Fit::Stretch));
    m_form->addRow(tr("Fit:"), m_fit);

    m_method = new QComboBox;
    m_method->addItem(tr("Optimised"), int(pattern::Method::Optimised));
    m_method->addItem(tr("Nearest colour"), int(pattern::Method::Nearest));
    m_method->addItem(tr("Ordered dithering"), int(pattern::Method::Ordered));
    m_method->addItem(tr("Error diffusion"), int(pattern::Method::Diffusion));
    m_method->addItem(tr("Atkinson"), int(pattern::Method::Atkinson));
    m_form->addRow(tr("Method:"), m_method);
    addTurnSettings();

    m_palette = new QComboBox;
    m_palette->addItem(tr("Standard"));
    m_palette->addItem(tr("Classic"));
    m_palette->addItem(tr("Custom"));
    auto *editPaletteButton = new QPushButton(tr("Edit…"));
    auto *paletteRow = new QHBoxLayout;
    paletteRow->addWidget(m_palette, 1);
    paletteRow->addWidget(editPaletteButton);
    m_form->addRow(tr("Colours:"), paletteRow);

    m_brightness = addSlider(tr("Brightness:"), BrightnessEdit, &pattern::Adjustments::brightness);
    m_contrast = addSlider(tr("Contrast:"), ContrastEdit, &pattern::Adjustments::contrast);
    m_saturation = addSlider(tr("Saturation:"), SaturationEdit, &pattern::Adjustments::saturation);
    m_autoLevels = new QCheckBox(tr("Stretch lightness to the colours"));
    m_form->addRow(tr("Auto levels:"), m_autoLevels);

    connect(m_bySize, &QRadioButton::clicked, this, [this] { editWall(true); });
    connect(m_byBudget, &QRadioButton::clicked, this, &SettingsPanel::editBudget);
    connect(m_columns, &QSpinBox::valueChanged, this, [this] { editWall(true); });
    connect(m_rows, &QSpinBox::valueChanged, this, [this] { editWall(false); });
    connect(m_lockRatio, &QCheckBox::toggled, this, [this](bool locked) {
        if (locked)
            editWall(true);
    });
    connect(m_budget, &QSpinBox::valueChanged, this, &SettingsPanel::editBudget);
    connect(m_fit, &QComboBox::activated, this, [this] {
        pattern::PatternRecipe recipe = m_state.recipe;
        recipe.fit = pattern::Fit(m_fit->currentData().toInt());
        edit(recipe, m_state.cubeBudget, tr("Fit"), NoMerge);
    });
    connect(m_method, &QComboBox::activated, this, [this] {
        pattern::PatternRecipe recipe = m_state.recipe;
        recipe.method = pattern::Method(m_method->currentData().toInt());
        edit(recipe, m_state.cubeBudget, tr("Method"), NoMerge);
    });
    connect(m_palette, &QComboBox::activated, this, &SettingsPanel::editPalette);
    connect(editPaletteButton, &QPushButton::clicked, this, &SettingsPanel::openPaletteEditor);
    connect(m_autoLevels, &QCheckBox::clicked, this, [this](bool on) {
        pattern::PatternRecipe recipe = m_state.recipe;
        recipe.adjustments.autoLevels = on;
        edit(recipe, m_state.cubeBudget, tr("Auto levels"), NoMerge);
    });
}

void SettingsPanel::addTurnSettings()
{
    m_turnWeight = new QDoubleSpinBox;
    m_turnWeight->setObjectName(QStringLiteral("turnWeight"));
    m_turnWeight->setRange(0, MaxTurnWeight);
    m_turnWeight->setDecimals(1);
    m_turnWeight->setSingleStep(0.5);
    m_turnWeight->setToolTip(tr("How much likeness a turn saved is worth: 0 for the likeness alone, more for "
                                "cubes that are quicker to twist (default %L1)")
                                 .arg(pattern::DefaultTurnWeight, 0, 'f', 1));
    auto *defaultWeight = new QPushButton(tr("Default"));
    auto *weightRow = new QHBoxLayout;
    weightRow->addWidget(m_turnWeight, 1);
    weightRow->addWidget(defaultWeight);
    m_form->addRow(tr("Turn weight:"), weightRow);

    m_limitTurns = new QCheckBox(tr("At most"));
    m_limitTurns->setObjectName(QStringLiteral("limitTurns"));
    m_maxTurns = new QSpinBox;
    m_maxTurns->setObjectName(QStringLiteral("maxTurns"));
    m_maxTurns->setRange(0, pattern::MostTurnsAnyFace);
    m_maxTurns->setValue(pattern::MostTurnsAnyFace);
    m_maxTurns->setSuffix(tr(" turns a cube"));
    auto *limitRow = new QHBoxLayout;
    limitRow->addWidget(m_limitTurns);
    limitRow->addWidget(m_maxTurns, 1);
    m_form->addRow(tr("Turn limit:"), limitRow);

    connect(m_turnWeight, &QDoubleSpinBox::valueChanged, this, [this](double weight) {
        pattern::PatternRecipe recipe = m_state.recipe;
        recipe.turnWeight = weight;
        edit(recipe, m_state.cubeBudget, tr("Turn weight"), TurnWeightEdit);
    });
    connect(defaultWeight, &QPushButton::clicked, this, [this] { m_turnWeight->setValue(pattern::DefaultTurnWeight); });
    connect(m_limitTurns, &QCheckBox::clicked, this, &SettingsPanel::editTurnLimit);
    connect(m_maxTurns, &QSpinBox::valueChanged, this, &SettingsPanel::editTurnLimit);
}

void SettingsPanel::editTurnLimit()
{
    pattern::PatternRecipe recipe = m_state.recipe;
    recipe.maxTurns = m_limitTurns->isChecked() ? std::optional<int>(m_maxTurns->value()) : std::nullopt;
    edit(recipe, m_state.cubeBudget, tr("Turn limit"), TurnLimitEdit);
}

QSlider *SettingsPanel::addSlider(const QString &name, int mergeKey, int pattern::Adjustments::*value)
{
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(-100, 100);
    slider->setPageStep(10);
    auto *shown = new QLabel(QStringLiteral("0"));
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(shown);
    m_form->addRow(name, row);
    connect(slider, &QSlider::valueChanged, shown, qOverload<int>(&QLabel::setNum));
    connect(slider, &QSlider::valueChanged, this, [this, name, mergeKey, value](int number) {
        pattern::PatternRecipe recipe = m_state.recipe;
        recipe.adjustments.*value = number;
        QString what = name;
        what.remove(QLatin1Char(':'));
        edit(recipe, m_state.cubeBudget, what, mergeKey);
    });
    return slider;
}

void SettingsPanel::showState(const ProjectState &state, double aspect)
{
    m_state = state;
    m_aspect = aspect > 0 ? aspect : 1;
    const std::vector<QWidget *> widgets{m_bySize,     m_byBudget,   m_columns,  m_rows,    m_lockRatio,
                                         m_budget,     m_fit,        m_method,   m_palette, m_turnWeight,
                                         m_limitTurns, m_maxTurns,   m_brightness, m_contrast, m_saturation,
                                         m_autoLevels};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget *widget : widgets)
        blockers.push_back(std::make_unique<QSignalBlocker>(widget));

    const pattern::PatternRecipe &recipe = state.recipe;
    const bool budgeted = state.cubeBudget > 0;
    m_bySize->setChecked(!budgeted);
    m_byBudget->setChecked(budgeted);
    m_columns->setValue(recipe.wall.columns);
    m_rows->setValue(recipe.wall.rows);
    m_budget->setValue(int(budgeted ? state.cubeBudget : recipe.wall.cubes()));
    for (QWidget *widget : {static_cast<QWidget *>(m_columns), static_cast<QWidget *>(m_rows),
                            static_cast<QWidget *>(m_lockRatio)})
        widget->setEnabled(!budgeted);
    m_budget->setEnabled(budgeted);
    m_fit->setCurrentIndex(m_fit->findData(int(recipe.fit)));
    m_method->setCurrentIndex(m_method->findData(int(recipe.method)));
    // The other methods do not weigh turns.
    const bool optimised = recipe.method == pattern::Method::Optimised;
    m_turnWeight->setValue(recipe.turnWeight);
    m_limitTurns->setChecked(recipe.maxTurns.has_value());
    if (recipe.maxTurns)
        m_maxTurns->setValue(*recipe.maxTurns);
    m_turnWeight->setEnabled(optimised);
    m_limitTurns->setEnabled(optimised);
    m_maxTurns->setEnabled(optimised && recipe.maxTurns.has_value());
    m_palette->setCurrentIndex(recipe.palette == pattern::standardPalette() ? StandardPreset
                               : recipe.palette == pattern::classicPalette() ? ClassicPreset
                                                                             : CustomPreset);
    m_brightness->setValue(recipe.adjustments.brightness);
    m_contrast->setValue(recipe.adjustments.contrast);
    m_saturation->setValue(recipe.adjustments.saturation);
    m_autoLevels->setChecked(recipe.adjustments.autoLevels);
}

void SettingsPanel::editWall(bool columnsTyped)
{
    pattern::PatternRecipe recipe = m_state.recipe;
    // Cubes are square: a locked wall's columns : rows is the picture's aspect.
    recipe.wall = typedWallWithinLimit({m_columns->value(), m_rows->value()},
                                       columnsTyped ? WallSide::Columns : WallSide::Rows,
                                       m_lockRatio->isChecked() ? std::optional<double>(m_aspect) : std::nullopt);
    edit(recipe, 0, tr("Wall size"), WallEdit);
}

void SettingsPanel::editBudget()
{
    pattern::PatternRecipe recipe = m_state.recipe;
    const long long budget = m_budget->value();
    recipe.wall = pattern::wallForCubesWithinLimit(budget, m_aspect);
    edit(recipe, budget, tr("Wall size"), WallEdit);
}

void SettingsPanel::editPalette(int preset)
{
    pattern::PatternRecipe recipe = m_state.recipe;
    if (preset == StandardPreset)
        recipe.palette = pattern::standardPalette();
    else if (preset == ClassicPreset)
        recipe.palette = pattern::classicPalette();
    else
        return openPaletteEditor();
    edit(recipe, m_state.cubeBudget, tr("Colours"), NoMerge);
}

void SettingsPanel::openPaletteEditor()
{
    PaletteEditor editor(m_state.recipe.palette, this);
    if (editor.exec() != QDialog::Accepted) {
        showState(m_state, m_aspect);
        return;
    }
    pattern::PatternRecipe recipe = m_state.recipe;
    recipe.palette = editor.palette();
    edit(recipe, m_state.cubeBudget, tr("Colours"), NoMerge);
}

void SettingsPanel::edit(const pattern::PatternRecipe &recipe, long long cubeBudget, const QString &what, int mergeKey)
{
    if (recipe == m_state.recipe && cubeBudget == m_state.cubeBudget) {
        showState(m_state, m_aspect);
        return;
    }
    emit settingsEdited(recipe, cubeBudget, what, mergeKey);
}

} // namespace tessaly::studio
