#pragma once

#include <QString>

class QIODevice;

namespace tessaly {

struct BuildGuide;

// Writes the guide as CSV (UTF-8), one row per cube in the wall's order,
// under the header column,row,front,top,turns,moves,face. front, top, turns
// and moves stay empty for a cube without twists. Returns the reason of a
// failure, empty on success.
QString writeCsvGuide(const BuildGuide &guide, QIODevice &device);

} // namespace tessaly
