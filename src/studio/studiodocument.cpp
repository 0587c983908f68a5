#include "studio/studiodocument.h"

namespace tessaly::studio {

StudioDocument::StudioDocument(QObject *parent)
    : QObject(parent)
{
}

void StudioDocument::reset(std::shared_ptr<const pattern::SrgbPicture> picture, const QString &picturePath,
                           const QString &pictureSha256, const ProjectState &state)
{
    m_undoStack.clear();
    m_picture = std::move(picture);
    m_picturePath = picturePath;
    m_pictureSha256 = pictureSha256;
    m_projectPath.clear();
    m_state = state;
    m_undoStack.setClean();
    emit documentReset();
}

void StudioDocument::markSaved(const QString &projectPath)
{
    m_projectPath = projectPath;
    m_undoStack.setClean();
}

PatternProject StudioDocument::project() const
{
    return {.picturePath = m_picturePath,
            .pictureSha256 = m_pictureSha256,
            .recipe = m_state.recipe,
            .cubeBudget = m_state.cubeBudget,
            .touchUps = m_state.touchUps,
            .layout = m_state.layout};
}

void StudioDocument::setState(const ProjectState &state)
{
    const bool recipe = state.recipe != m_state.recipe;
    const bool settings = recipe || state.cubeBudget != m_state.cubeBudget;
    const bool touchUps = state.touchUps != m_state.touchUps;
    const bool layout = state.layout != m_state.layout;
    m_state = state;
    if (settings)
        emit settingsChanged();
    if (recipe)
        emit recipeChanged();
    if (touchUps)
        emit touchUpsChanged();
    if (layout)
        emit layoutChanged();
}

} // namespace tessaly::studio
