#pragma once

#include "pattern/picture.h"

#include <string>
#include <vector>

namespace tessaly::bench {

// One picture of the benchmarks' photo set.
struct BenchPhoto
{
    std::string name;    // names its benchmarks: "astronaut", "logo", ...
    std::string subject; // what kind of picture it is: "portrait", "flat art", ...
    pattern::SrgbPicture picture;

    double aspect() const { return double(picture.width) / picture.height; }
    double megabytes() const { return double(picture.rgb.size()) / (1024.0 * 1024.0); }
};

// The photo set, or why it cannot be read.
struct PhotoSet
{
    std::vector<BenchPhoto> photos; // empty on failure
    std::string error;
};

// Reads the photo set's files from the folder (bench/photos in the
// sources, whose README names each file's source and licence) as the
// pattern's intake reads pictures, and draws the club logo beside them:
// two portraits, an animal, a still life, a sky at dusk and flat art.
PhotoSet loadPhotoSet(const std::string &folder);

// The photo of that name in the set; null when there is none.
const BenchPhoto *findPhoto(const PhotoSet &set, const std::string &name);

} // namespace tessaly::bench
