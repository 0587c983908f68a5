#include "studio/patternworker.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <mutex>
#include <set>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

// A maker whose pattern is a 3 x 3 grid of the recipe's first palette
// colour, with the recipe's wall columns as its likeness so that each
// request's result can be told apart. While held, it keeps asking its
// progress until that says stop or it is let go.
struct TestMaker
{
    std::atomic<bool> held{false};
    std::atomic<int> started{0};
    std::atomic<int> cancelled{0};

    PatternMaker maker()
    {
        return [this](const pattern::SrgbPicture &, const pattern::PatternRecipe &recipe,
                      const pattern::PatternProgress &progress) {
            ++started;
            pattern::PhotoPatternResult result;
            do {
                if (!progress(1, 2)) {
                    ++cancelled;
                    result.cancelled = true;
                    return result;
                }
                QThread::msleep(2);
            } while (held);
            result.pattern = pattern::PhotoPattern{
                pattern::StickerGrid(3, 3, recipe.palette.colours.front().sticker), {}, double(recipe.wall.columns)};
            return result;
        };
    }
};

pattern::PatternRecipe recipeOfColumns(int columns)
{
    pattern::PatternRecipe recipe;
    recipe.wall = {columns, 1};
    return recipe;
}

std::shared_ptr<const pattern::SrgbPicture> anyPicture()
{
    return std::make_shared<const pattern::SrgbPicture>();
}

} // namespace

class PatternWorkerTest : public QObject
{
    Q_OBJECT

private slots:
    void deliversTheRequestedPattern()
    {
        TestMaker maker;
        PatternWorker worker(maker.maker());
        QSignalSpy finished(&worker, &PatternWorker::finished);
        std::vector<double> delivered;
        connect(&worker, &PatternWorker::finished, this,
                [&](const FinishedPattern &pattern) { delivered.push_back(pattern.result.pattern->likeness); });
        const auto request = worker.request(anyPicture(), recipeOfColumns(7));
        QVERIFY(worker.isBusy());
        QVERIFY(finished.wait(5000));
        QCOMPARE(delivered, std::vector<double>{7});
        QVERIFY(!worker.isBusy());
        QCOMPARE(request, worker.latestRequest());
    }

    void aNewerRequestCancelsTheOlderAndOnlyItIsShown()
    {
        TestMaker maker;
        maker.held = true;
        PatternWorker worker(maker.maker());
        std::vector<double> delivered;
        connect(&worker, &PatternWorker::finished, this,
                [&](const FinishedPattern &pattern) { delivered.push_back(pattern.result.pattern->likeness); });
        worker.request(anyPicture(), recipeOfColumns(1));
        QTRY_COMPARE_WITH_TIMEOUT(maker.started.load(), 1, 5000);
        // Requests 2 and 3 come while 1 runs: 1 is stopped, 2 never starts.
        worker.request(anyPicture(), recipeOfColumns(2));
        worker.request(anyPicture(), recipeOfColumns(3));
        QTRY_COMPARE_WITH_TIMEOUT(maker.cancelled.load(), 1, 5000);
        maker.held = false;
        QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), std::size_t(1), 5000);
        QTest::qWait(50);
        QCOMPARE(delivered, std::vector<double>{3});
        QCOMPARE(maker.started.load(), 2);
    }

    void aResultThatFinishedTooLateIsDropped()
    {
        // The maker ignores cancelling; the older result reaches the window's
        // thread after the newer request was made and must not be shown.
        std::atomic<bool> release{false};
        PatternWorker worker([&](const pattern::SrgbPicture &, const pattern::PatternRecipe &recipe,
                                 const pattern::PatternProgress &) {
            while (recipe.wall.columns == 1 && !release)
                QThread::msleep(1);
            pattern::PhotoPatternResult result;
            result.pattern = pattern::PhotoPattern{pattern::StickerGrid(3, 3), {}, double(recipe.wall.columns)};
            return result;
        });
        std::vector<double> delivered;
        connect(&worker, &PatternWorker::finished, this,
                [&](const FinishedPattern &pattern) { delivered.push_back(pattern.result.pattern->likeness); });
        worker.request(anyPicture(), recipeOfColumns(1));
        QTest::qWait(20);
        worker.request(anyPicture(), recipeOfColumns(2));
        release = true;
        QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), std::size_t(1), 5000);
        QTest::qWait(50);
        QCOMPARE(delivered, std::vector<double>{2});
    }

    void cancelDeliversNothing()
    {
        TestMaker maker;
        maker.held = true;
        PatternWorker worker(maker.maker());
        QSignalSpy finished(&worker, &PatternWorker::finished);
        worker.request(anyPicture(), recipeOfColumns(4));
        QTRY_COMPARE_WITH_TIMEOUT(maker.started.load(), 1, 5000);
        worker.cancel();
        QTRY_COMPARE_WITH_TIMEOUT(maker.cancelled.load(), 1, 5000);
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!worker.isBusy());
    }
};

QTEST_GUILESS_MAIN(PatternWorkerTest)
#include "patternworker_qtest.moc"
