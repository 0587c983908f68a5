#include "studio/patternworker.h"
#include "studio/backgroundpriority.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace tessaly::studio {

PatternWorker::PatternWorker(PatternMaker maker, QObject *parent)
    : QObject(parent)
    , m_maker(std::move(maker))
    , m_runner(new QObject)
{
    m_runner->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_runner, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("pattern worker"));
    runBelowWindowPriority(m_thread);
    m_thread.start();
}

PatternWorker::~PatternWorker()
{
    cancel();
    m_thread.quit();
    m_thread.wait();
}

unsigned long long PatternWorker::request(std::shared_ptr<const pattern::SrgbPicture> picture,
                                          const pattern::PatternRecipe &recipe)
{
    const unsigned long long number = ++m_latest;
    m_current = number;
    QMetaObject::invokeMethod(m_runner, [this, number, picture = std::move(picture), recipe] {
        make(number, picture, recipe);
    });
    return number;
}

void PatternWorker::cancel()
{
    // No request will have this number, so whatever runs stops and nothing
    // waiting starts.
    m_current = ++m_latest;
    m_delivered = m_latest;
}

// On the worker's thread.
void PatternWorker::make(unsigned long long request, const std::shared_ptr<const pattern::SrgbPicture> &picture,
                         const pattern::PatternRecipe &recipe)
{
    if (m_current != request)
        return; // a newer request came before this one started
    QElapsedTimer sinceReport;
    sinceReport.start();
    const pattern::PatternProgress progress = [&](long long done, long long total) {
        if (m_current != request)
            return false;
        if (sinceReport.elapsed() >= 50) {
            sinceReport.restart();
            QMetaObject::invokeMethod(this, [this, request, done, total] {
                if (request == m_latest)
                    emit progressed(done, total);
            });
        }
        return true;
    };
    pattern::PhotoPatternResult result = m_maker(*picture, recipe, progress);
    if (result.cancelled || m_current != request)
        return;
    QMetaObject::invokeMethod(this, [this, finished = FinishedPattern{request, recipe, std::move(result)}]() mutable {
        deliver(std::move(finished));
    });
}

void PatternWorker::deliver(FinishedPattern pattern)
{
    // A request made after this one started may still have been too late
    // to stop it: its result is stale.
    if (pattern.request != m_latest)
        return;
    m_delivered = pattern.request;
    emit finished(pattern);
}

} // namespace tessaly::studio
