#include "studio/windowundokeys.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tessaly::studio {

namespace {

bool isUndoOrRedo(const QKeyEvent &key)
{
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo);
}

// Whether the editor has typing of its own that the key would undo or redo.
bool editorWantsKey(const QObject &editor, const QKeyEvent &key)
{
    const auto *line = qobject_cast<const QLineEdit *>(&editor);
    if (!line)
        return false; // a spin box's value is committed as it changes
    return key.matches(QKeySequence::Undo) ? line->isUndoAvailable() : line->isRedoAvailable();
}

} // namespace

WindowUndoKeys::WindowUndoKeys(QWidget &panel)
    : QObject(&panel)
{
    for (QAbstractSpinBox *box : panel.findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
    for (QLineEdit *line : panel.findChildren<QLineEdit *>()) {
        if (!qobject_cast<QAbstractSpinBox *>(line->parent()))
            line->installEventFilter(this);
    }
}

bool WindowUndoKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (!isUndoOrRedo(key) || editorWantsKey(*watched, key))
        return false;
    // Not accepted, so the shortcut goes to the window's actions.
    event->ignore();
    return true;
}

} // namespace tessaly::studio
