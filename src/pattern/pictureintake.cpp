#include "pattern/pictureintake.h"

#include "pattern/qtpicture.h"
#include "platform/picturefile.h"

#include <utility>

namespace tessaly::pattern {

PictureIntake loadPatternPicture(const std::string &path, EmbeddedColourSpace colourSpace)
{
    LoadedPicture decoded = decodePicture(QString::fromUtf8(path.data(), qsizetype(path.size())));
    if (decoded.image.isNull())
        return {SrgbPicture(), decoded.error.toStdString()};
    return {srgbPictureOf(std::move(decoded.image), colourSpace), {}};
}

} // namespace tessaly::pattern
