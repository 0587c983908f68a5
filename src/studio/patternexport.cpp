#include "studio/patternexport.h"

#include "cube/facesolver.h"
#include "guide/csvguidewriter.h"
#include "guide/guidetwists.h"
#include "guide/pdfguidewriter.h"
#include "guide/pngwriter.h"
#include "guide/stickermapimage.h"
#include "guide/wallpreview.h"
#include "pattern/stickermap.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace tessaly::studio {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("tessaly::studio::PatternExport", text);
}

// The contents written to file; progress returning false stops the work
// (what is written then does not matter).
QString writeContents(ExportKind kind, ProjectGuide &made, const ExportSettings &settings, QSaveFile &file,
                      const std::function<bool(int, int)> &progress)
{
    const pattern::StickerPalette &palette = made.guide.photo->palette;
    switch (kind) {
    case ExportKind::CsvGuide:
    case ExportKind::PdfGuide: {
        const cube::FaceSolver solver;
        const bool solved = solveGuideTwists(made.guide, solver, 0, [&](std::size_t done, std::size_t total) {
            return progress(int(done), int(total));
        });
        if (!solved)
            return {};
        if (kind == ExportKind::CsvGuide)
            return writeCsvGuide(made.guide, file);
        return writePdfGuide(made.guide, file, settings.pageSize, progress, settings.plan);
    }
    case ExportKind::Preview: {
        const int scale = fittingPreviewScale(made.stickers, settings.previewScale);
        if (scale < 1)
            return tr("the wall is too large for a preview picture");
        return writePng(renderWallPreview(made.stickers, palette, scale), file);
    }
    case ExportKind::StickerMap:
        return writePng(stickerMapImage(pattern::stickerMapPixels(made.stickers, palette)), file);
    }
    return {};
}

} // namespace

ExportOutcome writePatternExport(ExportKind kind, ProjectGuide made, const ExportSettings &settings,
                                 const QString &path, const std::function<bool(int, int)> &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString(), false};
    bool stopped = false;
    const auto asked = [&](int done, int total) {
        stopped = stopped || (progress && !progress(done, total));
        return !stopped;
    };
    const QString reason = writeContents(kind, made, settings, file, asked);
    if (stopped) {
        file.cancelWriting();
        return {{}, true};
    }
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return {reason, false};
    }
    if (!file.commit())
        return {file.errorString(), false};
    return {};
}

} // namespace tessaly::studio
