#pragma once

#include "studio/projectstate.h"

#include <QUndoCommand>

namespace tessaly::studio {

class StudioDocument;

// The merge keys of edits that come in a stream; each paint stroke takes
// its own key from FirstStroke up.
enum EditMergeKey : int {
    NoMerge = 0,
    BrightnessEdit,
    ContrastEdit,
    SaturationEdit,
    WallEdit,
    CropEdit,
    TurnWeightEdit,
    TurnLimitEdit,
    PanelEdit,
    SecondsPerTurnEdit,
    SecondsPerCubeEdit,
    FirstStroke = 1000,
};

// One edit of the document's settings or touch-ups, from the state it had
// to the state given. Edits with the same merge key that follow each other
// (a slider being dragged, one paint stroke) merge into one step; a key of
// 0 never merges.
class StudioEditCommand : public QUndoCommand
{
public:
    StudioEditCommand(StudioDocument &document, const QString &text, ProjectState after, int mergeKey = 0);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeKey == 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override;

    // Whether the edit drops touch-ups that the state before it had.
    bool dropsTouchUps() const;

private:
    StudioDocument &m_document;
    ProjectState m_before;
    ProjectState m_after;
    int m_mergeKey;
};

} // namespace tessaly::studio
