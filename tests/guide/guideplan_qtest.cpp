// The build plan in the guide: its options, the pages it adds (every block
// on exactly one page, each panel's section together), the recipe pages'
// faces, the summary's figures and a canvas-only run that keeps no cells.

#include "guide/guidemosaic.h"
#include "guide/guideoptions.h"
#include "guide/guidepagecontext.h"
#include "guide/guidepageimage.h"
#include "guide/guidepagerecipes.h"
#include "guide/pdfguidewriter.h"
#include "support/guiderunner.h"
#include "support/pdfsyntheticguide.h"
#include "support/testpictures.h"

#include <QBuffer>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using namespace tessaly::test;

Q_DECLARE_METATYPE(BuildOrder)
Q_DECLARE_METATYPE(std::optional<CubeExtent>)

class GuidePlanTest : public QObject
{
    Q_OBJECT

private slots:
    void readsPlanOptions_data();
    void readsPlanOptions();
    void pagesHoldEveryBlockOnce_data();
    void pagesHoldEveryBlockOnce();
    void recipePagesShowEachRecipesFace();
    void summaryCountsRecipesAndTime();
    void canvasAloneKeepsNoCells();
};

void GuidePlanTest::readsPlanOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<BuildOrder>("order");
    QTest::addColumn<std::optional<CubeExtent>>("panel");
    QTest::addColumn<double>("perTurn");
    QTest::addColumn<double>("perCube");

    const std::optional<CubeExtent> none;
    QTest::newRow("defaults") << QStringList{} << BuildOrder::TopDown << none << 3.0 << 10.0;
    QTest::newRow("bottom-up") << QStringList{"--order", "bottom-up"} << BuildOrder::BottomUp << none << 3.0 << 10.0;
    QTest::newRow("order in capitals") << QStringList{"--order", "Top-Down"} << BuildOrder::TopDown << none << 3.0
                                       << 10.0;
    QTest::newRow("panel") << QStringList{"--panel", "20x10"} << BuildOrder::TopDown
                           << std::optional(CubeExtent{20, 10}) << 3.0 << 10.0;
    QTest::newRow("panel with a capital X") << QStringList{"--panel", "3X1"} << BuildOrder::TopDown
                                            << std::optional(CubeExtent{3, 1}) << 3.0 << 10.0;
    QTest::newRow("pace") << QStringList{"--seconds-per-turn", "2.5", "--seconds-per-cube", "0"}
                          << BuildOrder::TopDown << none << 2.5 << 0.0;
    QTest::newRow("slowest pace") << QStringList{"--seconds-per-turn", "3600", "--seconds-per-cube", "3600"}
                                  << BuildOrder::TopDown << none << 3600.0 << 3600.0;
}

void GuidePlanTest::readsPlanOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(BuildOrder, order);
    QFETCH(std::optional<CubeExtent>, panel);
    QFETCH(double, perTurn);
    QFETCH(double, perCube);

    const GuideCommandLine line = parseGuideCommandLine(QStringList{QStringLiteral("tessaly-guide")} + arguments);
    QCOMPARE(line.request, GuideCommandLine::Request::Run);
    const BuildPlanSettings &plan = line.options.plan;
    QVERIFY(plan.order == order);
    QVERIFY(plan.panel == panel);
    QCOMPARE(plan.pace.secondsPerTurn, perTurn);
    QCOMPARE(plan.pace.secondsPerCube, perCube);
}

void GuidePlanTest::pagesHoldEveryBlockOnce_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<BuildOrder>("order");
    QTest::addColumn<std::optional<CubeExtent>>("panel");
    QTest::addColumn<int>("panels");
    QTest::addColumn<int>("blocks");

    const auto panel = [](int columns, int rows) { return std::optional(CubeExtent{columns, rows}); };
    // Cards of A4 pages: blocks of 4 x 5 cubes.
    QTest::newRow("one panel, top-down") << QSize(41, 29) << false << BuildOrder::TopDown
                                         << std::optional<CubeExtent>() << 1 << 4 * 2;
    QTest::newRow("one panel, bottom-up, recipes") << QSize(41, 29) << true << BuildOrder::BottomUp
                                                   << std::optional<CubeExtent>() << 1 << 4 * 2;
    // 14 x 10 cubes in panels of 6 x 4: 3 x 3 panels, each 2 or 1 blocks across.
    QTest::newRow("panels not dividing the wall") << QSize(41, 29) << true << BuildOrder::TopDown << panel(6, 4) << 9
                                                  << 5 * 3;
    QTest::newRow("panels from the bottom") << QSize(41, 29) << false << BuildOrder::BottomUp << panel(6, 4) << 9
                                            << 5 * 3;
    QTest::newRow("panel bigger than the wall") << QSize(41, 29) << true << BuildOrder::TopDown << panel(99, 99) << 1
                                                << 4 * 2;
    QTest::newRow("panels of one cube") << QSize(9, 6) << true << BuildOrder::BottomUp << panel(1, 1) << 6 << 6;
}

void GuidePlanTest::pagesHoldEveryBlockOnce()
{
    QFETCH(QSize, cells);
    QFETCH(bool, solved);
    QFETCH(BuildOrder, order);
    QFETCH(std::optional<CubeExtent>, panel);
    QFETCH(int, panels);
    QFETCH(int, blocks);

    const BuildGuide guide = syntheticGuide(cells.width(), cells.height(), solved);
    const GuidePageContext context(guide, QPageSize(QPageSize::A4), {order, panel, {}});
    const GuidePagePlan &plan = context.plan;
    QCOMPARE(plan.panelCount(), panels);
    QCOMPARE(plan.blockCount(), blocks);
    QCOMPARE(plan.recipePages > 0, solved);

    QList<int> pagesOfBlock(blocks, 0);
    int panelPages = 0;
    int openPanel = -1; // the panel whose section is open
    for (int page = 0; page < plan.pageCount(); ++page) {
        const GuidePagePlan::Page shown = plan.pageAt(page);
        switch (shown.kind) {
        case GuidePagePlan::PageKind::Overview:
            QCOMPARE(page, 0);
            break;
        case GuidePagePlan::PageKind::Recipes:
            QCOMPARE(shown.index, page - 1);
            break;
        case GuidePagePlan::PageKind::Panel:
            QVERIFY(plan.wall.panelled);
            QCOMPARE(shown.index, openPanel + 1);
            QCOMPARE(plan.pageOfPanel(shown.index), page);
            openPanel = shown.index;
            ++panelPages;
            break;
        case GuidePagePlan::PageKind::Block:
            QVERIFY(page > plan.recipePages);
            ++pagesOfBlock[shown.index];
            QCOMPARE(plan.pageOfBlock(shown.index), page);
            if (plan.wall.panelled)
                QCOMPARE(plan.wall.blocks[std::size_t(shown.index)].panel, openPanel);
            break;
        }
    }
    QCOMPARE(pagesOfBlock, QList<int>(blocks, 1));
    QCOMPARE(panelPages, plan.wall.panelled ? panels : 0);

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    int written = 0;
    const QString error = writePdfGuide(
        guide, buffer, QPageSize(QPageSize::A4),
        [&](int done, int) {
            written = done;
            return true;
        },
        {order, panel, {}});
    QCOMPARE(error, QString());
    QCOMPARE(written, plan.pageCount());
}

void GuidePlanTest::recipePagesShowEachRecipesFace()
{
    const BuildGuide guide = syntheticGuide(41, 29, true);
    const QPageSize a4(QPageSize::A4);
    const GuidePageContext context(guide, a4);
    QVERIFY(context.plan.recipePages > 1);
    for (int recipePage : {0, context.plan.recipePages - 1}) {
        const QImage page = renderGuidePage(guide, 1 + recipePage, a4, 100);
        const auto &entries = context.recipePages.pages[std::size_t(recipePage)];
        QVERIFY(!entries.empty());
        for (int entry = 0; entry < int(entries.size()); ++entry) {
            const CubeFace &face = context.recipes[std::size_t(entries[std::size_t(entry)].recipe)].face;
            const QRectF square = recipeFaceRect(context, recipePage, entry);
            for (int place = 0; place < 9; ++place) {
                if (face[std::size_t(place)] == FaceMark::Outside)
                    continue; // hatched
                // The fill is the sticker's most common colour: its letter and
                // a black cell's ring take less.
                const qreal sticker = square.width() / 3;
                const QRectF inner = QRectF(square.left() + (place % 3) * sticker, square.top() + (place / 3) * sticker,
                                            sticker, sticker)
                                         .adjusted(1, 1, -1, -1);
                const QRect pixels((inner.topLeft() * 100 / 72.0).toPoint(), (inner.bottomRight() * 100 / 72.0).toPoint());
                QHash<QRgb, int> seen;
                for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                    for (int x = pixels.left(); x <= pixels.right(); ++x)
                        ++seen[page.pixel(x, y)];
                const QRgb mostCommon = std::ranges::max(seen.keys(), {}, [&](QRgb colour) { return seen[colour]; });
                QVERIFY2(mostCommon == stickerFillsOf(std::nullopt).of(face[std::size_t(place)]).rgb(),
                         qPrintable(QStringLiteral("page %1 entry %2 place %3").arg(recipePage).arg(entry).arg(place)));
            }
        }
    }
}

void GuidePlanTest::summaryCountsRecipesAndTime()
{
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("p.png"));
    // Cubes RGBOYKGGG, WW-RW-GW-, BBKWWW--- and WW-WW----: four faces, the
    // last of one colour, the other three needing turns.
    QVERIFY(letterPicture({"RGBW", "OYKR", "GGGG", "BBKW"}).save(picturePath));
    const GuideResult result = runGuide({"-c", "4", "-r", "4", "-t", ExactTolerances, "--seconds-per-turn", "0",
                                         "--seconds-per-cube", "90", "--panel", "1x1", "--order", "bottom-up",
                                         picturePath});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(QStringLiteral("Recipes:     4 faces, 3 of them need turns, for 3 cubes\n")),
             qPrintable(result.out));
    QVERIFY(result.out.contains(QStringLiteral("; none for 1 cube\n")));
    // Four cubes of 90 s; panels of one cube from the bottom row up.
    QVERIFY(result.out.contains(QStringLiteral("Build time:  6 min at 0 s a turn and 90 s a cube\n")));
    QVERIFY(result.out.contains(QStringLiteral("Per block:   2 min each\n")));
    QVERIFY(result.out.contains(QStringLiteral("Blocks:      4 of up to 1 x 1 cubes (one A4 page each), bottom-up, in 4 panels\n")));
    QVERIFY(result.out.contains(QStringLiteral("Panel 1:     columns 1, rows 2, blocks 1: 1 cube, 2 min\n")));
    QVERIFY(result.out.contains(QStringLiteral("Panel 4:     columns 2, rows 1, blocks 4: 1 cube, 2 min\n")));
}

void GuidePlanTest::canvasAloneKeepsNoCells()
{
    const QImage picture = letterPicture({"RGBWO", "OYKRY", "GGGGB", "BBKWW"});
    GuideFields fields;
    fields.columns = QStringLiteral("5");
    fields.rows = QStringLiteral("4");
    const GuideMosaic collected = makeGuideMosaic(picture, fields);
    const GuideMosaic skipped = makeGuideMosaic(picture, fields, {}, CellCollection::Skip);
    QCOMPARE(collected.cells.count(), 6 * 5);
    QCOMPARE(skipped.cells.count(), 0);
    QVERIFY(!skipped.refusal);
    QCOMPARE(skipped.canvas, collected.canvas);
}

QTEST_MAIN(GuidePlanTest)
#include "guideplan_qtest.moc"
