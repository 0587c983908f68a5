#include "studio/exportcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>

#include <utility>

namespace tessaly::studio {

namespace {

constexpr int ProgressDelay = 300; // ms before the progress dialog shows: quick exports never flash one

} // namespace

ExportFormat exportFormat(ExportKind kind)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("tessaly::studio::ExportController", text); };
    switch (kind) {
    case ExportKind::PdfGuide:
        return {tr("Export PDF Guide"), tr("PDF documents (*.pdf)"), QStringLiteral("pdf"), QString()};
    case ExportKind::CsvGuide:
        return {tr("Export CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"), QString()};
    case ExportKind::Preview:
        return {tr("Export Preview PNG"), tr("PNG pictures (*.png)"), QStringLiteral("png"), QStringLiteral("-preview")};
    case ExportKind::StickerMap:
        return {tr("Export Sticker Map"), tr("PNG pictures (*.png)"), QStringLiteral("png"), QStringLiteral("-stickers")};
    }
    return {};
}

ExportController::ExportController(QWidget &window, std::function<ExportablePattern()> current)
    : m_window(window)
    , m_current(std::move(current))
{
    connect(&m_worker, &ExportWorker::finished, this, &ExportController::finish);
}

void ExportController::exportPattern(ExportKind kind, const QString &path)
{
    if (m_request)
        return; // the progress dialog is modal: only code can ask for a second one
    m_request = Request{kind, path};
    m_progress = new QProgressDialog(tr("Waiting for the pattern…"), tr("Cancel"), 0, 0, &m_window);
    m_progress->setWindowTitle(exportFormat(kind).title);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(ProgressDelay);
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        if (m_worker.isRunning())
            m_worker.cancel();
        else
            finish({{}, true});
    });
    connect(&m_worker, &ExportWorker::progressed, m_progress, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    startWaitingExport();
}

void ExportController::patternChanged()
{
    startWaitingExport();
}

void ExportController::startWaitingExport()
{
    if (!m_request || m_worker.isRunning())
        return;
    ExportablePattern current = m_current();
    if (!current.makeGuide) {
        // Nothing is being made, so the current settings made no pattern.
        if (!current.beingMade)
            finish({tr("the current settings make no pattern (the status line says why)"), false});
        return;
    }
    m_progress->setLabelText(tr("Writing %1…").arg(QDir::toNativeSeparators(m_request->path)));
    ExportSettings settings;
    settings.pageSize = current.layout.pageSize;
    settings.plan = current.layout.plan;
    m_worker.start(m_request->kind, std::move(current.makeGuide), settings, m_request->path);
}

void ExportController::finish(const ExportOutcome &outcome)
{
    const std::optional<Request> request = std::exchange(m_request, std::nullopt);
    if (m_progress)
        m_progress->close();
    m_progress = nullptr;
    if (!request)
        return;
    const QString shownPath = QDir::toNativeSeparators(request->path);
    if (outcome.cancelled) {
        emit statusChanged(tr("Export cancelled; %1 was not written").arg(shownPath));
    } else if (!outcome.error.isEmpty()) {
        emit statusChanged({});
        QMessageBox::warning(&m_window, exportFormat(request->kind).title,
                             tr("Cannot export %1:\n%2\nAny earlier file there is unchanged.").arg(shownPath, outcome.error));
    } else {
        emit statusChanged(tr("Exported %1").arg(shownPath));
    }
}

} // namespace tessaly::studio
