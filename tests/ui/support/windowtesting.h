#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QMimeData;
class QWidget;

namespace tessaly {
class Form1;
}

namespace tessaly::test {

// Gives the test application the program's look (style and font), as
// main() does. Call once, before the first window is made.
void prepareApplication();

// The window as the program shows it, saving into saveFolder. Its runs
// handle events at every few cells, not every few milliseconds, so what a
// test does inside a run happens at the same cell on every machine.
std::unique_ptr<Form1> showForm(const QString &saveFolder);

// Runs action once, inside the first event processing (typically a
// generation run's yield) at which condition holds.
class ActionInYield : public QObject
{
public:
    ActionInYield(std::function<bool()> condition, std::function<void()> action);

    bool hasRun() const { return m_hasRun; }

private:
    QTimer m_timer;
    bool m_hasRun = false;
};

// Drags data into the window's client area at the point, routed to the
// control under it as the window system routes a drag: returns whether a
// control there accepts it. The drag is then left again.
bool dragEnterAccepted(QWidget &window, QPoint at, const QMimeData &data);

// A whole drag and drop at the point: enter, move, drop. Returns whether
// the drop was accepted.
bool dragAndDrop(QWidget &window, QPoint at, const QMimeData &data);

// Files as a file manager drags them.
std::unique_ptr<QMimeData> fileDrag(const QStringList &paths);

} // namespace tessaly::test
