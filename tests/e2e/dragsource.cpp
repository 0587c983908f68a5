// A small window that starts a real drag of one file when the mouse is
// pressed on it, so that an end-to-end test can drop a file on the program
// through the X server's drag-and-drop protocol, as a file manager would.
//
// Usage: e2e_dragsource FILE LEFT TOP
// The window stands at (LEFT, TOP), 160 x 120 pixels, titled
// "e2e drag source". When the drag ends the program prints how it ended,
// then stays a few seconds longer: on X11 the target may fetch the dropped
// data after the drag has ended, from a source that must still be there.
// Exit status: 0 when the target accepted the drop, 1 when it was refused
// or cancelled, 2 for a usage error, 3 when no drag started within a
// minute.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int GiveUpAfterMs = 60'000;
constexpr int ServeDataAfterDropMs = 10'000;

class DragSource : public QWidget
{
public:
    explicit DragSource(const QString &filePath)
        : m_filePath(filePath)
    {
        setWindowTitle(QStringLiteral("e2e drag source"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(40, 90, 160));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || m_started)
            return;
        m_started = true;

        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(m_filePath)});
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        std::printf("drag started: %s\n", qPrintable(m_filePath));
        std::fflush(stdout);

        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        const bool accepted = action != Qt::IgnoreAction;
        std::printf("drag ended: %s\n", accepted ? "dropped and accepted" : "refused or cancelled");
        std::fflush(stdout);
        QTimer::singleShot(ServeDataAfterDropMs, qApp, [accepted] { QApplication::exit(accepted ? 0 : 1); });
    }

private:
    QString m_filePath;
    bool m_started = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    bool leftOk = false;
    bool topOk = false;
    const int left = arguments.value(2).toInt(&leftOk);
    const int top = arguments.value(3).toInt(&topOk);
    if (arguments.size() != 4 || !leftOk || !topOk) {
        std::fprintf(stderr, "usage: e2e_dragsource FILE LEFT TOP\n");
        return 2;
    }

    DragSource window(QFileInfo(arguments.at(1)).absoluteFilePath());
    window.setGeometry(left, top, 160, 120);
    window.show();

    // A test that never presses on the window must not leave it behind.
    QTimer::singleShot(GiveUpAfterMs, &app, [] {
        std::fprintf(stderr, "no drag within %d s, giving up\n", GiveUpAfterMs / 1000);
        QApplication::exit(3);
    });
    return QApplication::exec();
}
