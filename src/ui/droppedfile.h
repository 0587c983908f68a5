#pragma once

#include <QString>

#include <optional>

class QMimeData;

namespace tessaly {

// The path of the first local file the dropped data carries, in the order
// the drag source lists them; empty when it carries none (dragged text, or
// links that are not local files).
std::optional<QString> firstDroppedFile(const QMimeData &data);

} // namespace tessaly
