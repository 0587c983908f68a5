#include "guide/buildplansummary.h"

#include "guide/buildguide.h"
#include "guide/guidelayout.h"
#include "guide/buildrecipes.h"
#include "guide/guidepageplan.h"
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

bool solved(const BuildGuide &guide)
{
    return !guide.cubes.empty() && std::ranges::all_of(guide.cubes, [](const GuideCube &cube) {
        return cube.twists.has_value();
    });
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

QString timeLines(const GuidePagePlan &plan, const std::vector<double> &blockSeconds, const BuildPace &pace)
{
    double total = 0;
    for (const double seconds : blockSeconds)
        total += seconds;
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
    for (int panel = 0; plan.wall.panelled && panel < plan.panelCount(); ++panel) {
        const PlanPanel &planned = plan.wall.panels[std::size_t(panel)];
        double seconds = 0;
        for (int block = planned.firstBlock; block < planned.firstBlock + planned.blockCount; ++block)
            seconds += blockSeconds[std::size_t(block)];
        lines += QStringLiteral("Panel %1:").arg(panel + 1).leftJustified(13)
                 + QStringLiteral("columns %1, rows %2, blocks %3: %4, %5\n")
                       .arg(span(planned.cubes.column, planned.cubes.lastColumn()),
                          span(planned.cubes.row, planned.cubes.lastRow()),
                            span(planned.firstBlock + 1, planned.firstBlock + planned.blockCount),
                            cubes(planned.cubes.count()), time(seconds));
    }
    return lines;
}

} // namespace

QString buildPlanSummary(const BuildGuide &guide, const QPageSize &pageSize, const BuildPlanSettings &settings)
{
    const GuideFigures &figures = guide.figures;
    if (figures.cubeColumns < 1 || figures.cubeRows < 1
        || guide.cubes.size() != std::size_t(figures.cubeColumns) * std::size_t(figures.cubeRows))
        return {};
    const GuidePagePlan plan = planGuidePages(figures, PageLayout(pageSize), settings);
    const bool allSolved = solved(guide);

    QString summary = recipeLines(figures, collectRecipes(guide, plan.wall), allSolved);
    summary += QStringLiteral("Blocks:      %1 of up to %2 x %3 cubes (one %4 page each), %5")
                   .arg(plan.blockCount())
                   .arg(plan.blockColumns)
                   .arg(plan.blockRows)
                   .arg(pageSize.key(), buildOrderName(settings.order));
    if (plan.wall.panelled)
        summary += plan.panelCount() == 1 ? QStringLiteral(", in 1 panel\n") : QStringLiteral(", in %1 panels\n").arg(plan.panelCount());
    else
        summary += QLatin1Char('\n');
    if (!allSolved)
        return summary;

    std::vector<double> blockSeconds;
    for (const PlanBlock &block : plan.wall.blocks)
        blockSeconds.push_back(buildSeconds(workIn(guide, block.cubes), settings.pace));
    return summary + timeLines(plan, blockSeconds, settings.pace);
}

} // namespace tessaly
