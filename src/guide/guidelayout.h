#pragma once

#include "guide/buildplansettings.h"

#include <QPageSize>
#include <QString>

#include <optional>

namespace tessaly {

// How a build guide is laid out and planned: the PDF's page size, the order
// of the blocks, the panels and the builders' pace.
struct GuideLayout
{
    QPageSize pageSize{QPageSize::A4};
    BuildPlanSettings plan;

    bool operator==(const GuideLayout &) const = default;
};

// Which of a layout's settings a command line gave; the others come from
// elsewhere (a project's own layout).
struct GuideLayoutGiven
{
    bool pageSize = false;
    bool order = false;
    bool panel = false;
    bool secondsPerTurn = false;
    bool secondsPerCube = false;
};

// The settings `given` names taken from `given`, the rest from `base`.
GuideLayout layoutOver(const GuideLayout &base, const GuideLayout &layout, const GuideLayoutGiven &given);

// The page sizes a guide is printed on, by name ("A4", "Letter", in any
// case); empty for another name.
std::optional<QPageSize> pageSizeNamed(const QString &name);
// "A4" or "Letter"; another size is named as A4 is.
QString pageSizeName(const QPageSize &pageSize);

// "top-down" or "bottom-up", in any case; empty for another name.
std::optional<BuildOrder> buildOrderNamed(const QString &name);
QString buildOrderName(BuildOrder order);

} // namespace tessaly
