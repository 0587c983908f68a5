#include "guide/guideprogram.h"

#include "guide/buildguide.h"
#include "guide/buildplansummary.h"
#include "guide/csvguidewriter.h"
#include "guide/guidebuilder.h"
#include "guide/guidemosaic.h"
#include "guide/guidephotopattern.h"
#include "guide/guidesummary.h"
#include "guide/guidetwists.h"
#include "guide/outputfile.h"
#include "guide/pdfguidewriter.h"
#include "guide/photosummary.h"
#include "guide/pngwriter.h"
#include "guide/progressbar.h"
#include "guide/projectguide.h"
#include "guide/stickermapimage.h"
#include "guide/wallpreview.h"
#include "pattern/stickermap.h"
#include "platform/picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <memory>
#include <optional>
#include <vector>

namespace tessaly {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The guide of a project file, or why there is none; neither when
// interrupted.
struct GuideOfProject
{
    std::optional<ProjectGuide> made;
    QString error;
    GuideLayout layout; // the project's own
};

GuideOfProject makeGuideOfProject(const QString &path, ProgressBar &progress, const std::function<bool()> &interrupted)
{
    progress.start(QStringLiteral("Reading the project"));
    const PatternProjectReading reading = readPatternProject(path);
    if (!reading.project)
        return {std::nullopt, QStringLiteral("cannot use the project \"%1\": %2").arg(native(path), reading.error), {}};
    progress.start(QStringLiteral("Making the photo pattern"));
    const ProjectPattern made = makeProjectPattern(*reading.project, [&](long long done, long long total) {
        progress.update(done, total);
        return !(interrupted && interrupted());
    });
    if (made.interrupted)
        return {};
    if (!made.pattern)
        return {std::nullopt, QStringLiteral("cannot use the project \"%1\": %2").arg(native(path), made.error), {}};
    return {projectGuide(*reading.project, *made.pattern), {}, reading.project->layout};
}

} // namespace

GuideProgram::GuideProgram(QTextStream &out, QTextStream &err, Environment environment)
    : m_out(out)
    , m_err(err)
    , m_environment(std::move(environment))
{
}

int GuideProgram::run(const QStringList &arguments)
{
    const GuideCommandLine line = parseGuideCommandLine(arguments);
    switch (line.request) {
    case GuideCommandLine::Request::Help:
        m_out << line.helpText << Qt::flush;
        return Success;
    case GuideCommandLine::Request::Version:
        m_out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n'
              << Qt::flush;
        return Success;
    case GuideCommandLine::Request::Error:
        // The usage line alone, so that the error stays on the screen.
        m_err << "tessaly-guide: " << line.error << '\n'
              << line.helpText.section(QLatin1Char('\n'), 0, 0) << '\n'
              << "Try 'tessaly-guide --help' for the options.\n"
              << Qt::flush;
        return UsageError;
    case GuideCommandLine::Request::Run:
        break;
    }
    return line.options.face ? runFace(line.options) : runGuide(line.options);
}

int GuideProgram::runGuide(const GuideOptions &options)
{
    // Opening every output first finds an unwritable one before the work.
    std::vector<std::optional<OutputFile>> outputs;
    for (const QString &path :
         {options.bmpPath, options.csvPath, options.pdfPath, options.previewPath, options.stickersPath}) {
        std::optional<OutputFile> &output = outputs.emplace_back();
        if (path.isEmpty())
            continue;
        output.emplace(path);
        if (!output->open())
            return failWriting(path, output->errorString());
    }
    std::optional<OutputFile> &bmp = outputs[0];
    std::optional<OutputFile> &csv = outputs[1];
    std::optional<OutputFile> &pdf = outputs[2];
    std::optional<OutputFile> &preview = outputs[3];
    std::optional<OutputFile> &stickerMap = outputs[4];

    ProgressBar progress(m_err, m_environment.progressOnTerminal && !options.quiet);
    // The CSV, the PDF and the summary are made from the cubes and their twists.
    const bool needsCubes = csv || pdf || !options.writesFiles();
    BuildGuide guide;
    QImage canvas;                                // the window's mosaic, for --bmp
    std::optional<pattern::StickerGrid> stickers; // a photo pattern's, for --preview and --stickers
    GuideLayout layout = options.layout();
    if (!options.projectPath.isEmpty()) {
        GuideOfProject project = makeGuideOfProject(options.projectPath, progress, m_environment.interrupted);
        if (!project.made)
            return project.error.isEmpty() ? failInterrupted() : fail(project.error);
        guide = std::move(project.made->guide);
        stickers = std::move(project.made->stickers);
        // The project's layout, as the Studio exports it, unless the command line says otherwise.
        layout = layoutOver(project.layout, layout, options.layoutGiven);
    } else if (options.photo) {
        GuidePhotoPattern photo =
            makeGuidePhotoPattern(options.picturePath, *options.photo, progress, m_environment.interrupted);
        if (photo.interrupted)
            return failInterrupted();
        if (!photo.stickers)
            return fail(photo.error);
        guide = buildGuide(*photo.stickers);
        guide.photo = std::move(photo.facts);
        stickers = std::move(photo.stickers);
    } else {
        progress.start(QStringLiteral("Loading picture"));
        const GuidePicture picture = loadGuidePicture(options.picturePath);
        if (picture.image.isNull())
            return fail(
                QStringLiteral("cannot use the picture \"%1\": %2").arg(native(options.picturePath), picture.error));
        if (interrupted())
            return failInterrupted();

        progress.start(QStringLiteral("Making the mosaic"));
        // A canvas alone needs no cubes: the cells are kept only for them.
        const GuideMosaic mosaic = makeGuideMosaic(picture.image, options.fields, m_environment.interrupted,
                                                   needsCubes ? CellCollection::Collect : CellCollection::Skip);
        if (mosaic.interrupted)
            return failInterrupted();
        if (mosaic.refusal)
            return fail(*mosaic.refusal);
        if (needsCubes)
            guide = buildGuide(mosaic.cells);
        canvas = mosaic.canvas;
    }

    // Known before the long work of solving the faces.
    const int previewScale = preview ? fittingPreviewScale(*stickers, options.previewScale) : 0;
    if (preview && previewScale < 1)
        return fail(QStringLiteral("the wall is too large for a preview: %1 x %2 stickers, more than %3 a side")
                        .arg(stickers->width())
                        .arg(stickers->height())
                        .arg(MaxPreviewSide));

    if (needsCubes) {
        progress.start(QStringLiteral("Solving the faces"));
        const cube::FaceSolver solver;
        const bool solved = solveGuideTwists(guide, solver, options.threads, [&](std::size_t done, std::size_t total) {
            progress.update(qint64(done), qint64(total));
            return !interrupted();
        });
        if (!solved)
            return failInterrupted();
    }

    if (bmp) {
        const QString reason = writePictureAsBmp(canvas, bmp->device());
        if (!reason.isEmpty())
            return failWriting(bmp->path(), reason);
    }
    if (csv) {
        progress.start(QStringLiteral("Writing the CSV"));
        const QString reason = writeCsvGuide(guide, csv->device());
        if (!reason.isEmpty())
            return failWriting(csv->path(), reason);
    }
    if (pdf) {
        progress.start(QStringLiteral("Writing the PDF"));
        const QString reason = writePdfGuide(
            guide, pdf->device(), layout.pageSize,
            [&](int done, int total) {
                progress.update(done, total);
                return !interrupted();
            },
            layout.plan);
        if (interrupted())
            return failInterrupted();
        if (!reason.isEmpty())
            return failWriting(pdf->path(), reason);
    }
    if (preview) {
        progress.start(QStringLiteral("Drawing the preview"));
        const QString reason =
            writePng(renderWallPreview(*stickers, guide.photo->palette, previewScale), preview->device());
        if (!reason.isEmpty())
            return failWriting(preview->path(), reason);
    }
    if (stickerMap) {
        const QString reason =
            writePng(stickerMapImage(pattern::stickerMapPixels(*stickers, guide.photo->palette)), stickerMap->device());
        if (!reason.isEmpty())
            return failWriting(stickerMap->path(), reason);
    }
    progress.finish();

    for (std::optional<OutputFile> &output : outputs) {
        if (output && !output->commit())
            return failWriting(output->path(), output->errorString());
    }
    if (preview && previewScale < options.previewScale && !options.quiet)
        m_err << "tessaly-guide: the preview has " << previewScale << " pixels a sticker, not "
              << options.previewScale << ", to stay under " << MaxPreviewSide + 1 << " pixels a side\n"
              << Qt::flush;
    if (!options.writesFiles()) {
        m_out << guideSummary(guide.figures) << buildPlanSummary(guide, layout.pageSize, layout.plan);
        if (guide.photo)
            m_out << '\n' << photoSummary(*guide.photo);
        m_out << Qt::flush;
    }
    return Success;
}

int GuideProgram::runFace(const GuideOptions &options)
{
    const CubeTwists twists = twistsOf(cube::FaceSolver().solve(faceTarget(*options.face)));
    m_out << "front: " << cube::colourLetter(twists.front) << ' ' << cube::colourName(twists.front) << '\n'
          << "top:   " << cube::colourLetter(twists.top) << ' ' << cube::colourName(twists.top) << '\n'
          << "turns: " << twists.turns << '\n'
          << "moves: " << QString::fromStdString(twists.moves) << '\n'
          << Qt::flush;
    return Success;
}

int GuideProgram::fail(const QString &message, int status)
{
    m_err << "tessaly-guide: " << message << '\n' << Qt::flush;
    return status;
}

int GuideProgram::failWriting(const QString &path, const QString &reason)
{
    return fail(QStringLiteral("cannot write \"%1\": %2").arg(native(path), reason));
}

int GuideProgram::failInterrupted()
{
    return fail(QStringLiteral("interrupted; no file written"), Interrupted);
}

bool GuideProgram::interrupted() const
{
    return m_environment.interrupted && m_environment.interrupted();
}

} // namespace tessaly
