#include "studio/studioeditcommand.h"

#include "studio/studiodocument.h"

namespace tessaly::studio {

StudioEditCommand::StudioEditCommand(StudioDocument &document, const QString &text, ProjectState after, int mergeKey)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(document.state())
    , m_after(std::move(after))
    , m_mergeKey(mergeKey)
{
}

void StudioEditCommand::undo()
{
    m_document.setState(m_before);
}

void StudioEditCommand::redo()
{
    m_document.setState(m_after);
}

bool StudioEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *edit = static_cast<const StudioEditCommand *>(other);
    if (edit->m_mergeKey != m_mergeKey)
        return false;
    m_after = edit->m_after;
    return true;
}

bool StudioEditCommand::dropsTouchUps() const
{
    return !m_before.touchUps.empty() && m_after.touchUps.empty();
}

} // namespace tessaly::studio
