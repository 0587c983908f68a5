#pragma once

#include "pattern/picture.h"
#include "studio/projectstate.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>

namespace tessaly::studio {

// The pattern being worked on: its picture, the recipe and the touch-ups,
// and the undo stack of the edits made to them. Edits go through
// StudioEditCommand so that each is one undoable step.
class StudioDocument : public QObject
{
    Q_OBJECT

public:
    explicit StudioDocument(QObject *parent = nullptr);

    const ProjectState &state() const { return m_state; }
    const std::shared_ptr<const pattern::SrgbPicture> &picture() const { return m_picture; }
    const QString &picturePath() const { return m_picturePath; }
    // The project file it was last saved to or opened from; empty for none.
    const QString &projectPath() const { return m_projectPath; }
    QUndoStack &undoStack() { return m_undoStack; }
    // Whether there are edits since it was last saved or opened.
    bool isModified() const { return !m_undoStack.isClean(); }

    // Starts anew with this picture and state, forgetting every edit.
    void reset(std::shared_ptr<const pattern::SrgbPicture> picture, const QString &picturePath,
               const QString &pictureSha256, const ProjectState &state);
    // Marks the document saved to (or opened from) the project file.
    void markSaved(const QString &projectPath);
    // The project as it would be saved.
    PatternProject project() const;

    // For StudioEditCommand only: puts a state in place.
    void setState(const ProjectState &state);

signals:
    // The recipe or the budget changed (touch-ups may have changed too).
    void settingsChanged();
    // The recipe changed, and with it the pattern (after settingsChanged).
    void recipeChanged();
    // The touch-ups changed.
    void touchUpsChanged();
    // The guide's layout changed.
    void layoutChanged();
    // A new picture or project was put in place.
    void documentReset();

private:
    std::shared_ptr<const pattern::SrgbPicture> m_picture;
    QString m_picturePath;
    QString m_pictureSha256;
    QString m_projectPath;
    ProjectState m_state;
    QUndoStack m_undoStack;
};

} // namespace tessaly::studio
