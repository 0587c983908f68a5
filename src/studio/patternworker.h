#pragma once

#include "pattern/photopattern.h"
#include "studio/newestjobrunner.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tessaly::studio {

// Makes a pattern: makePhotoPattern, or a stand-in in tests.
using PatternMaker = std::function<pattern::PhotoPatternResult(
    const pattern::SrgbPicture &, const pattern::PatternRecipe &, const pattern::PatternProgress &)>;

// A pattern finished for one request.
struct FinishedPattern
{
    unsigned long long request = 0; // as request() numbered it
    pattern::PatternRecipe recipe;
    pattern::PhotoPatternResult result; // never a cancelled one
};

// Makes patterns on a thread of its own so that the window never waits:
// the newest request wins. A request cancels the one being made (through
// its progress callback) and any still waiting; only the newest request's
// pattern is ever delivered, on the thread that owns the worker.
class PatternWorker : public QObject
{
    Q_OBJECT

public:
    explicit PatternWorker(PatternMaker maker, QObject *parent = nullptr);

    // Asks for the pattern of the picture with the recipe; returns the
    // request's number, higher than any before.
    unsigned long long request(std::shared_ptr<const pattern::SrgbPicture> picture,
                               const pattern::PatternRecipe &recipe);
    // Forgets every request: none will be delivered.
    void cancel();
    bool isBusy() const { return m_delivered < m_latest; }
    unsigned long long latestRequest() const { return m_latest; }

signals:
    // The newest request's pattern, or why it has none (result.error).
    void finished(const tessaly::studio::FinishedPattern &pattern);
    // How far the newest request is, now and then.
    void progressed(long long done, long long total);

private:
    // On the worker's thread: the pattern, or nothing when a newer request
    // stopped it.
    std::optional<pattern::PhotoPatternResult> make(const pattern::SrgbPicture &picture,
                                                    const pattern::PatternRecipe &recipe,
                                                    const NewestJobRunner::StillWanted &stillWanted);

    PatternMaker m_maker;
    unsigned long long m_latest = 0;    // the newest request
    unsigned long long m_delivered = 0; // the newest request delivered or cancelled
    NewestJobRunner m_jobs{QStringLiteral("pattern worker")}; // last: stops its job before the rest goes
};

} // namespace tessaly::studio
