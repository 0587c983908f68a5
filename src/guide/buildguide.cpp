#include "guide/buildguide.h"

#include <algorithm>

namespace tessaly {

bool GuideCube::isPartial() const
{
    return std::ranges::find(face, FaceMark::Outside) != face.end();
}

bool GuideCube::hasBlack() const
{
    return std::ranges::find(face, FaceMark::Black) != face.end();
}

} // namespace tessaly
