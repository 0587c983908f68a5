#pragma once

#include "guide/guidefields.h"
#include "guide/mosaiccells.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace tessaly {

// The picture a guide is made from: the file at path loaded as the window
// loads a dropped picture, or the built-in sample picture for an empty path.
// Null with the reason on failure.
struct GuidePicture
{
    QImage image;
    QString error;
};
GuidePicture loadGuidePicture(const QString &path);

// Whether a run keeps its cells: a guide of cubes is made from them, a
// canvas alone needs none, and 16 million of them cost time and memory.
enum class CellCollection { Collect, Skip };

// One generation run over the picture with the fields, as Generate makes it
// in the window: the canvas it leaves, the cells it classified.
struct GuideMosaic
{
    QImage canvas;
    MosaicCells cells; // empty when skipped
    std::optional<QString> refusal; // the run's message, explained; nothing else is valid then
    bool interrupted = false;
};
GuideMosaic makeGuideMosaic(const QImage &picture, const GuideFields &fields,
                            const std::function<bool()> &interrupted = {},
                            CellCollection collection = CellCollection::Collect);

} // namespace tessaly
