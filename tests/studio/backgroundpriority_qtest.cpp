#include "studio/backgroundpriority.h"

#include <QTest>
#include <QThread>

#include <thread>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace tessaly::studio;

class BackgroundPriorityTest : public QObject
{
    Q_OBJECT

private slots:
    // The thread's work, and a helper thread that work starts, both run
    // below the window thread's priority; the window thread keeps its own.
    void workAndItsHelpersGiveWayToTheWindow()
    {
#ifndef Q_OS_LINUX
        QSKIP("nice values per thread are a Linux feature");
#else
        const int windowNiceness = getpriority(PRIO_PROCESS, id_t(gettid()));
        if (windowNiceness >= 19)
            QSKIP("this test runs at the lowest priority already");
        int workNiceness = windowNiceness;
        int helperNiceness = windowNiceness;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            workNiceness = getpriority(PRIO_PROCESS, id_t(gettid()));
            std::thread helper([&] { helperNiceness = getpriority(PRIO_PROCESS, id_t(gettid())); });
            helper.join();
        }));
        runBelowWindowPriority(*thread);
        thread->start();
        QVERIFY(thread->wait(10'000));

        QCOMPARE_GT(workNiceness, windowNiceness);
        QCOMPARE(helperNiceness, workNiceness);
        QCOMPARE(getpriority(PRIO_PROCESS, id_t(gettid())), windowNiceness);
#endif
    }
};

QTEST_GUILESS_MAIN(BackgroundPriorityTest)
#include "backgroundpriority_qtest.moc"
