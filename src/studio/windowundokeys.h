#pragma once

#include <QObject>

class QWidget;

namespace tessaly::studio {

// Lets the window's Undo and Redo keys through a panel's spin boxes and
// line edits, which would otherwise take them for their own text: the
// panel's edits are the document's, undone on its undo stack. A line edit
// of its own (not a spin box's) keeps them while it has typing to undo.
class WindowUndoKeys : public QObject
{
public:
    // Filters the spin boxes and line edits the panel has now; a child of
    // the panel.
    explicit WindowUndoKeys(QWidget &panel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tessaly::studio
