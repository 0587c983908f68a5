#pragma once

#include "pattern/picture.h"

#include <string>

namespace tessaly::pattern {

// A picture file read for a pattern, or why it cannot be.
struct PictureIntake
{
    SrgbPicture picture; // null on failure
    std::string error;   // why it failed; empty on success
};

// Reads the picture file at path (UTF-8) as the window reads pictures (the
// first frame, a JPEG's EXIF orientation applied, any format Qt reads, the
// same size limit), then converts it to sRGB from its embedded colour space
// (unless told to ignore it) and composites it over white, as srgbPictureOf
// does. Never throws.
PictureIntake loadPatternPicture(const std::string &path,
                                 EmbeddedColourSpace colourSpace = EmbeddedColourSpace::ConvertToSrgb);

} // namespace tessaly::pattern
