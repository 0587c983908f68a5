#include "studio/patternworker.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace tessaly::studio {

namespace {

// The least time between two progress reports.
constexpr int ProgressInterval = 50; // ms

} // namespace

PatternWorker::PatternWorker(PatternMaker maker, QObject *parent)
    : QObject(parent)
    , m_maker(std::move(maker))
{
}

unsigned long long PatternWorker::request(std::shared_ptr<const pattern::SrgbPicture> picture,
                                          const pattern::PatternRecipe &recipe)
{
    using Made = std::optional<pattern::PhotoPatternResult>;
    m_latest = m_jobs.run<Made>(
        [this, picture = std::move(picture), recipe](const NewestJobRunner::StillWanted &stillWanted) {
            return make(*picture, recipe, stillWanted);
        },
        [this, recipe](Made made) {
            // Delivered only while this is the newest request: m_latest.
            m_delivered = m_latest;
            if (made)
                emit finished(FinishedPattern{m_latest, recipe, std::move(*made)});
        });
    return m_latest;
}

void PatternWorker::cancel()
{
    m_jobs.cancel();
    m_delivered = m_latest;
}

std::optional<pattern::PhotoPatternResult> PatternWorker::make(const pattern::SrgbPicture &picture,
                                                               const pattern::PatternRecipe &recipe,
                                                               const NewestJobRunner::StillWanted &stillWanted)
{
    QElapsedTimer sinceReport;
    sinceReport.start();
    const pattern::PatternProgress progress = [&](long long done, long long total) {
        if (!stillWanted())
            return false;
        if (sinceReport.elapsed() >= ProgressInterval) {
            sinceReport.restart();
            QMetaObject::invokeMethod(this, [this, stillWanted, done, total] {
                if (stillWanted())
                    emit progressed(done, total);
            });
        }
        return true;
    };
    pattern::PhotoPatternResult result = m_maker(picture, recipe, progress);
    if (result.cancelled)
        return std::nullopt;
    return result;
}

} // namespace tessaly::studio
