#include "guide/guideoptions.h"

#include "guide/buildplanoptions.h"

#include <QCommandLineParser>
#include <QSet>

namespace tessaly {

namespace {

constexpr unsigned MaxThreads = 256;

struct Declared
{
    QCommandLineOption columns{{QStringLiteral("c"), QStringLiteral("columns")},
                               QStringLiteral("Column count, read as the window's 宽 field reads it (default 99)."),
                               QStringLiteral("TEXT"), QStringLiteral("99")};
    QCommandLineOption rows{{QStringLiteral("r"), QStringLiteral("rows")},
                            QStringLiteral("Row count, read as the window's 高 field reads it (default 99)."),
                            QStringLiteral("TEXT"), QStringLiteral("99")};
    QCommandLineOption tolerances{{QStringLiteral("t"), QStringLiteral("tolerances")},
                                  QStringLiteral("The six tolerances, for orange, yellow, red, green, blue "
                                                 "and white (default 111,190,220,220,260,250)."),
                                  QStringLiteral("T0,T1,T2,T3,T4,T5")};
    QCommandLineOption bmp{QStringLiteral("bmp"),
                           QStringLiteral("Write the canvas as a BMP file, as the window's Save writes m.BMP."),
                           QStringLiteral("FILE")};
    QCommandLineOption csv{QStringLiteral("csv"), QStringLiteral("Write the build guide as CSV, a row per cube."),
                           QStringLiteral("FILE")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QStringLiteral("Write the printable build guide as PDF."),
                           QStringLiteral("FILE")};
    QCommandLineOption pageSize{QStringLiteral("page-size"), QStringLiteral("PDF page size: A4 or Letter (default A4)."),
                                QStringLiteral("SIZE"), QStringLiteral("A4")};
    QCommandLineOption face{QStringLiteral("face"),
                            QStringLiteral("Print the grip and the shortest twists for one face: nine letters "
                                           "W Y R O B G, K (black) or - (free), top row first."),
                            QStringLiteral("STICKERS")};
    QCommandLineOption threads{{QStringLiteral("j"), QStringLiteral("threads")},
                               QStringLiteral("Threads that solve the faces (default: every core)."),
                               QStringLiteral("N")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")}, QStringLiteral("No progress output.")};
};

GuideCommandLine failed(GuideCommandLine line, const QString &error)
{
    line.request = GuideCommandLine::Request::Error;
    line.error = error;
    return line;
}

std::optional<std::array<QString, 6>> toleranceTexts(const QString &list)
{
    const QStringList texts = list.split(QLatin1Char(','));
    if (texts.size() != 6)
        return std::nullopt;
    std::array<QString, 6> tolerances;
    std::copy(texts.begin(), texts.end(), tolerances.begin());
    return tolerances;
}

std::optional<QPageSize> pageSizeNamed(const QString &name)
{
    if (name.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    if (name.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

} // namespace

GuideCommandLine parseGuideCommandLine(const QStringList &arguments)
{
    const Declared declared;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes the same cube mosaic as the Tessaly window from a picture and writes a build guide:\n"
        "every cube's front face and the shortest twists that make a solved cube show it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({declared.columns, declared.rows, declared.tolerances, declared.bmp, declared.csv,
                       declared.pdf, declared.pageSize, declared.face, declared.threads, declared.quiet});
    const BuildPlanOptions planOptions;
    parser.addOptions(planOptions.all());
    parser.addPositionalArgument(QStringLiteral("PICTURE"),
                                 QStringLiteral("The picture (default: the built-in sample picture)."),
                                 QStringLiteral("[PICTURE]"));

    GuideCommandLine line;
    line.helpText = parser.helpText();
    if (!parser.parse(arguments))
        return failed(line, parser.errorText());
    if (parser.isSet(help)) {
        line.request = GuideCommandLine::Request::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.request = GuideCommandLine::Request::Version;
        return line;
    }

    GuideOptions &options = line.options;
    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() > 1)
        return failed(line, QStringLiteral("Only one picture can be given, not %1.").arg(pictures.size()));
    if (!pictures.isEmpty())
        options.picturePath = pictures.front();

    options.fields.columns = parser.value(declared.columns);
    options.fields.rows = parser.value(declared.rows);
    if (parser.isSet(declared.tolerances)) {
        const QString list = parser.value(declared.tolerances);
        const auto tolerances = toleranceTexts(list);
        if (!tolerances)
            return failed(line, QStringLiteral("Invalid tolerances \"%1\": give six texts separated by commas.").arg(list));
        options.fields.tolerances = *tolerances;
    }

    const QString pageSize = parser.value(declared.pageSize);
    const auto page = pageSizeNamed(pageSize);
    if (!page)
        return failed(line, QStringLiteral("Invalid page size \"%1\": use A4 or Letter.").arg(pageSize));
    options.pageSize = *page;

    if (parser.isSet(declared.threads)) {
        const QString text = parser.value(declared.threads);
        bool isNumber = false;
        const uint threads = text.toUInt(&isNumber);
        if (!isNumber || threads == 0 || threads > MaxThreads)
            return failed(line, QStringLiteral("Invalid thread count \"%1\": use 1 to %2.").arg(text).arg(MaxThreads));
        options.threads = threads;
    }
    options.quiet = parser.isSet(declared.quiet);
    if (const QString error = readBuildPlanOptions(parser, planOptions, options.plan); !error.isEmpty())
        return failed(line, error);

    struct Output
    {
        const QCommandLineOption &option;
        QString &path;
    };
    QSet<QString> paths;
    for (const Output &output : {Output{declared.bmp, options.bmpPath}, Output{declared.csv, options.csvPath},
                                 Output{declared.pdf, options.pdfPath}}) {
        if (!parser.isSet(output.option))
            continue;
        output.path = parser.value(output.option);
        const QString name = output.option.names().constLast();
        if (output.path.isEmpty())
            return failed(line, QStringLiteral("No file name given for --%1.").arg(name));
        if (paths.contains(output.path))
            return failed(line, QStringLiteral("The file \"%1\" is given for two outputs.").arg(output.path));
        paths.insert(output.path);
    }

    if (parser.isSet(declared.face)) {
        if (options.writesFiles() || !pictures.isEmpty())
            return failed(line, QStringLiteral("--face takes no picture and no output file."));
        const QString letters = parser.value(declared.face);
        options.face = faceFromLetters(letters.toStdString());
        if (!options.face)
            return failed(line, QStringLiteral("Invalid face \"%1\": give nine letters of W Y R O B G K -.").arg(letters));
    }
    return line;
}

} // namespace tessaly
