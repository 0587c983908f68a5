#include "photoset.h"

#include "clublogo.h"
#include "pattern/pictureintake.h"
#include "pattern/qtpicture.h"

namespace tessaly::bench {

namespace {

struct PhotoFile
{
    const char *name;
    const char *subject;
    const char *file;
};

constexpr PhotoFile PhotoFiles[] = {
    {"astronaut", "portrait", "astronaut.jpg"},  {"hopper", "portrait", "grace_hopper.jpg"},
    {"cat", "animal", "chelsea.jpg"},            {"coffee", "still life", "coffee.jpg"},
    {"rocket", "sky at dusk", "rocket.jpg"},
};

} // namespace

PhotoSet loadPhotoSet(const std::string &folder)
{
    PhotoSet set;
    for (const PhotoFile &file : PhotoFiles) {
        const std::string path = folder + "/" + file.file;
        pattern::PictureIntake intake = pattern::loadPatternPicture(path);
        if (intake.picture.isNull())
            return {{}, path + ": " + intake.error};
        set.photos.push_back({file.name, file.subject, std::move(intake.picture)});
    }
    set.photos.push_back({"logo", "flat art", pattern::srgbPictureOf(drawClubLogo())});
    return set;
}

const BenchPhoto *findPhoto(const PhotoSet &set, const std::string &name)
{
    for (const BenchPhoto &photo : set.photos) {
        if (photo.name == name)
            return &photo;
    }
    return nullptr;
}

} // namespace tessaly::bench
