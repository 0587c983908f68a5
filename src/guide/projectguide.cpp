#include "guide/projectguide.h"

#include "guide/guidebuilder.h"
#include "guide/photopalette.h"
#include "pattern/likeness.h"
#include "pattern/pictureintake.h"

#include <QDir>
#include <QFileInfo>

namespace tessaly {

namespace {

ProjectPattern refused(const QString &error)
{
    ProjectPattern refusal;
    refusal.error = error;
    return refusal;
}

} // namespace

ProjectGuide projectGuide(const PatternProject &project, const pattern::PhotoPattern &made)
{
    const pattern::PatternRecipe &recipe = project.recipe;
    ProjectGuide result{made.stickers, {}};
    applyTouchUps(result.stickers, project.touchUps, recipe.palette);

    PhotoFacts facts;
    facts.method = recipe.method;
    if (recipe.method == pattern::Method::Optimised) {
        facts.turnWeight = recipe.turnWeight;
        facts.maxTurns = recipe.maxTurns;
    }
    facts.palette = recipe.palette;
    facts.cubeColours = cubeColoursOf(recipe.palette);
    facts.adjustments = recipe.adjustments;
    facts.wall = recipe.wall;
    // Stickers set by hand change how like the picture the wall is.
    facts.likeness = result.stickers == made.stickers
                         ? made.likeness
                         : pattern::likeness(made.target, result.stickers, recipe.palette).sde;
    result.guide = buildGuide(result.stickers);
    result.guide.photo = std::move(facts);
    return result;
}

ProjectPattern makeProjectPattern(const PatternProject &project, const pattern::PatternProgress &progress)
{
    const QString shown = QDir::toNativeSeparators(project.picturePath);
    if (!QFileInfo::exists(project.picturePath))
        return refused(QStringLiteral("the project's picture \"%1\" is not there: was it or the project moved?")
                           .arg(shown));
    const QString sha256 = fileSha256(project.picturePath);
    if (sha256 != project.pictureSha256)
        return refused(QStringLiteral("the picture \"%1\" is not the one the project was made from: its SHA-256 is "
                                      "%2, the project's %3")
                           .arg(shown, sha256, project.pictureSha256));
    pattern::PictureIntake intake = pattern::loadPatternPicture(project.picturePath.toUtf8().toStdString());
    if (intake.picture.isNull())
        return refused(QStringLiteral("cannot use the project's picture \"%1\": %2")
                           .arg(shown, QString::fromStdString(intake.error)));
    pattern::PhotoPatternResult result = pattern::makePhotoPattern(intake.picture, project.recipe, progress);
    ProjectPattern made;
    made.interrupted = result.cancelled;
    if (!result.pattern && !result.cancelled)
        made.error = QStringLiteral("cannot make the project's pattern: %1").arg(QString::fromStdString(result.error));
    made.pattern = std::move(result.pattern);
    return made;
}

} // namespace tessaly
