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

// One generation run over the picture with the fields, as Generate makes it
// in the window: the canvas it leaves, the cells it classified.
struct GuideMosaic
{
    QImage canvas;
    MosaicCells cells;
    std::optional<QString> refusal; // the run's message, explained; nothing else is valid then
    bool interrupted = false;
};
GuideMosaic makeGuideMosaic(const QImage &picture, const GuideFields &fields,
                            const std::function<bool()> &interrupted = {});

} // namespace tessaly
