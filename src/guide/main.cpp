#include "guide/guideprogram.h"
#include "platform/applicationlook.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// Set by Ctrl+C; the work looks at it often and stops, removing every file
// it had begun. A signal handler can reach nothing but a flag like this one.
volatile std::sig_atomic_t interruptRequested = 0;

void requestInterrupt(int)
{
    interruptRequested = 1;
}

// Standard error is the guide's own voice. Qt warns there on every run of a
// session without a runtime folder (a root shell, a container), about a
// folder the guide never uses; that warning is dropped, every other kept.
QtMessageHandler qtMessages = nullptr;

void guideMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtMessages(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // The guide never shows a window: it runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(guideMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessaly-guide"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    // The same look as the window: its canvas colour and its CJK font.
    tessaly::applyApplicationLook(app);

    std::signal(SIGINT, requestInterrupt);
    std::signal(SIGTERM, requestInterrupt);

    QTextStream out(stdout);
    QTextStream err(stderr);
    tessaly::GuideProgram program(out, err, {
        .progressOnTerminal = isatty(STDERR_FILENO) == 1,
        .interrupted = [] { return interruptRequested != 0; },
    });
    return program.run(QCoreApplication::arguments());
}
