#include "studio/exportworker.h"
#include "studio/backgroundpriority.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace tessaly::studio {

namespace {

constexpr int ProgressInterval = 50; // ms between progress reports, so that the window is not flooded

} // namespace

ExportWorker::ExportWorker(QObject *parent)
    : QObject(parent)
{
}

ExportWorker::~ExportWorker()
{
    if (m_thread) {
        m_cancelled = true;
        m_thread->wait();
    }
}

bool ExportWorker::start(ExportKind kind, std::function<ProjectGuide()> makeGuide, const ExportSettings &settings,
                         const QString &path)
{
    if (m_thread)
        return false;
    m_cancelled = false;
    m_thread.reset(QThread::create([this, kind, makeGuide = std::move(makeGuide), settings, path] {
        QElapsedTimer sinceReport;
        sinceReport.start();
        const ExportOutcome outcome =
            writePatternExport(kind, makeGuide(), settings, path, [this, &sinceReport](int done, int total) {
                if (sinceReport.elapsed() >= ProgressInterval) {
                    sinceReport.restart();
                    QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); });
                }
                return !m_cancelled;
            });
        QMetaObject::invokeMethod(this, [this, outcome] { deliver(outcome); });
    }));
    m_thread->setObjectName(QStringLiteral("export worker"));
    runBelowWindowPriority(*m_thread);
    m_thread->start();
    return true;
}

void ExportWorker::deliver(const ExportOutcome &outcome)
{
    m_thread->wait();
    m_thread.reset();
    emit finished(outcome);
}

} // namespace tessaly::studio
