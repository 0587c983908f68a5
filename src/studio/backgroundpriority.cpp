#include "studio/backgroundpriority.h"

#include <QThread>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>

#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tessaly::studio {

namespace {

// Steps of niceness below the thread that started the work: the scheduler
// then gives the work about a third of the time of that thread when both
// want one core, enough for the window to win without starving the work when
// other programs are busy.
constexpr int BackgroundNiceness = 5;
constexpr int MostNiceness = 19;

void lowerCurrentThreadPriority()
{
#ifdef Q_OS_LINUX
    // Linux keeps a nice value per thread and hands it to the threads that
    // thread starts; QThread::setPriority has no effect under the default
    // scheduling policy. Relative to the thread's own, so that a program
    // started niced keeps its work below its window too; a failure only
    // leaves the priority as it was.
    const id_t thread = id_t(gettid());
    errno = 0;
    const int niceness = getpriority(PRIO_PROCESS, thread);
    if (errno == 0)
        setpriority(PRIO_PROCESS, thread, std::min(niceness + BackgroundNiceness, MostNiceness));
#else
    QThread::currentThread()->setPriority(QThread::LowPriority);
#endif
}

} // namespace

void runBelowWindowPriority(QThread &thread)
{
    // A direct connection: the slot runs on the new thread as it starts.
    QObject::connect(&thread, &QThread::started, &thread, &lowerCurrentThreadPriority, Qt::DirectConnection);
}

} // namespace tessaly::studio
