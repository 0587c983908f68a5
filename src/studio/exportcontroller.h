#pragma once

#include "studio/exportworker.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QWidget;

namespace tessaly::studio {

// How an export is offered: its dialogs' title, the file dialog's filter
// and the suffix a name without one gets. Translated.
struct ExportFormat
{
    QString title;
    QString filter;
    QString suffix;
    QString nameEnding; // after the project's name in a suggested file name
};
ExportFormat exportFormat(ExportKind kind);

// The pattern an export would write now: its guide when the pattern of the
// current settings is made, else whether it is still being made.
struct ExportablePattern
{
    // Makes the guide of the pattern as the builder left it, off the window's
    // thread (it builds every cube and scores touch-ups); empty when there is
    // no pattern of the current settings.
    std::function<ProjectGuide()> makeGuide;
    bool beingMade = false;
    GuideLayout layout; // how the guide is printed and planned
};

// The window's exports: one at a time on an ExportWorker, its progress and
// a Cancel button in a strip for the window's status bar while the window
// stays usable; waiting for the pattern of the current settings while it
// is being made, a failure told in a message box.
class ExportController : public QObject
{
    Q_OBJECT

public:
    // window: the parent of the dialogs and of the progress strip; current:
    // the pattern to export now.
    ExportController(QWidget &window, std::function<ExportablePattern()> current);

    // Writes the export to path, once the pattern is made if it is being
    // made; while another export is under way it says so in a message box
    // and does nothing.
    void exportPattern(ExportKind kind, const QString &path);
    // The progress strip, shown while an export is under way; for the
    // window's status bar, which then owns it.
    QWidget *progressStrip() const { return m_strip; }
    // A pattern was made, or failed: a waiting export starts, or fails.
    void patternChanged();
    ExportWorker &worker() { return m_worker; }

signals:
    // What became of an export, for the status line.
    void statusChanged(const QString &message);

private:
    void startWaitingExport();
    void cancel();
    void finish(const ExportOutcome &outcome);

    QWidget &m_window;
    std::function<ExportablePattern()> m_current;
    ExportWorker m_worker;
    QWidget *m_strip = nullptr; // shown while an export is asked for
    QLabel *m_progressText = nullptr;
    QProgressBar *m_progress = nullptr;
    struct Request
    {
        ExportKind kind;
        QString path;
    };
    std::optional<Request> m_request; // waiting for its pattern or being written
};

} // namespace tessaly::studio
