#include "pattern/photopattern.h"
#include "studio/studiowindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationName(QStringLiteral("Tessaly Studio"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessaly.Studio"));

    // The system's language: ours, then Qt's own dialogs'.
    QTranslator studioTranslator;
    if (studioTranslator.load(QLocale(), QStringLiteral("tessaly-studio"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&studioTranslator);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    tessaly::studio::StudioWindow window(&tessaly::pattern::makePhotoPattern);
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    return QApplication::exec();
}
