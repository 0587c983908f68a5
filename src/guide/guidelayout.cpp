#include "guide/guidelayout.h"

namespace tessaly {

GuideLayout layoutOver(const GuideLayout &base, const GuideLayout &layout, const GuideLayoutGiven &given)
{
    GuideLayout merged = base;
    if (given.pageSize)
        merged.pageSize = layout.pageSize;
    if (given.order)
        merged.plan.order = layout.plan.order;
    if (given.panel)
        merged.plan.panel = layout.plan.panel;
    if (given.secondsPerTurn)
        merged.plan.pace.secondsPerTurn = layout.plan.pace.secondsPerTurn;
    if (given.secondsPerCube)
        merged.plan.pace.secondsPerCube = layout.plan.pace.secondsPerCube;
    return merged;
}

std::optional<QPageSize> pageSizeNamed(const QString &name)
{
    if (name.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    if (name.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

QString pageSizeName(const QPageSize &pageSize)
{
    return pageSize.id() == QPageSize::Letter ? QStringLiteral("Letter") : QStringLiteral("A4");
}

std::optional<BuildOrder> buildOrderNamed(const QString &name)
{
    if (name.compare(QLatin1String("top-down"), Qt::CaseInsensitive) == 0)
        return BuildOrder::TopDown;
    if (name.compare(QLatin1String("bottom-up"), Qt::CaseInsensitive) == 0)
        return BuildOrder::BottomUp;
    return std::nullopt;
}

QString buildOrderName(BuildOrder order)
{
    return order == BuildOrder::BottomUp ? QStringLiteral("bottom-up") : QStringLiteral("top-down");
}

} // namespace tessaly
