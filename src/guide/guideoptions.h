#pragma once

#include "guide/buildguide.h"
#include "guide/buildplansettings.h"
#include "guide/guidefields.h"
#include "guide/guidelayout.h"
#include "guide/photosettings.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly {

// What one tessaly-guide command asks for.
struct GuideOptions
{
    QString picturePath; // empty: the built-in sample picture
    GuideFields fields;
    QString bmpPath;     // each empty when not asked for
    QString csvPath;
    QString pdfPath;
    QString previewPath;  // photo patterns only
    QString stickersPath;
    int previewScale = 8; // pixels a sticker in the preview
    QPageSize pageSize{QPageSize::A4};
    std::optional<CubeFace> face; // --face: solve this face alone
    unsigned threads = 0;        // 0: every core
    bool quiet = false;
    std::optional<PhotoSettings> photo; // a photo pattern instead of the window's mosaic
    QString projectPath; // --project: the pattern of a Tessaly Studio project instead of either
    BuildPlanSettings plan;      // block order, panels, the builders' pace
    GuideLayoutGiven layoutGiven; // which of the page size and the plan the command line gave

    GuideLayout layout() const { return {pageSize, plan}; }

    bool writesFiles() const
    {
        return !bmpPath.isEmpty() || !csvPath.isEmpty() || !pdfPath.isEmpty() || !previewPath.isEmpty()
               || !stickersPath.isEmpty();
    }
};

// The command line read: what to do, and for Error the message to print
// with the usage.
struct GuideCommandLine
{
    enum class Request { Run, Help, Version, Error };
    Request request = Request::Run;
    GuideOptions options;
    QString error;
    QString helpText;
};

// Reads the arguments (the program name first). Every value is checked here,
// with a message that quotes it.
GuideCommandLine parseGuideCommandLine(const QStringList &arguments);

} // namespace tessaly
