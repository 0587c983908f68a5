#pragma once

#include "guide/photofacts.h"
#include "guide/photosettings.h"
#include "pattern/sticker.h"

#include <QString>

#include <functional>
#include <optional>

namespace tessaly {

class ProgressBar;

// A photo pattern made for a guide: its stickers and how it was made.
struct GuidePhotoPattern
{
    std::optional<pattern::StickerGrid> stickers; // empty on failure or interruption
    PhotoFacts facts;
    QString error; // why there is no pattern: the picture, palette, crop or sticker map at fault
    bool interrupted = false;
};

// The photo pattern the settings ask for, made from the picture file at
// path (the built-in sample picture for an empty path), or for
// Method::Exact the file read as a sticker map: one pixel a sticker, each
// exactly a colour of the palette, 3 x columns by 3 x rows pixels (the
// --wall, when given). Shows its stages on progress; interrupted, may be
// empty, is asked now and then and stops the work.
GuidePhotoPattern makeGuidePhotoPattern(const QString &path, const PhotoSettings &settings, ProgressBar &progress,
                                        const std::function<bool()> &interrupted = {});

} // namespace tessaly
