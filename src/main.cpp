#include "platform/applicationlook.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("0.2"));
    // Ties the window to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessaly.Tessaly"));
    tessaly::applyApplicationLook(app);

    tessaly::Form1 window;
    window.show();
    // Closing the window, the only one, ends the event loop.
    return QApplication::exec();
}
