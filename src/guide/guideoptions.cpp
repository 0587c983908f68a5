#include "guide/guideoptions.h"

#include "guide/buildplanoptions.h"
#include "guide/guidelayout.h"
#include "guide/outputfile.h"
#include "guide/photooptionvalues.h"
#include "pattern/palette.h"

#include <QCommandLineParser>
#include <QFileInfo>
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

    // A photo pattern instead of the window's mosaic: any of these asks for one.
    QCommandLineOption wall{QStringLiteral("wall"),
                            QStringLiteral("Photo pattern: a wall of COLUMNSxROWS cubes, such as 40x30."),
                            QStringLiteral("CxR")};
    QCommandLineOption cubes{QStringLiteral("cubes"),
                             QStringLiteral("Photo pattern: about N cubes, in the shape of the picture."),
                             QStringLiteral("N")};
    QCommandLineOption fit{QStringLiteral("fit"),
                           QStringLiteral("How the picture meets the wall's shape: crop (default), pad (white "
                                          "round it) or stretch."),
                           QStringLiteral("FIT")};
    QCommandLineOption crop{QStringLiteral("crop"), QStringLiteral("Use only this part of the picture, in its pixels."),
                            QStringLiteral("X,Y,W,H")};
    QCommandLineOption brightness{QStringLiteral("brightness"),
                                  QStringLiteral("Brighter or darker, -100 to 100 (default 0)."), QStringLiteral("N")};
    QCommandLineOption contrast{QStringLiteral("contrast"), QStringLiteral("More or less contrast, -100 to 100."),
                                QStringLiteral("N")};
    QCommandLineOption saturation{QStringLiteral("saturation"),
                                  QStringLiteral("More or less vivid colours, -100 to 100."), QStringLiteral("N")};
    QCommandLineOption autoLevels{QStringLiteral("auto-levels"),
                                  QStringLiteral("Stretch the picture's lightness to the palette's range.")};
    QCommandLineOption palette{QStringLiteral("palette"),
                               QStringLiteral("The cubes' colours: standard (default), classic or a palette file."),
                               QStringLiteral("PALETTE")};
    QCommandLineOption colours{QStringLiteral("colours"),
                               QStringLiteral("Use only these of the palette's colours, such as WYROB."),
                               QStringLiteral("LETTERS")};
    QCommandLineOption method{QStringLiteral("method"),
                              QStringLiteral("How cells get their colours: optimised (default), nearest, ordered, "
                                             "diffusion, atkinson, or exact to read PICTURE as a sticker map."),
                              QStringLiteral("METHOD")};
    QCommandLineOption turnWeight{QStringLiteral("turn-weight"),
                                  QStringLiteral("Optimised method: how much likeness a turn saved is worth; 0 for the "
                                                 "likeness alone (default %1).")
                                      .arg(pattern::DefaultTurnWeight),
                                  QStringLiteral("W")};
    QCommandLineOption maxTurns{QStringLiteral("max-turns"),
                                QStringLiteral("Optimised method: no cube takes more than N turns."),
                                QStringLiteral("N")};
    QCommandLineOption preview{QStringLiteral("preview"), QStringLiteral("Write a picture of the built wall (PNG)."),
                               QStringLiteral("FILE")};
    QCommandLineOption previewScale{QStringLiteral("preview-scale"),
                                    QStringLiteral("Pixels a sticker in the preview (default 8)."),
                                    QStringLiteral("N")};
    QCommandLineOption stickers{QStringLiteral("stickers"),
                                QStringLiteral("Write the pattern as a PNG of one pixel a sticker, which "
                                               "--method exact reads back."),
                                QStringLiteral("FILE")};

    QCommandLineOption project{QStringLiteral("project"),
                               QStringLiteral("Make the guide of a Tessaly Studio project: its picture, recipe, "
                                              "touch-ups and guide layout. Goes with the output, page size and "
                                              "plan options only; those given take the place of the project's."),
                               QStringLiteral("FILE")};

    // The photo pattern's recipe: what a project holds.
    QList<QCommandLineOption> recipeOptions() const
    {
        return {wall,    cubes,   fit,    crop,       brightness, contrast, saturation, autoLevels,
                palette, colours, method, turnWeight, maxTurns};
    }
    QList<QCommandLineOption> photoOptions() const { return recipeOptions() + QList{preview, previewScale, stickers}; }
    QList<QCommandLineOption> windowOptions() const { return {columns, rows, tolerances, bmp}; }
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

// The first of options given, as "--name"; empty when none is.
QString firstGiven(const QCommandLineParser &parser, const QList<QCommandLineOption> &options)
{
    for (const QCommandLineOption &option : options) {
        if (parser.isSet(option))
            return QStringLiteral("--") + option.names().constLast();
    }
    return {};
}

// Reads option's value into target when it is given; false with the
// reader's message when the value is refused.
template <typename Target, typename Reader>
bool readGiven(const QCommandLineParser &parser, const QCommandLineOption &option, Reader reader, Target &target,
               QString &error)
{
    if (!parser.isSet(option))
        return true;
    const auto read = reader(parser.value(option));
    if (!read.value) {
        error = read.error;
        return false;
    }
    target = *read.value;
    return true;
}

// The photo pattern's options, and the rules between them; empty when all
// are right or none is given.
QString readPhotoOptions(const QCommandLineParser &parser, const Declared &declared, GuideOptions &options)
{
    const QString photoOption = firstGiven(parser, declared.photoOptions());
    if (photoOption.isEmpty())
        return {};
    if (const QString windowOption = firstGiven(parser, declared.windowOptions()); !windowOption.isEmpty())
        return QStringLiteral("%1 is an option of the window's mosaic and %2 one of a photo pattern: "
                              "use the options of one of them.")
            .arg(windowOption, photoOption);

    PhotoSettings photo;
    QString error;
    const auto adjustment = [](const QString &name) {
        return [name](const QString &text) { return adjustmentFromText(name, text); };
    };
    const bool valuesRead = readGiven(parser, declared.wall, wallSizeFromText, photo.wall, error)
                            && readGiven(parser, declared.cubes, cubeCountFromText, photo.cubes, error)
                            && readGiven(parser, declared.fit, fitNamed, photo.fit, error)
                            && readGiven(parser, declared.crop, cropFromText, photo.crop, error)
                            && readGiven(parser, declared.brightness, adjustment(QStringLiteral("brightness")),
                                         photo.adjustments.brightness, error)
                            && readGiven(parser, declared.contrast, adjustment(QStringLiteral("contrast")),
                                         photo.adjustments.contrast, error)
                            && readGiven(parser, declared.saturation, adjustment(QStringLiteral("saturation")),
                                         photo.adjustments.saturation, error)
                            && readGiven(parser, declared.method, methodNamed, photo.method, error)
                            && readGiven(parser, declared.turnWeight, turnWeightFromText, photo.turnWeight, error)
                            && readGiven(parser, declared.maxTurns, maxTurnsFromText, photo.maxTurns, error)
                            && readGiven(parser, declared.previewScale, previewScaleFromText, options.previewScale,
                                         error);
    if (!valuesRead)
        return error;
    photo.adjustments.autoLevels = parser.isSet(declared.autoLevels);

    if (parser.isSet(declared.palette)) {
        photo.palette = parser.value(declared.palette);
        if (photo.palette.isEmpty())
            return QStringLiteral("No palette given for --palette.");
    }
    if (parser.isSet(declared.colours)) {
        // Every palette has at most the six letters: those of one with all
        // six are the ones any palette may take.
        photo.colours = parser.value(declared.colours);
        const pattern::PaletteReading restricted =
            pattern::restrictPalette(pattern::standardPalette(), photo.colours.toStdString());
        if (!restricted.palette)
            return QStringLiteral("Invalid colours %1").arg(QString::fromStdString(restricted.error));
    }

    if (photo.method != pattern::Method::Optimised) {
        if (const QString turnOption = firstGiven(parser, {declared.turnWeight, declared.maxTurns}); !turnOption.isEmpty())
            return QStringLiteral("%1 goes with --method optimised only.").arg(turnOption);
    }
    if (photo.method == pattern::Method::Exact) {
        const QString notForMaps = firstGiven(parser, {declared.cubes, declared.fit, declared.crop, declared.brightness,
                                                       declared.contrast, declared.saturation, declared.autoLevels});
        if (!notForMaps.isEmpty())
            return QStringLiteral("--method exact reads a sticker map as it is: %1 does not go with it.")
                .arg(notForMaps);
        if (options.picturePath.isEmpty())
            return QStringLiteral("--method exact needs a sticker map as its PICTURE.");
    } else if (!photo.wall && !photo.cubes) {
        return QStringLiteral("A photo pattern needs a size: give --wall CxR or --cubes N.");
    } else if (photo.wall && photo.cubes) {
        return QStringLiteral("Give --wall or --cubes, not both.");
    }
    options.photo = photo;
    return {};
}

// --project and the rules around it: the project holds the picture and the
// recipe, so neither may be given beside it.
QString readProjectOption(const QCommandLineParser &parser, const Declared &declared, const QStringList &pictures,
                          GuideOptions &options)
{
    options.projectPath = parser.value(declared.project);
    if (options.projectPath.isEmpty())
        return QStringLiteral("No file name given for --project.");
    if (!pictures.isEmpty())
        return QStringLiteral("--project takes the picture from the project: give no PICTURE (\"%1\") with it.")
            .arg(pictures.front());
    const QString other =
        firstGiven(parser, declared.recipeOptions() + declared.windowOptions() + QList{declared.face});
    if (!other.isEmpty())
        return QStringLiteral("%1 does not go with --project: the project holds the recipe; give only output and "
                              "plan options with it.")
            .arg(other);
    QString error;
    readGiven(parser, declared.previewScale, previewScaleFromText, options.previewScale, error);
    return error;
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
    parser.addOptions(declared.photoOptions());
    parser.addOption(declared.project);
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
    if (!pictures.isEmpty()) {
        options.picturePath = pictures.front();
        if (options.picturePath.isEmpty())
            return failed(line, QStringLiteral("The PICTURE given is an empty name: name a picture file, or give "
                                               "none for the built-in sample."));
    }

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
    options.layoutGiven = {parser.isSet(declared.pageSize), parser.isSet(planOptions.order),
                           parser.isSet(planOptions.panel), parser.isSet(planOptions.secondsPerTurn),
                           parser.isSet(planOptions.secondsPerCube)};

    struct Output
    {
        const QCommandLineOption &option;
        QString &path;
        bool png = false; // a picture read back or viewed as a PNG
    };
    QSet<QString> outputFiles; // by fileIdentity, so that "./a" and "a" are one file
    for (const Output &output : {Output{declared.bmp, options.bmpPath}, Output{declared.csv, options.csvPath},
                                 Output{declared.pdf, options.pdfPath}, Output{declared.preview, options.previewPath, true},
                                 Output{declared.stickers, options.stickersPath, true}}) {
        if (!parser.isSet(output.option))
            continue;
        output.path = parser.value(output.option);
        const QString name = output.option.names().constLast();
        if (output.path.isEmpty())
            return failed(line, QStringLiteral("No file name given for --%1.").arg(name));
        // A picture named for another format would open as that format, and
        // a sticker map must keep its colours exact.
        const QString suffix = QFileInfo(output.path).suffix();
        if (output.png && !suffix.isEmpty() && suffix.compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0)
            return failed(line, QStringLiteral("--%1 writes a PNG: give it a name ending in .png, not \"%2\".")
                                    .arg(name, output.path));
        const QString file = fileIdentity(output.path);
        if (outputFiles.contains(file))
            return failed(line, QStringLiteral("The file \"%1\" is given for two outputs.").arg(output.path));
        outputFiles.insert(file);
    }

    if (parser.isSet(declared.project)) {
        if (const QString error = readProjectOption(parser, declared, pictures, options); !error.isEmpty())
            return failed(line, error);
    } else if (const QString error = readPhotoOptions(parser, declared, options); !error.isEmpty()) {
        return failed(line, error);
    }
    // Read before anything is written, but never written over.
    const QString palette = options.photo ? options.photo->palette : QString();
    for (const QString &input : {options.picturePath, options.projectPath, palette}) {
        if (!input.isEmpty() && QFileInfo::exists(input) && outputFiles.contains(fileIdentity(input)))
            return failed(line, QStringLiteral("The file \"%1\" is read and would be written over: give the "
                                               "outputs other names.")
                                    .arg(input));
    }
    if (parser.isSet(declared.previewScale) && options.previewPath.isEmpty())
        return failed(line, QStringLiteral("--preview-scale goes with --preview."));
    if (!options.projectPath.isEmpty())
        return line;

    if (parser.isSet(declared.face)) {
        if (options.writesFiles() || !pictures.isEmpty() || options.photo)
            return failed(line, QStringLiteral("--face takes no picture, no output file and no photo pattern."));
        const QString letters = parser.value(declared.face);
        options.face = faceFromLetters(letters.toStdString());
        if (!options.face)
            return failed(line, QStringLiteral("Invalid face \"%1\": give nine letters of W Y R O B G K -.").arg(letters));
    }
    return line;
}

} // namespace tessaly
