#pragma once

#include "guide/guidelayout.h"
#include "pattern/patternrecipe.h"
#include "pattern/sticker.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <optional>
#include <vector>

namespace tessaly {

// One sticker the builder set by hand, over what the pattern chose: cell
// (x, y) of the wall, counted from 0 at the top left.
struct TouchUp
{
    int x = 0;
    int y = 0;
    pattern::Sticker sticker = pattern::Sticker::White;

    bool operator==(const TouchUp &) const = default;
};

// A pattern as the builder left it: the picture, the recipe and the
// stickers set by hand. Saved as a .tessaly file (JSON).
struct PatternProject
{
    // The format version this program writes and the newest it reads.
    static constexpr int FormatVersion = 1;

    QString picturePath;   // absolute once read; written relative to the project's folder
    QString pictureSha256; // lower-case hex of the picture file's bytes
    pattern::PatternRecipe recipe; // never Method::Exact; the wall always set
    long long cubeBudget = 0; // the cube count the wall was sized for; 0: columns x rows typed
    std::vector<TouchUp> touchUps; // each cell at most once, inside the wall
    GuideLayout layout; // how its guide is printed and planned

    bool operator==(const PatternProject &) const = default;
};

// A project read, or why it cannot be.
struct PatternProjectReading
{
    std::optional<PatternProject> project;
    QString error; // empty when project is set
    bool newerFormat = false; // written by a newer Tessaly: the error says so
};

// Reads a project's JSON; a relative picture path is taken from folder.
// Refuses, saying what and where: text that is not JSON, a format version
// newer than FormatVersion or below 1, a missing or wrong-typed field, a
// wall under 1 x 1 cube, an empty crop, adjustments outside -100 to 100, a
// palette that parsePalette refuses, an unknown method or fit, a turn
// weight outside 0 to MaxTurnWeight or a turn limit outside 0 to
// MostTurnsAnyFace (files without them, saved before they were, get the
// defaults: DefaultTurnWeight and no limit), a touch-up outside the wall, of
// an unknown sticker or on a cell already set, and a guide layout with a page
// size other than A4 and Letter, an unknown order, a panel under 1 x 1 cube
// or seconds outside 0 to BuildPace::MaxSeconds (files without it get the
// defaults).
PatternProjectReading parsePatternProject(const QByteArray &json, const QDir &folder);

// Reads the project file at path (as parsePatternProject, relative to its
// folder); a file that cannot be read is refused with the reason.
PatternProjectReading readPatternProject(const QString &path);

// The project as JSON, its picture path relative to folder (the project
// file's folder), so that the two can move together.
QByteArray patternProjectJson(const PatternProject &project, const QDir &folder);

// Writes the project to path as a whole (a temporary file renamed over it
// when complete, so an earlier file stays intact on failure). Returns the
// reason of a failure, empty on success.
QString writePatternProject(const PatternProject &project, const QString &path);

// The lower-case hex SHA-256 of a file's bytes; empty when it cannot be
// read.
QString fileSha256(const QString &path);

// The stickers with the touch-ups set over them; touch-ups outside the
// grid, and of stickers the palette lacks, are left out (they come back when
// the colour does).
void applyTouchUps(pattern::StickerGrid &stickers, const std::vector<TouchUp> &touchUps,
                   const pattern::StickerPalette &palette);

} // namespace tessaly
