#include "studio/exportcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace tessaly::studio {

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
    , m_strip(new QWidget(&window))
    , m_progressText(new QLabel)
    , m_progress(new QProgressBar)
{
    m_strip->setObjectName(QStringLiteral("exportProgress"));
    m_progress->setMaximumWidth(160);
    auto *cancelButton = new QPushButton(tr("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelExport"));
    auto *layout = new QHBoxLayout(m_strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_progressText);
    layout->addWidget(m_progress);
    layout->addWidget(cancelButton);
    m_strip->hide();

    connect(cancelButton, &QPushButton::clicked, this, &ExportController::cancel);
    connect(&m_worker, &ExportWorker::progressed, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    connect(&m_worker, &ExportWorker::finished, this, &ExportController::finish);
}

void ExportController::exportPattern(ExportKind kind, const QString &path)
{
    if (m_request) {
        QMessageBox::information(&m_window, exportFormat(kind).title,
                                 tr("Another export is under way: wait for it to finish, or cancel it in the "
                                    "status bar, before starting this one."));
        return;
    }
    m_request = Request{kind, path};
    m_progressText->setText(tr("Waiting for the pattern…"));
    m_progress->setRange(0, 0); // busy until the worker counts
    m_strip->show();
    startWaitingExport();
}

void ExportController::cancel()
{
    if (m_worker.isRunning())
        m_worker.cancel(); // finishes as cancelled
    else
        finish({{}, true});
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
    m_progressText->setText(tr("Writing %1…").arg(QFileInfo(m_request->path).fileName()));
    ExportSettings settings;
    settings.pageSize = current.layout.pageSize;
    settings.plan = current.layout.plan;
    m_worker.start(m_request->kind, std::move(current.makeGuide), settings, m_request->path);
}

void ExportController::finish(const ExportOutcome &outcome)
{
    const std::optional<Request> request = std::exchange(m_request, std::nullopt);
    m_strip->hide();
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
