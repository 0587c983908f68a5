#include "guide/progressbar.h"

#include <QTextStream>

namespace tessaly {

namespace {

constexpr int BarWidth = 30;
constexpr qint64 RedrawIntervalMs = 100;
constexpr int LineWidth = 78;

} // namespace

ProgressBar::ProgressBar(QTextStream &terminal, bool enabled)
    : m_terminal(terminal)
    , m_enabled(enabled)
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::start(const QString &label)
{
    m_label = label;
    draw(0, 0);
}

void ProgressBar::update(qint64 done, qint64 total)
{
    if (done < total && m_sinceDrawn.isValid() && m_sinceDrawn.elapsed() < RedrawIntervalMs)
        return;
    draw(done, total);
}

void ProgressBar::finish()
{
    if (!m_shown)
        return;
    m_terminal << '\r' << QString(LineWidth, QLatin1Char(' ')) << '\r' << Qt::flush;
    m_shown = false;
}

void ProgressBar::draw(qint64 done, qint64 total)
{
    if (!m_enabled)
        return;
    // A stage that cannot count its work shows its label alone.
    QString line = m_label + QStringLiteral(" ...");
    if (total > 0) {
        const double fraction = double(done) / double(total);
        const int filled = int(fraction * BarWidth);
        line = QStringLiteral("%1 [%2%3] %4% (%5/%6)")
                   .arg(m_label.leftJustified(22), QString(filled, QLatin1Char('#')),
                        QString(BarWidth - filled, QLatin1Char('.')))
                   .arg(int(fraction * 100), 3)
                   .arg(done)
                   .arg(total);
    }
    m_terminal << '\r' << line.leftJustified(LineWidth) << Qt::flush;
    m_shown = true;
    m_sinceDrawn.start();
}

} // namespace tessaly
