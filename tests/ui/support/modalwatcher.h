#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

namespace tessaly::test {

// Dismisses every modal message box that appears while it lives, and
// records what each one said. It looks for one every few milliseconds, so a
// box shown by a handler (which waits inside the box's own event loop) is
// found and closed with its OK button, and the handler goes on.
class ModalWatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        int buttonCount = 0;
    };

    ModalWatcher();

    const QList<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    void dismissActiveModal();

    QTimer m_timer;
    QList<Box> m_boxes;
};

} // namespace tessaly::test
