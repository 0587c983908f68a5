#include "ui/droppedfile.h"

#include <QMimeData>
#include <QUrl>

namespace tessaly {

std::optional<QString> firstDroppedFile(const QMimeData &data)
{
    if (!data.hasUrls())
        return std::nullopt;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return std::nullopt;
}

} // namespace tessaly
