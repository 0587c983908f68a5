#pragma once

#include "guide/buildplansettings.h"
#include "guide/projectguide.h"

#include <QPageSize>
#include <QString>

#include <functional>

namespace tessaly::studio {

// What the Studio exports of a pattern.
enum class ExportKind {
    PdfGuide,   // the printable build guide
    CsvGuide,   // a row per cube with its twists
    Preview,    // a picture of the built wall (PNG)
    StickerMap, // one pixel a sticker (PNG), which tessaly-guide --method exact reads back
};

// How the guide is laid out and planned; the defaults are tessaly-guide's.
struct ExportSettings
{
    QPageSize pageSize{QPageSize::A4};
    BuildPlanSettings plan;
    int previewScale = 8; // pixels a sticker, fewer where a side would pass MaxPreviewSide
};

// How an export ended: written, refused with a reason, or cancelled.
struct ExportOutcome
{
    QString error;          // empty unless it failed
    bool cancelled = false; // progress asked to stop: nothing was written
};

// Writes one export of the project's guide to path exactly as tessaly-guide
// writes that output for the project (the same twists, writers and
// preview), through a QSaveFile: on failure or cancelling any earlier file
// at path stays intact. progress(done, total), may be empty, is called now
// and then; returning false cancels. Runs on any thread.
ExportOutcome writePatternExport(ExportKind kind, ProjectGuide made, const ExportSettings &settings,
                                 const QString &path, const std::function<bool(int, int)> &progress = {});

} // namespace tessaly::studio
