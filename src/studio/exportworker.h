#pragma once

#include "studio/patternexport.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace tessaly::studio {

// Writes one export at a time on a thread of its own, so that the window
// stays responsive and can show its progress and a Cancel button.
class ExportWorker : public QObject
{
    Q_OBJECT

public:
    explicit ExportWorker(QObject *parent = nullptr);
    ~ExportWorker() override; // cancels a running export and waits for it

    // Starts making the guide with makeGuide and writing the export (see
    // writePatternExport), both on the worker's thread; false, doing
    // nothing, while another runs.
    bool start(ExportKind kind, std::function<ProjectGuide()> makeGuide, const ExportSettings &settings,
               const QString &path);
    // Asks the running export to stop; it then finishes as cancelled and
    // leaves any earlier file intact.
    void cancel() { m_cancelled = true; }
    bool isRunning() const { return m_thread != nullptr; }

signals:
    // How far the export is, now and then.
    void progressed(int done, int total);
    // The export ended; delivered on the thread that owns the worker.
    void finished(const tessaly::studio::ExportOutcome &outcome);

private:
    void deliver(const ExportOutcome &outcome);

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_cancelled{false};
};

} // namespace tessaly::studio
