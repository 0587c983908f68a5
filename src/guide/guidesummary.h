#pragma once

#include <QString>

namespace tessaly {

struct GuideFigures;

// A few lines for the terminal: cells, cubes, stickers per colour, black
// cells, and the turns once the faces are solved.
QString guideSummary(const GuideFigures &figures);

} // namespace tessaly
