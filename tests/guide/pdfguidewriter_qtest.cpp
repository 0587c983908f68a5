#include "guide/guidepagecontext.h"
#include "guide/guidepageimage.h"
#include "guide/guidepageoverview.h"
#include "guide/pdfguidewriter.h"
#include "support/pdfsyntheticguide.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace tessaly;
using tessaly::test::syntheticGuide;
using tessaly::test::syntheticMark;

namespace {

constexpr int Dpi = 100; // a sticker of 23 pt is 32 pixels across

QPoint pixelAt(QPointF points)
{
    return (points * Dpi / 72.0).toPoint();
}

QColor expectedFill(FaceMark mark)
{
    switch (mark) {
    case FaceMark::White:  return {255, 255, 255};
    case FaceMark::Yellow: return {255, 255, 0};
    case FaceMark::Red:    return {255, 0, 0};
    case FaceMark::Orange: return {255, 128, 0};
    case FaceMark::Blue:   return {0, 0, 255};
    case FaceMark::Green:  return {0, 255, 0};
    case FaceMark::Black:  return {0, 0, 0};
    case FaceMark::Outside: break;
    }
    return {255, 255, 255};
}

// Writes the guide to memory; returns the reason of a failure, else empty.
QString writeToBuffer(const BuildGuide &guide, QByteArray &pdf, const QPageSize &pageSize,
                      const std::function<bool(int, int)> &progress = {})
{
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    return writePdfGuide(guide, buffer, pageSize, progress);
}

} // namespace

Q_DECLARE_METATYPE(BuildGuide)

class PdfGuideWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void plansBlocksForEveryWallAndPage_data();
    void plansBlocksForEveryWallAndPage();
    void blockPageShowsEachStickerAtItsPlace_data();
    void blockPageShowsEachStickerAtItsPlace();
    void overviewShowsEachCellOfTheMosaic();
    void gripAndMovesStayBlankUntilSolved();
    void writesOnePdfPageForEveryPlannedPage();
    void cancelStopsAtOnce();
    void refusesWhatItCannotWrite_data();
    void refusesWhatItCannotWrite();
    void reportsAFullDisk();
};

void PdfGuideWriterTest::plansBlocksForEveryWallAndPage_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QSize>("blockCubes");
    QTest::addColumn<QSize>("blocks");
    QTest::addColumn<QRect>("lastBlock");

    const QPageSize a4(QPageSize::A4);
    const QPageSize letter(QPageSize::Letter);
    // Cards of 126 x 125 pt: A4 holds 4 x 5 of them, Letter 4 x 4.
    QTest::newRow("one cube, A4") << QSize(3, 3) << a4 << QSize(1, 1) << QSize(1, 1) << QRect(1, 1, 1, 1);
    QTest::newRow("one partial cube, Letter") << QSize(2, 1) << letter << QSize(1, 1) << QSize(1, 1)
                                              << QRect(1, 1, 1, 1);
    QTest::newRow("wall smaller than a block") << QSize(10, 4) << a4 << QSize(4, 2) << QSize(1, 1)
                                               << QRect(1, 1, 4, 2);
    QTest::newRow("1,085 cubes, A4") << QSize(105, 92) << a4 << QSize(4, 5) << QSize(9, 7) << QRect(33, 31, 3, 1);
    QTest::newRow("1,085 cubes, Letter") << QSize(105, 92) << letter << QSize(4, 4) << QSize(9, 8)
                                         << QRect(33, 29, 3, 3);
    QTest::newRow("300 x 20 cubes, A4") << QSize(900, 60) << a4 << QSize(4, 5) << QSize(75, 4)
                                        << QRect(297, 16, 4, 5);
    QTest::newRow("300 x 20 cubes, Letter") << QSize(900, 60) << letter << QSize(4, 4) << QSize(75, 5)
                                            << QRect(297, 17, 4, 4);
    QTest::newRow("one column of cubes") << QSize(3, 300) << a4 << QSize(1, 5) << QSize(1, 20)
                                         << QRect(1, 96, 1, 5);
    QTest::newRow("100,489 cubes, A4") << QSize(949, 949) << a4 << QSize(4, 5) << QSize(80, 64)
                                       << QRect(317, 316, 1, 2);
}

void PdfGuideWriterTest::plansBlocksForEveryWallAndPage()
{
    QFETCH(QSize, cells);
    QFETCH(QPageSize, pageSize);
    QFETCH(QSize, blockCubes);
    QFETCH(QSize, blocks);
    QFETCH(QRect, lastBlock);

    const BuildGuide guide = syntheticGuide(cells.width(), cells.height(), false);
    const GuidePageContext context(guide, pageSize);
    const GuidePagePlan &plan = context.plan;
    QCOMPARE(QSize(plan.blockColumns, plan.blockRows), blockCubes);
    QCOMPARE(QSize(plan.blocksAcross, plan.blocksDown), blocks);
    QCOMPARE(plan.pageCount(), 1 + blocks.width() * blocks.height());
    QCOMPARE(plan.blockCubes(0).topLeft(), QPoint(1, 1));
    QCOMPARE(plan.blockCubes(plan.blockCount() - 1), lastBlock);
    if (plan.blocksAcross > 1) // the second block starts the next block across
        QCOMPARE(plan.blockCubes(1).topLeft(), QPoint(1 + blockCubes.width(), 1));
}

void PdfGuideWriterTest::blockPageShowsEachStickerAtItsPlace_data()
{
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<int>("block");
    QTest::newRow("A4, first block") << QPageSize(QPageSize::A4) << 0;
    QTest::newRow("Letter, a block at the right edge") << QPageSize(QPageSize::Letter) << 3;
}

void PdfGuideWriterTest::blockPageShowsEachStickerAtItsPlace()
{
    QFETCH(QPageSize, pageSize);
    QFETCH(int, block);

    // 14 x 10 cubes, the last column and row partial.
    const int cellColumns = 41;
    const int cellRows = 29;
    const BuildGuide guide = syntheticGuide(cellColumns, cellRows, true);
    const GuidePageContext context(guide, pageSize);
    const QImage page = renderGuidePage(guide, context.plan.pageOfBlock(block), pageSize, Dpi);
    QVERIFY(!page.isNull());

    const QRect cubes = context.plan.blockCubes(block);
    int blackSeen = 0;
    for (int row = cubes.top(); row <= cubes.bottom(); ++row) {
        for (int column = cubes.left(); column <= cubes.right(); ++column) {
            const QRectF face = PageLayout::faceRect(context.layout.cardRect(column - cubes.left(), row - cubes.top()));
            for (int place = 0; place < 9; ++place) {
                const int x = 3 * (column - 1) + place % 3;
                const int y = 3 * (row - 1) + place / 3;
                const FaceMark mark = x < cellColumns && y < cellRows ? syntheticMark(x, y, cellColumns, cellRows)
                                                                      : FaceMark::Outside;
                if (mark == FaceMark::Outside)
                    continue; // hatched
                // Left of the letter, inside a black cell's ring.
                const qreal sticker = face.width() / 3;
                const QPointF clear(face.left() + (place % 3 + 0.22) * sticker,
                                    face.top() + (place / 3 + 0.5) * sticker);
                const QColor seen = page.pixelColor(pixelAt(clear));
                QVERIFY2(seen == expectedFill(mark),
                         qPrintable(QStringLiteral("cube %1, %2 place %3: %4").arg(column).arg(row).arg(place).arg(seen.name())));
                blackSeen += mark == FaceMark::Black;
            }
        }
    }
    QVERIFY(blackSeen > 0 || block > 0); // the first block of this pattern has black cells
}

void PdfGuideWriterTest::overviewShowsEachCellOfTheMosaic()
{
    const int cellColumns = 100; // the last cube column is partial
    const int cellRows = 60;
    const BuildGuide guide = syntheticGuide(cellColumns, cellRows, false);
    const QPageSize a4(QPageSize::A4);
    const GuidePageContext context(guide, a4);
    const QImage page = renderGuidePage(guide, 0, a4, Dpi);
    const QRectF mosaic = overviewMosaicRect(context);
    const qreal cell = mosaic.width() / cellColumns;
    QVERIFY(cell * Dpi / 72.0 > 4); // several pixels a cell

    // The middle cell of every cube, clear of the grid; the last cube column
    // has only its first place.
    for (int y = 1; y < cellRows; y += 3) {
        for (int x = 1; x < cellColumns; x += 3) {
            const QPointF centre(mosaic.left() + (x + 0.5) * cell, mosaic.top() + (y + 0.5) * cell);
            const QColor seen = page.pixelColor(pixelAt(centre));
            QCOMPARE(seen, expectedFill(syntheticMark(x, y, cellColumns, cellRows)));
        }
    }
}

void PdfGuideWriterTest::gripAndMovesStayBlankUntilSolved()
{
    const QPageSize a4(QPageSize::A4);
    const BuildGuide unsolved = syntheticGuide(12, 12, false);
    const BuildGuide solved = syntheticGuide(12, 12, true);
    const GuidePageContext context(solved, a4);
    const QRectF card = context.layout.cardRect(0, 0);
    const QRectF face = PageLayout::faceRect(card);
    // Right of the face and under it, inside the card's frame.
    const QRectF grip(QPointF(face.right() + 2, face.top()), QPointF(PageLayout::cardFrame(card).right() - 2, face.bottom()));
    const QRectF moves(QPointF(face.left(), face.bottom() + 2), PageLayout::cardFrame(card).bottomRight() - QPointF(2, 2));

    const auto inkIn = [](const QImage &page, const QRectF &area) {
        int ink = 0;
        const QRect pixels(pixelAt(area.topLeft()), pixelAt(area.bottomRight()));
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ink += page.pixelColor(x, y) != QColor(Qt::white);
        return ink;
    };
    // The solved guide's recipe pages come first.
    const QImage unsolvedPage = renderGuidePage(unsolved, 1, a4, Dpi);
    const QImage solvedPage = renderGuidePage(solved, context.plan.pageOfBlock(0), a4, Dpi);
    QCOMPARE(inkIn(unsolvedPage, grip), 0);
    QCOMPARE(inkIn(unsolvedPage, moves), 0);
    QVERIFY(inkIn(solvedPage, grip) > 100);
    QVERIFY(inkIn(solvedPage, moves) > 100);
}

void PdfGuideWriterTest::writesOnePdfPageForEveryPlannedPage()
{
    // 7 x 6 cubes: on A4 two blocks across, two down; unsolved, no recipe pages.
    const BuildGuide guide = syntheticGuide(20, 17, false);
    QByteArray pdf;
    QList<QPair<int, int>> calls;
    const QString error = writeToBuffer(guide, pdf, QPageSize(QPageSize::A4), [&](int done, int total) {
        calls.append({done, total});
        return true;
    });
    QCOMPARE(error, QString());
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    const QList<QPair<int, int>> expected = {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}};
    QCOMPARE(calls, expected);
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 5);
}

void PdfGuideWriterTest::cancelStopsAtOnce()
{
    const BuildGuide guide = syntheticGuide(60, 60, true);
    QByteArray pdf;
    int calls = 0;
    const QString error = writeToBuffer(guide, pdf, QPageSize(QPageSize::Letter), [&](int done, int) {
        ++calls;
        return done < 2;
    });
    QCOMPARE(error, QStringLiteral("cancelled"));
    QCOMPARE(calls, 2);
}

void PdfGuideWriterTest::refusesWhatItCannotWrite_data()
{
    QTest::addColumn<BuildGuide>("guide");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<int>("openMode");

    const BuildGuide good = syntheticGuide(9, 9, false);
    BuildGuide cubesMissing = good;
    cubesMissing.cubes.pop_back();
    const QPageSize a4(QPageSize::A4);
    QTest::newRow("device not open") << good << a4 << int(QIODevice::NotOpen);
    QTest::newRow("device only readable") << good << a4 << int(QIODevice::ReadOnly);
    QTest::newRow("no cubes") << BuildGuide{} << a4 << int(QIODevice::WriteOnly);
    QTest::newRow("cubes missing") << cubesMissing << a4 << int(QIODevice::WriteOnly);
    QTest::newRow("no page size") << good << QPageSize() << int(QIODevice::WriteOnly);
    QTest::newRow("page smaller than a cube") << good << QPageSize(QSizeF(60, 60), QPageSize::Millimeter)
                                              << int(QIODevice::WriteOnly);
}

void PdfGuideWriterTest::refusesWhatItCannotWrite()
{
    QFETCH(BuildGuide, guide);
    QFETCH(QPageSize, pageSize);
    QFETCH(int, openMode);

    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (openMode != QIODevice::NotOpen)
        buffer.open(QIODevice::OpenMode(openMode));
    int calls = 0;
    const QString error = writePdfGuide(guide, buffer, pageSize, [&](int, int) { return ++calls > 0; });
    QVERIFY(!error.isEmpty());
    QCOMPARE(calls, 0);
    QVERIFY(pdf.isEmpty());
}

void PdfGuideWriterTest::reportsAFullDisk()
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("no /dev/full here");
    const BuildGuide guide = syntheticGuide(60, 60, true);
    const QString error = writePdfGuide(guide, full, QPageSize(QPageSize::A4));
    QVERIFY(!error.isEmpty());
    QVERIFY(error != QStringLiteral("cancelled"));
}

QTEST_MAIN(PdfGuideWriterTest)
#include "pdfguidewriter_qtest.moc"
