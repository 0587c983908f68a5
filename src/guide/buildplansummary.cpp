#include "guide/buildplansummary.h"

#include "guide/buildguide.h"
#include "guide/guidelayout.h"
#include "guide/buildrecipes.h"
#include "guide/guidework.h"
#include "guide/pagelayout.h"

#include <QPageSize>

#include <algorithm>
#include <vector>

namespace tessaly {

namespace {

QString count(std::int64_t number)
{
    return QString::number(qlonglong(number));
}

// "1 cube", "3 cubes".
QString cubes(std::int64_t number)
{
    return number == 1 ? QStringLiteral("1 cube") : QStringLiteral("%1 cubes").arg(count(number));
}

QString time(double seconds)
{
    return QString::fromStdString(formatBuildTime(seconds));
}

QString span(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

QString recipeLines(const GuideFigures &figures, const std::vector<Recipe> &recipes, bool solved)
{
    if (!solved)
        return QStringLiteral("Recipes:     %1 faces\n").arg(count(std::int64_t(recipes.size())));
    std::int64_t withTurns = 0;
    std::int64_t cubesWithTurns = 0;
    for (const Recipe &recipe : recipes) {
        if (recipe.turns() > 0) {
            ++withTurns;
            cubesWithTurns += std::int64_t(recipe.cubes.size());
        }
    }
    return QStringLiteral("Turns:       %1 in all; none for %2\n").arg(count(figures.totalTurns), cubes(figures.cubesWithoutTurns))
           + QStringLiteral("Recipes:     %1 faces, %2 of them need turns, for %3\n")
                 .arg(count(std::int64_t(recipes.size())), count(withTurns), cubes(cubesWithTurns));
}

QString timeLines(const GuideWork &work, const BuildPace &pace)
{
    std::vector<double> blockSeconds;
    for (const CubeWork &block : work.blockWork)
        blockSeconds.push_back(buildSeconds(block, pace));
    const double total = buildSeconds(work.wallWork, pace);
    const auto [shortest, longest] = std::ranges::minmax(blockSeconds);
    QString lines = QStringLiteral("Build time:  %1 at %2 s a turn and %3 s a cube\n")
                        .arg(time(total))
                        .arg(pace.secondsPerTurn)
                        .arg(pace.secondsPerCube);
    if (time(shortest) == time(longest))
        lines += QStringLiteral("Per block:   %1 each\n").arg(time(longest));
    else
        lines += QStringLiteral("Per block:   %1 to %2, %3 on average\n")
                     .arg(time(shortest), time(longest), time(total / double(blockSeconds.size())));
    const WallPlan &wall = work.plan.wall;
    for (int panel = 0; wall.panelled && panel < work.plan.panelCount(); ++panel) {
        const PlanPanel &planned = wall.panels[std::size_t(panel)];
        lines += QStringLiteral("Panel %1:").arg(panel + 1).leftJustified(13)
                 + QStringLiteral("columns %1, rows %2, blocks %3: %4, %5\n")
                       .arg(span(planned.cubes.column, planned.cubes.lastColumn()),
                            span(planned.cubes.row, planned.cubes.lastRow()),
                            span(planned.firstBlock + 1, planned.firstBlock + planned.blockCount),
                            cubes(planned.cubes.count()), time(buildSeconds(work.panelWork[std::size_t(panel)], pace)));
    }
    return lines;
}

} // namespace

QString buildPlanSummary(const BuildGuide &guide, const QPageSize &pageSize, const BuildPlanSettings &settings)
{
    const GuideWork work = planGuideWork(guide, PageLayout(pageSize), settings);
    const GuidePagePlan &plan = work.plan;
    if (plan.blockCount() == 0)
        return {};

    QString summary = recipeLines(guide.figures, collectRecipes(guide, plan.wall), work.solved);
    summary += QStringLiteral("Blocks:      %1 of up to %2 x %3 cubes (one %4 page each), %5")
                   .arg(plan.blockCount())
                   .arg(plan.blockColumns)
                   .arg(plan.blockRows)
                   .arg(pageSize.key(), buildOrderName(settings.order));
    if (plan.wall.panelled)
        summary += plan.panelCount() == 1 ? QStringLiteral(", in 1 panel\n") : QStringLiteral(", in %1 panels\n").arg(plan.panelCount());
    else
        summary += QLatin1Char('\n');
    if (!work.solved)
        return summary;
    return summary + timeLines(work, settings.pace);
}

} // namespace tessaly
