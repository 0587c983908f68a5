#pragma once

#include <QElapsedTimer>
#include <QString>

class QTextStream;

namespace tessaly {

// A one-line progress bar on a terminal: a label, a bar and a percentage,
// redrawn in place at most a few times a second. A disabled bar prints
// nothing, so callers need not ask.
class ProgressBar
{
public:
    ProgressBar(QTextStream &terminal, bool enabled);
    ~ProgressBar();

    // A new stage: shows its label with an empty bar.
    void start(const QString &label);
    void update(qint64 done, qint64 total);
    // Clears the line.
    void finish();

private:
    void draw(qint64 done, qint64 total);

    QTextStream &m_terminal;
    bool m_enabled;
    bool m_shown = false;
    QString m_label;
    QElapsedTimer m_sinceDrawn;
};

} // namespace tessaly
