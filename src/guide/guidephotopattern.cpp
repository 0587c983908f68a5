#include "guide/guidephotopattern.h"

#include "guide/photofactstext.h"
#include "guide/photooptionvalues.h"
#include "guide/photopalette.h"
#include "guide/photorecipe.h"
#include "guide/progressbar.h"
#include "guide/stickermapimage.h"
#include "pattern/photopattern.h"
#include "pattern/pictureintake.h"
#include "pattern/qtpicture.h"
#include "pattern/stickermap.h"
#include "tessalyresources.h"

#include <QDir>

namespace tessaly {

namespace {

GuidePhotoPattern refused(const QString &error)
{
    GuidePhotoPattern refusal;
    refusal.error = error;
    return refusal;
}

struct LoadedPhoto
{
    pattern::SrgbPicture picture;
    QString error;
};

LoadedPhoto loadPhoto(const QString &path, pattern::EmbeddedColourSpace colourSpace)
{
    if (path.isEmpty())
        return {pattern::srgbPictureOf(Resources::samplePicture()), {}};
    pattern::PictureIntake intake = pattern::loadPatternPicture(path.toUtf8().toStdString(), colourSpace);
    if (intake.picture.isNull())
        return {{}, QStringLiteral("cannot use the picture \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(intake.error))};
    return {std::move(intake.picture), {}};
}

// The sticker map read as it is: its size is the wall.
GuidePhotoPattern readStickerMap(const QString &path, const pattern::SrgbPicture &picture,
                                 const PhotoSettings &settings, GuidePhotoPattern made)
{
    const QString shown = QDir::toNativeSeparators(path);
    pattern::StickerMapReading reading = pattern::readStickerMap(pixelGridOf(picture), made.facts.palette);
    if (!reading.stickers) {
        // The commonest cause: a map made with other colours read with the standard ones.
        const QString hint = settings.palette == PhotoSettings().palette
                                 ? QStringLiteral(" (a map made with --palette is read with the same --palette)")
                                 : QString();
        return refused(QStringLiteral("cannot read the sticker map \"%1\": %2%3")
                           .arg(shown, QString::fromStdString(reading.error), hint));
    }
    const pattern::WallSize wall{reading.stickers->width() / 3, reading.stickers->height() / 3};
    if (settings.wall && *settings.wall != wall)
        return refused(QStringLiteral("the sticker map \"%1\" is a wall of %2, not the %3 of --wall")
                           .arg(shown, wallText(wall), wallText(*settings.wall)));
    if (wall.cubes() > MaxWallCubes)
        return refused(QStringLiteral("the sticker map \"%1\" is a wall of %2, more than the %3 cubes a wall may have")
                           .arg(shown, wallText(wall))
                           .arg(MaxWallCubes));
    made.facts.wall = wall;
    made.stickers = std::move(reading.stickers);
    return made;
}

} // namespace

GuidePhotoPattern makeGuidePhotoPattern(const QString &path, const PhotoSettings &settings, ProgressBar &progress,
                                        const std::function<bool()> &interrupted)
{
    const auto stopped = [&] { return interrupted && interrupted(); };
    PhotoPalette palette = choosePhotoPalette(settings.palette, settings.colours);
    if (!palette.palette)
        return refused(palette.error);
    GuidePhotoPattern made;
    made.facts.method = settings.method;
    if (settings.method == pattern::Method::Optimised) {
        made.facts.turnWeight = settings.turnWeight;
        made.facts.maxTurns = settings.maxTurns;
    }
    made.facts.palette = std::move(*palette.palette);
    made.facts.cubeColours = palette.cubeColours;
    made.facts.adjustments = settings.adjustments;

    progress.start(QStringLiteral("Loading picture"));
    const LoadedPhoto photo = loadPhoto(path, settings.method == pattern::Method::Exact
                                                  ? pattern::EmbeddedColourSpace::Ignore
                                                  : pattern::EmbeddedColourSpace::ConvertToSrgb);
    if (photo.picture.isNull())
        return refused(photo.error);
    if (stopped()) {
        made.interrupted = true;
        return made;
    }
    if (settings.method == pattern::Method::Exact)
        return readStickerMap(path, photo.picture, settings, std::move(made));

    const PhotoRecipe recipe = photoRecipe(settings, made.facts.palette, photo.picture.width, photo.picture.height);
    if (!recipe.recipe)
        return refused(recipe.error);
    made.facts.wall = recipe.recipe->wall;

    progress.start(QStringLiteral("Making the photo pattern"));
    pattern::PhotoPatternResult result =
        pattern::makePhotoPattern(photo.picture, *recipe.recipe, [&](long long done, long long total) {
            progress.update(done, total);
            return !stopped();
        });
    if (result.cancelled || stopped()) {
        made.interrupted = true;
        return made;
    }
    if (!result.pattern)
        return refused(QStringLiteral("cannot make the photo pattern: %1").arg(QString::fromStdString(result.error)));
    made.facts.likeness = result.pattern->likeness;
    made.stickers = std::move(result.pattern->stickers);
    return made;
}

} // namespace tessaly
