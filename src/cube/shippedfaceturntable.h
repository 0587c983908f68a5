#pragma once

#include "cube/faceturntable.h"

#include <cstdint>
#include <vector>

namespace tessaly::cube {

// The turn count of each face class, in the order FaceTurnTable takes them,
// as compiled into the library: solved once by the faceturnsgenerator tool
// (src/cube/tools), so that no run has to solve them again.
std::vector<std::uint8_t> shippedFaceClassTurns();

// The table of the shipped counts, built on the first call (a fraction of a
// second, ten megabytes) and then shared read-only by every caller until
// the process ends; thread-safe. Whoever wants a table of their own builds
// FaceTurnTable(shippedFaceClassTurns()).
const FaceTurnTable &faceTurnTable();

} // namespace tessaly::cube
