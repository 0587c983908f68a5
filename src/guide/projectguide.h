#pragma once

#include "guide/buildguide.h"
#include "guide/patternproject.h"
#include "pattern/photopattern.h"

#include <QString>

#include <optional>

namespace tessaly {

// A project's pattern ready for the guide's outputs: the stickers as the
// builder left them and the guide of their cubes.
struct ProjectGuide
{
    pattern::StickerGrid stickers; // the pattern with the touch-ups set over it
    BuildGuide guide;              // its cubes and photo facts; no twists yet (solveGuideTwists)
};

// The one place a project and the pattern made from its picture and recipe
// become what tessaly-guide --project and Tessaly Studio's exports write:
// the touch-ups applied (as applyTouchUps), the likeness of the result to
// the pattern's target, and the recipe's photo facts.
ProjectGuide projectGuide(const PatternProject &project, const pattern::PhotoPattern &made);

// The pattern of a project made from its picture, or why it cannot be.
struct ProjectPattern
{
    std::optional<pattern::PhotoPattern> pattern; // empty on failure or interruption
    QString error;
    bool interrupted = false;
};

// Reads the project's picture and makes its pattern with its recipe.
// Refuses, with the reason: a picture that is not there (the project or
// the picture moved), one whose SHA-256 differs from the project's, one
// that cannot be read, and a crop or recipe the picture cannot take.
// progress may cancel the work, which is then interrupted.
ProjectPattern makeProjectPattern(const PatternProject &project, const pattern::PatternProgress &progress = {});

} // namespace tessaly
