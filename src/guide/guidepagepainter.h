#pragma once

#include "guide/guidepagecontext.h"

#include <QString>

class QPageSize;
class QPainter;

namespace tessaly {

struct BuildGuide;

// Draws the pages of one build guide on any painter, the PDF's or a
// picture's. The guide is borrowed and must outlive the painter.
class GuidePagePainter
{
public:
    GuidePagePainter(const BuildGuide &guide, const QPageSize &pageSize, const BuildPlanSettings &settings = {});

    // Empty when the guide can be drawn on these pages, else why not.
    QString problem() const;

    int pageCount() const { return m_context.pageCount(); }

    // Draws page index (from 0) with the painter's units in points and the
    // page's top left corner at the origin.
    void paintPage(QPainter &painter, int pageIndex) const;

private:
    GuidePageContext m_context;
};

} // namespace tessaly
