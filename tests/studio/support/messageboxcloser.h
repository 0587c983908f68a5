#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace tessaly::test {

// Accepts each message box the window shows while it lives, keeping the
// text of the last, so that a test can run a command that may ask.
class MessageBoxCloser : public QObject
{
public:
    MessageBoxCloser();
    const QString &told() const { return m_told; }

private:
    QTimer m_timer;
    QString m_told;
};

} // namespace tessaly::test
