#include "studio/guidelayoutpanel.h"

#include "studio/studioeditcommand.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tessaly::studio {

namespace {

constexpr int MaxPanelSide = 1000; // cubes
// A new panel's size: about what two people carry, as builders often cut walls.
constexpr CubeExtent StartingPanel{20, 15};

QDoubleSpinBox *secondsBox(const QString &toolTip)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(0, BuildPace::MaxSeconds);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QCoreApplication::translate("tessaly::studio::GuideLayoutPanel", " s"));
    box->setToolTip(toolTip);
    return box;
}

} // namespace

GuideLayoutPanel::GuideLayoutPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *form = new QFormLayout(this);

    m_pageSize = new QComboBox;
    m_pageSize->addItem(QStringLiteral("A4"), int(QPageSize::A4));
    m_pageSize->addItem(tr("Letter"), int(QPageSize::Letter));
    form->addRow(tr("Page size:"), m_pageSize);

    m_order = new QComboBox;
    m_order->addItem(tr("Top row first"), int(BuildOrder::TopDown));
    m_order->addItem(tr("Bottom row first"), int(BuildOrder::BottomUp));
    m_order->setToolTip(tr("The order of the block pages: bottom row first for a wall built upright from the floor"));
    form->addRow(tr("Blocks:"), m_order);

    m_usePanels = new QCheckBox(tr("Panels of at most"));
    m_usePanels->setToolTip(tr("Cut the wall into panels, each with its own section in the guide, for teams and "
                               "transport"));
    m_panelColumns = new QSpinBox;
    m_panelRows = new QSpinBox;
    for (QSpinBox *box : {m_panelColumns, m_panelRows})
        box->setRange(1, MaxPanelSide);
    auto *panelSize = new QHBoxLayout;
    panelSize->addWidget(m_panelColumns);
    panelSize->addWidget(new QLabel(QStringLiteral("×")));
    panelSize->addWidget(m_panelRows);
    form->addRow(tr("Panels:"), m_usePanels);
    form->addRow(QString(), panelSize);

    m_secondsPerTurn = secondsBox(tr("Seconds a builder takes for one turn, for the time estimates"));
    m_secondsPerCube = secondsBox(tr("Seconds to pick, check and mount one cube"));
    form->addRow(tr("Each turn:"), m_secondsPerTurn);
    form->addRow(tr("Each cube:"), m_secondsPerCube);

    connect(m_pageSize, &QComboBox::activated, this, [this] {
        GuideLayout layout = m_layout;
        layout.pageSize = QPageSize(QPageSize::PageSizeId(m_pageSize->currentData().toInt()));
        emit layoutEdited(layout, tr("Page size"), NoMerge);
    });
    connect(m_order, &QComboBox::activated, this, [this] {
        GuideLayout layout = m_layout;
        layout.plan.order = BuildOrder(m_order->currentData().toInt());
        emit layoutEdited(layout, tr("Block order"), NoMerge);
    });
    connect(m_usePanels, &QCheckBox::clicked, this, &GuideLayoutPanel::editPanel);
    connect(m_panelColumns, &QSpinBox::valueChanged, this, &GuideLayoutPanel::editPanel);
    connect(m_panelRows, &QSpinBox::valueChanged, this, &GuideLayoutPanel::editPanel);
    connect(m_secondsPerTurn, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        GuideLayout layout = m_layout;
        layout.plan.pace.secondsPerTurn = seconds;
        emit layoutEdited(layout, tr("Seconds per turn"), SecondsPerTurnEdit);
    });
    connect(m_secondsPerCube, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        GuideLayout layout = m_layout;
        layout.plan.pace.secondsPerCube = seconds;
        emit layoutEdited(layout, tr("Seconds per cube"), SecondsPerCubeEdit);
    });
    showLayout(m_layout);
}

void GuideLayoutPanel::showLayout(const GuideLayout &layout)
{
    m_layout = layout;
    const QSignalBlocker blockers[] = {QSignalBlocker(m_pageSize), QSignalBlocker(m_order), QSignalBlocker(m_usePanels),
                                       QSignalBlocker(m_panelColumns), QSignalBlocker(m_panelRows),
                                       QSignalBlocker(m_secondsPerTurn), QSignalBlocker(m_secondsPerCube)};
    m_pageSize->setCurrentIndex(m_pageSize->findData(int(layout.pageSize.id() == QPageSize::Letter ? QPageSize::Letter
                                                                                                     : QPageSize::A4)));
    m_order->setCurrentIndex(m_order->findData(int(layout.plan.order)));
    m_usePanels->setChecked(layout.plan.panel.has_value());
    const CubeExtent panel = layout.plan.panel.value_or(StartingPanel);
    m_panelColumns->setValue(panel.columns);
    m_panelRows->setValue(panel.rows);
    m_panelColumns->setEnabled(layout.plan.panel.has_value());
    m_panelRows->setEnabled(layout.plan.panel.has_value());
    m_secondsPerTurn->setValue(layout.plan.pace.secondsPerTurn);
    m_secondsPerCube->setValue(layout.plan.pace.secondsPerCube);
}

void GuideLayoutPanel::editPanel()
{
    GuideLayout layout = m_layout;
    if (m_usePanels->isChecked())
        layout.plan.panel = CubeExtent{m_panelColumns->value(), m_panelRows->value()};
    else
        layout.plan.panel.reset();
    emit layoutEdited(layout, tr("Panels"), m_usePanels->isChecked() == m_layout.plan.panel.has_value() ? PanelEdit : NoMerge);
}

} // namespace tessaly::studio
