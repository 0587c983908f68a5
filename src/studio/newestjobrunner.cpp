#include "studio/newestjobrunner.h"
#include "studio/backgroundpriority.h"

namespace tessaly::studio {

NewestJobRunner::NewestJobRunner(const QString &name, QObject *parent)
    : QObject(parent)
    , m_runner(new QObject)
{
    m_runner->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_runner, &QObject::deleteLater);
    m_thread.setObjectName(name);
    runBelowWindowPriority(m_thread);
    m_thread.start();
}

NewestJobRunner::~NewestJobRunner()
{
    cancel();
    m_thread.quit();
    m_thread.wait();
}

} // namespace tessaly::studio
