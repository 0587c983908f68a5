#include "guide/pdfguidewriter.h"

#include "guide/guidepageframe.h"
#include "guide/guidepagepainter.h"

#include <QFileDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace tessaly {

namespace {

// Fine enough that nothing on the page snaps to a visible grid.
constexpr int PdfResolution = 1200;

QString deviceProblem(const QIODevice &device)
{
    if (const auto *file = qobject_cast<const QFileDevice *>(&device); file && file->error() != QFileDevice::NoError)
        return file->errorString();
    return {};
}

} // namespace

QString writePdfGuide(const BuildGuide &guide, QIODevice &device, const QPageSize &pageSize,
                      const std::function<bool(int, int)> &progress, const BuildPlanSettings &settings)
{
    if (!device.isOpen() || !device.isWritable())
        return QStringLiteral("the PDF's file is not open for writing");
    if (!pageSize.isValid())
        return QStringLiteral("no page size");
    const GuidePagePainter pages(guide, pageSize, settings);
    if (const QString problem = pages.problem(); !problem.isEmpty())
        return problem;

    QPdfWriter writer(&device);
    writer.setTitle(guideDocumentTitle());
    writer.setCreator(QStringLiteral("Tessaly V" TESSALY_VERSION));
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("could not start the PDF");
    const qreal scale = PdfResolution / 72.0;
    const int total = pages.pageCount();
    for (int page = 0; page < total; ++page) {
        if (page > 0 && !writer.newPage())
            return QStringLiteral("could not start page %1 of the PDF").arg(page + 1);
        painter.resetTransform();
        painter.scale(scale, scale);
        pages.paintPage(painter, page);
        if (progress && !progress(page + 1, total))
            return QStringLiteral("cancelled");
        if (const QString problem = deviceProblem(device); !problem.isEmpty())
            return problem;
    }
    if (!painter.end())
        return QStringLiteral("could not finish the PDF");
    return deviceProblem(device);
}

} // namespace tessaly
