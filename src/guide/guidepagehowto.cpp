#include "guide/guidepagehowto.h"

#include "guide/guidepagecontext.h"

namespace tessaly {

QString buildOrderHowTo(const GuidePageContext &context)
{
    const bool bottomUp = context.settings.order == BuildOrder::BottomUp;
    const bool panelled = context.plan.wall.panelled;
    const bool recipes = context.plan.recipePages > 0;

    QString chinese = recipes ? QStringLiteral("先按配方页转好魔方，再按页拼装：") : QStringLiteral("按页拼装：");
    chinese += bottomUp ? QStringLiteral("每页一个区块，区块从下到上、每行从左到右排列（洋红线）")
                        : QStringLiteral("每页一个区块，区块从上到下、每行从左到右排列（洋红线）");
    if (panelled)
        chinese += QStringLiteral("，一个面板（蓝线）装完再装下一个");
    chinese += QStringLiteral("；每个魔方标有它在墙上的列和行。");

    QString english = recipes ? QStringLiteral("Twist the cubes recipe by recipe first, then build page by page: ")
                              : QStringLiteral("Build page by page: ");
    english += bottomUp ? QStringLiteral("one block per page, blocks in rows from the bottom up, each row left to right")
                        : QStringLiteral("one block per page, blocks in rows top to bottom, each row left to right");
    english += panelled ? QStringLiteral(" (magenta lines), one panel (blue lines) after another; ")
                        : QStringLiteral(" (the magenta lines above); ");
    english += QStringLiteral("every cube shows its column and row in the wall.");
    return chinese + QLatin1Char('\n') + english;
}

} // namespace tessaly
