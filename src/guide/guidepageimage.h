#pragma once

#include "guide/buildplansettings.h"

#include <QImage>

class QPageSize;

namespace tessaly {

struct BuildGuide;

// Page pageIndex (from 0) of the guide drawn as a white picture at dpi dots
// per inch, by the same code that writes the PDF: for tests and for looking
// at a page. A null image when the page does not exist or the guide cannot
// be drawn.
QImage renderGuidePage(const BuildGuide &guide, int pageIndex, const QPageSize &pageSize, int dpi,
                       const BuildPlanSettings &settings = {});

} // namespace tessaly
