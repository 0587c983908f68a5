#include "studio/newestjobrunner.h"

#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <vector>

using namespace tessaly::studio;

class NewestJobRunnerTest : public QObject
{
    Q_OBJECT

private slots:
    // While the first job is held, three more are asked for: the two in
    // between never run, and only the newest result arrives, on this thread.
    void deliversTheNewestJobOnly()
    {
        NewestJobRunner runner(QStringLiteral("test runner"));
        QSemaphore started;
        QSemaphore release;
        std::vector<int> ran;      // written on the runner's thread, read after delivery
        std::vector<int> delivered;
        QThread *deliveredOn = nullptr;
        const auto job = [&](int number) {
            return std::function<int()>([&, number] {
                if (number == 0) {
                    started.release();
                    release.acquire();
                }
                ran.push_back(number);
                return number * 10;
            });
        };
        const std::function<void(int)> deliver = [&](int result) {
            delivered.push_back(result);
            deliveredOn = QThread::currentThread();
        };
        runner.run(job(0), deliver);
        QVERIFY(started.tryAcquire(1, 10'000));
        for (int number = 1; number <= 3; ++number)
            runner.run(job(number), deliver);
        release.release();
        QTRY_COMPARE(delivered, std::vector<int>{30});
        QCOMPARE(ran, (std::vector<int>{0, 3}));
        QCOMPARE(deliveredOn, QThread::currentThread());
    }

    void cancelDeliversNothing()
    {
        NewestJobRunner runner(QStringLiteral("test runner"));
        QSemaphore release;
        bool delivered = false;
        runner.run<int>([&] { release.acquire(); return 1; }, [&](int) { delivered = true; });
        runner.cancel();
        release.release();
        // A later job is delivered, so the cancelled one had its chance.
        bool later = false;
        runner.run<int>([] { return 2; }, [&](int) { later = true; });
        QTRY_VERIFY(later);
        QVERIFY(!delivered);
    }

    // A long job sees through stillWanted that a newer one was asked for,
    // and stops; the numbers the runner gives rise.
    void aLongJobLearnsItIsOvertaken()
    {
        NewestJobRunner runner(QStringLiteral("test runner"));
        QSemaphore started;
        std::atomic<bool> stopped = false;
        const unsigned long long first = runner.run<int>(
            [&](const NewestJobRunner::StillWanted &stillWanted) {
                started.release();
                while (stillWanted())
                    QThread::msleep(1);
                stopped = true;
                return 1;
            },
            [](int) {});
        QVERIFY(started.tryAcquire(1, 10'000));
        int delivered = 0;
        const unsigned long long second = runner.run<int>([] { return 2; }, [&](int result) { delivered = result; });
        QVERIFY(second > first);
        QTRY_COMPARE(delivered, 2);
        QVERIFY(stopped);
    }
};

QTEST_MAIN(NewestJobRunnerTest)
#include "newestjobrunner_qtest.moc"
