#include "ui/windowsizerule.h"

namespace tessaly {

namespace {

// Room the window keeps beside and above the source picture box: it stands
// at (444, 96) in the client area, with a few pixels of margin after it.
constexpr int RoomBesideSource = 451;
constexpr int RoomAboveSource = 100;

} // namespace

QSize clientSizeShowing(QSize sourceBoxSize)
{
    return QSize(sourceBoxSize.width() + RoomBesideSource,
                 sourceBoxSize.height() + RoomAboveSource)
        .expandedTo(StartClientSize);
}

} // namespace tessaly
