#pragma once

#include "guide/guidelayout.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace tessaly::studio {

// How the exported guide is printed and planned: its page size, the order
// of the blocks, panels for teams and transport, and the builders' pace
// for the time estimates. Every change the user makes is reported as the
// whole new layout; showing a layout reports nothing.
class GuideLayoutPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GuideLayoutPanel(QWidget *parent = nullptr);

    void showLayout(const GuideLayout &layout);

signals:
    // The user changed a setting: the layout it makes, what changed (for
    // the undo list) and how it merges with the edit before.
    void layoutEdited(const tessaly::GuideLayout &layout, const QString &what, int mergeKey);

private:
    void editPanel();

    GuideLayout m_layout;
    QComboBox *m_pageSize = nullptr;
    QComboBox *m_order = nullptr;
    QCheckBox *m_usePanels = nullptr;
    QSpinBox *m_panelColumns = nullptr;
    QSpinBox *m_panelRows = nullptr;
    QDoubleSpinBox *m_secondsPerTurn = nullptr;
    QDoubleSpinBox *m_secondsPerCube = nullptr;
};

} // namespace tessaly::studio
