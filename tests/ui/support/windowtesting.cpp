#include "ui/support/windowtesting.h"

#include "platform/applicationlook.h"
#include "ui/form1.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace tessaly::test {

void prepareApplication()
{
    applyApplicationLook(*qobject_cast<QApplication *>(QCoreApplication::instance()));
}

std::unique_ptr<Form1> showForm(const QString &saveFolder)
{
    auto form = std::make_unique<Form1>(std::chrono::microseconds(0));
    form->setSaveFolder(saveFolder);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("The window was not exposed");
    return form;
}

ActionInYield::ActionInYield(std::function<bool()> condition, std::function<void()> action)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this,
            [this, condition = std::move(condition), action = std::move(action)] {
                if (!condition())
                    return;
                m_timer.stop();
                m_hasRun = true;
                action();
            });
    m_timer.start();
}

namespace {

bool sendDragEnter(QWindow *window, QPoint at, const QMimeData &data)
{
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                          Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    return enter.isAccepted();
}

} // namespace

bool dragEnterAccepted(QWidget &window, QPoint at, const QMimeData &data)
{
    QWindow *handle = window.windowHandle();
    const bool accepted = sendDragEnter(handle, at, data);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(handle, &leave);
    return accepted;
}

bool dragAndDrop(QWidget &window, QPoint at, const QMimeData &data)
{
    QWindow *handle = window.windowHandle();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    if (!sendDragEnter(handle, at, data))
        return false;
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &drop);
    return drop.isAccepted();
}

std::unique_ptr<QMimeData> fileDrag(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    // File managers offer the paths as text too, which a text field would take.
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

} // namespace tessaly::test
