#pragma once

#include <QString>

namespace tessaly {

struct PhotoFacts;

// The lines the summary gives a photo pattern: its wall and method, its
// palette's letters with their colours, the adjustments not at 0, and its
// likeness score (none for a sticker map read as it is).
QString photoSummary(const PhotoFacts &facts);

} // namespace tessaly
