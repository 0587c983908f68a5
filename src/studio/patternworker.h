#pragma once

#include "pattern/photopattern.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

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
    ~PatternWorker() override; // cancels the work and waits for the thread

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
    void make(unsigned long long request, const std::shared_ptr<const pattern::SrgbPicture> &picture,
              const pattern::PatternRecipe &recipe);
    void deliver(FinishedPattern pattern);

    PatternMaker m_maker;
    QThread m_thread;
    QObject *m_runner = nullptr; // lives on m_thread; deleted when it finishes
    std::atomic<unsigned long long> m_current{0}; // the request the thread should be making
    unsigned long long m_latest = 0;    // owner's thread only
    unsigned long long m_delivered = 0; // owner's thread only
};

} // namespace tessaly::studio
