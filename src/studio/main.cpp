#include "pattern/photopattern.h"
#include "studio/studiowindow.h"

#include <QApplication>
#include <QCommandLineParser>
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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Makes a picture into a pattern for a wall of colour cubes, in a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "A picture or a project (.tessaly) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app); // --help and --version print and leave; an unknown option is refused

    tessaly::studio::StudioWindow window(&tessaly::pattern::makePhotoPattern);
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.openFile(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
