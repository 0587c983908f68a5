#pragma once

#include "guide/buildplansettings.h"

#include <QString>

#include <functional>

class QIODevice;
class QPageSize;

namespace tessaly {

struct BuildGuide;

// Writes the guide as a PDF on device (already open for writing; the caller
// makes the file atomic): an overview page, the recipe pages, then one page
// per block of the wall in the settings' order, each panel's blocks after
// a page of the panel's own. progress(pagesDone, pagesTotal), may be empty, is called after every
// page; returning false cancels (the function then returns "cancelled" at
// once). Returns empty on success, else the reason.
QString writePdfGuide(const BuildGuide &guide, QIODevice &device, const QPageSize &pageSize,
                      const std::function<bool(int, int)> &progress = {},
                      const BuildPlanSettings &settings = {});

} // namespace tessaly
