#include "guide/guidemosaic.h"

#include "engine/generationrun.h"
#include "guide/guidehost.h"
#include "guide/refusalexplanation.h"
#include "platform/applicationlook.h"
#include "platform/canvasside.h"
#include "platform/picturebox.h"
#include "platform/picturefile.h"
#include "tessalyresources.h"

namespace tessaly {

namespace {

// The interior of the window's canvas Picture2.
constexpr QSize CanvasInterior(WindowCanvasSide - 2 * PictureBox::BorderWidth,
                               WindowCanvasSide - 2 * PictureBox::BorderWidth);

} // namespace

GuidePicture loadGuidePicture(const QString &path)
{
    if (path.isEmpty())
        return {Resources::samplePicture(), QString()};
    LoadedPicture loaded = loadPicture(path, canvasBackColor());
    return {std::move(loaded.image), std::move(loaded.error)};
}

GuideMosaic makeGuideMosaic(const QImage &picture, const GuideFields &fields,
                            const std::function<bool()> &interrupted, CellCollection collection)
{
    const bool collects = collection == CellCollection::Collect;
    GuideHost host(picture, fields, CanvasInterior, canvasBackColor(), interrupted, collects);
    std::int16_t scaleDivisor = 0;
    generateMosaic(host, StandardPalette, scaleDivisor);

    GuideMosaic mosaic;
    mosaic.interrupted = host.wasInterrupted();
    if (host.error())
        mosaic.refusal = explainRefusal(*host.error(), picture.size(), fields);
    else if (collects && !host.cells().isRectangular())
        mosaic.refusal = QStringLiteral("The mosaic's rows are not all of one length");
    mosaic.canvas = host.canvas();
    mosaic.cells = host.takeCells();
    return mosaic;
}

} // namespace tessaly
