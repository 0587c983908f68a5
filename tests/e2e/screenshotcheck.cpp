// Checks what the end-to-end tests see of the program: screenshots of its
// window and the m.BMP it saves, against the mosaic worked out
// independently for the picture and the counts (expectedmosaic.h).
//
// Usage (LEFT TOP: the window's client area on the screen; PICTURE: a
// picture file, or "builtin" for the sample picture the program starts
// with; COLOUR: r,g,b):
//   make-quadrants OUT                 writes the 60 x 40 test picture
//   field-colour SHOT LEFT TOP         prints the count fields' background
//   finished SHOT LEFT TOP PICTURE COLUMNS ROWS COLOUR
//                                      exit 0 when the run's last cell is
//                                      drawn and the count fields show COLOUR
//   check-window SHOT LEFT TOP PICTURE COLUMNS ROWS COLOUR
//   check-picture SHOT LEFT TOP PICTURE
//   check-file BMP PICTURE COLUMNS ROWS
// Exit status: 0 passed, 1 a check failed (reasons on stderr), 2 bad
// arguments or an unreadable file.

#include "expectedmosaic.h"
#include "regioncompare.h"
#include "tessalyresources.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPoint>
#include <QStringList>

#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace {

// Places in the window's client area, in pixels. The panel's controls
// stand relative to the panel at (444, 0).
constexpr int PanelLeft = 444;
const QPoint CanvasInteriorOrigin(2, 2);
const QPoint SourceInteriorOrigin(446, 98);
// Right of the text in the count fields, clear of their borders.
const QPoint ColumnCountFieldPoint(PanelLeft + 8 + 44, 32 + 10);
const QPoint RowCountFieldPoint(PanelLeft + 60 + 48, 32 + 10);
// The start size's bottom-right corner: bare window background.
const QPoint WindowFacePoint(738, 446);

struct ToleranceField
{
    const char *name;
    QPoint point; // inside the field, left of its centred text
    QRgb colour;
};

const std::array<ToleranceField, 5> ColouredToleranceFields = {{
    {"Text3(0) orange", {PanelLeft + 160 + 4, 36 + 10}, qRgb(255, 128, 0)},
    {"Text3(1) yellow", {PanelLeft + 200 + 4, 36 + 10}, qRgb(255, 255, 0)},
    {"Text3(2) red", {PanelLeft + 240 + 4, 16 + 10}, qRgb(255, 0, 0)},
    {"Text3(3) green", {PanelLeft + 160 + 4, 16 + 10}, qRgb(0, 255, 0)},
    {"Text3(4) blue", {PanelLeft + 200 + 4, 16 + 10}, qRgb(0, 0, 255)},
}};

// Failures of arguments or input files: exit status 2.
struct UsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

QImage readImage(const QString &path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw UsageError(qPrintable(QStringLiteral("cannot read %1: %2").arg(path, reader.errorString())));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage readPicture(const QString &argument)
{
    if (argument == QLatin1String("builtin"))
        return readImage(QString::fromLatin1(tessaly::Resources::SamplePicture));
    return readImage(argument);
}

int readInt(const QString &argument)
{
    bool ok = false;
    const int value = argument.toInt(&ok);
    if (!ok)
        throw UsageError(qPrintable(QStringLiteral("not a whole number: %1").arg(argument)));
    return value;
}

double readDouble(const QString &argument)
{
    bool ok = false;
    const double value = argument.toDouble(&ok);
    if (!ok)
        throw UsageError(qPrintable(QStringLiteral("not a number: %1").arg(argument)));
    return value;
}

QRgb readColour(const QString &argument)
{
    const QStringList parts = argument.split(QLatin1Char(','));
    if (parts.size() != 3)
        throw UsageError(qPrintable(QStringLiteral("not a colour r,g,b: %1").arg(argument)));
    return qRgb(readInt(parts[0]), readInt(parts[1]), readInt(parts[2]));
}

QRgb pixelAt(const QImage &image, QPoint point)
{
    if (!image.rect().contains(point))
        throw UsageError(qPrintable(QStringLiteral("(%1, %2) lies outside the %3 x %4 image")
                                        .arg(point.x())
                                        .arg(point.y())
                                        .arg(image.width())
                                        .arg(image.height())));
    // Every image here is Format_RGB32: opaque, like qRgb() colours.
    return image.pixel(point);
}

MosaicGrid gridFor(const QImage &picture, const QString &columns, const QString &rows)
{
    const std::optional<MosaicGrid> grid = mosaicGrid(picture.size(), readDouble(columns), readDouble(rows));
    if (!grid)
        throw UsageError("these counts do not give a plain run at 4 pixels a cell");
    if (cellOrigin(grid->columns - 1) + 3 >= CanvasInterior || cellOrigin(grid->rows - 1) + 3 >= CanvasInterior)
        throw UsageError("this mosaic does not fit on the canvas");
    return *grid;
}

// What lies at a point of the canvas interior, for failure reports.
QString canvasPlace(QPoint point, const MosaicGrid &grid)
{
    const int i = (point.x() - cellOrigin(0)) / 4;
    const int j = (point.y() - cellOrigin(0)) / 4;
    if (point.x() < cellOrigin(0) || point.y() < cellOrigin(0) || i >= grid.columns || j >= grid.rows)
        return QStringLiteral("outside the mosaic");
    const bool onFrameLine = (point.x() - cellOrigin(0)) % 12 == 0 || (point.y() - cellOrigin(0)) % 12 == 0;
    return QStringLiteral("cell (%1, %2)%3").arg(i).arg(j).arg(onFrameLine ? QStringLiteral(", on a frame line's place") : QString());
}

// Collects failed checks and reports them all at the end.
class Verdict
{
public:
    void require(bool condition, const QString &failure)
    {
        if (!condition)
            m_failures.append(failure);
    }

    int report(const QString &passedNote) const
    {
        for (const QString &failure : m_failures)
            std::fprintf(stderr, "FAILED: %s\n", qPrintable(failure));
        if (m_failures.isEmpty())
            std::printf("passed: %s\n", qPrintable(passedNote));
        return m_failures.isEmpty() ? 0 : 1;
    }

private:
    QStringList m_failures;
};

void checkCanvas(Verdict &verdict, const QImage &actual, QPoint interiorOrigin, const QImage &picture,
                 const MosaicGrid &grid, QRgb backColor, const QString &what)
{
    const QImage expected = expectedCanvas(picture, grid, backColor);
    const RegionComparison comparison = compareRegion(actual, interiorOrigin, expected);
    verdict.require(comparison.matches(),
                    describeMismatches(comparison, what, [&](QPoint at) { return canvasPlace(at, grid); }));
}

void checkSourcePicture(Verdict &verdict, const QImage &shot, QPoint clientOrigin, const QImage &picture)
{
    const RegionComparison comparison = compareRegion(shot, clientOrigin + SourceInteriorOrigin, picture);
    verdict.require(comparison.matches(),
                    describeMismatches(comparison, QStringLiteral("source picture (Picture1)"),
                                       [](QPoint) { return QStringLiteral("picture pixel"); }));
}

void checkCountFields(Verdict &verdict, const QImage &shot, QPoint clientOrigin, QRgb enabledColour)
{
    const QRgb columnField = pixelAt(shot, clientOrigin + ColumnCountFieldPoint);
    const QRgb rowField = pixelAt(shot, clientOrigin + RowCountFieldPoint);
    verdict.require(columnField == enabledColour,
                    QStringLiteral("Text1's background is %1, not %2 as when enabled before the run")
                        .arg(colourText(columnField), colourText(enabledColour)));
    verdict.require(rowField == enabledColour,
                    QStringLiteral("Text2's background is %1, not %2 as when enabled before the run")
                        .arg(colourText(rowField), colourText(enabledColour)));
}

int makeQuadrants(const QStringList &args)
{
    // Orange, yellow / green, blue: each lies within its own colour's
    // tolerance and beyond every earlier one's.
    QImage picture(60, 40, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 30, 20, QColor(255, 128, 0));
    painter.fillRect(30, 0, 30, 20, QColor(255, 255, 0));
    painter.fillRect(0, 20, 30, 20, QColor(0, 255, 0));
    painter.fillRect(30, 20, 30, 20, QColor(0, 0, 255));
    painter.end();
    if (!picture.save(args.at(0), "PNG"))
        throw UsageError(qPrintable(QStringLiteral("cannot write %1").arg(args.at(0))));
    return 0;
}

int fieldColour(const QStringList &args)
{
    const QImage shot = readImage(args.at(0));
    const QPoint client(readInt(args.at(1)), readInt(args.at(2)));
    const QRgb columnField = pixelAt(shot, client + ColumnCountFieldPoint);
    const QRgb rowField = pixelAt(shot, client + RowCountFieldPoint);
    const QRgb windowFace = pixelAt(shot, client + WindowFacePoint);
    Verdict verdict;
    verdict.require(columnField == rowField, QStringLiteral("the count fields differ: Text1 %1, Text2 %2")
                                                 .arg(colourText(columnField), colourText(rowField)));
    // An enabled field's background stands out from the window's face;
    // a greyed one would not.
    verdict.require(columnField != windowFace,
                    QStringLiteral("the count fields look disabled: background %1 is the window's face colour")
                        .arg(colourText(columnField)));
    if (verdict.report(QStringLiteral("count fields enabled")) != 0)
        return 1;
    std::printf("%s\n", qPrintable(colourText(columnField)));
    return 0;
}

int finished(const QStringList &args)
{
    const QImage shot = readImage(args.at(0));
    const QPoint client(readInt(args.at(1)), readInt(args.at(2)));
    const QImage picture = readPicture(args.at(3));
    const MosaicGrid grid = gridFor(picture, args.at(4), args.at(5));
    const QRgb enabledColour = readColour(args.at(6));

    // The run draws its last cell last, in a palette colour; the back
    // colour given here does not matter for that cell.
    const QImage expected = expectedCanvas(picture, grid, qRgb(0, 0, 0));
    const QPoint lastCell(cellOrigin(grid.columns - 1) + 1, cellOrigin(grid.rows - 1) + 1);
    const QRgb lastCellOnScreen = pixelAt(shot, client + CanvasInteriorOrigin + lastCell);
    Verdict verdict;
    verdict.require(lastCellOnScreen == expected.pixel(lastCell),
                    QStringLiteral("the last cell (%1, %2) shows %3, not yet %4")
                        .arg(grid.columns - 1)
                        .arg(grid.rows - 1)
                        .arg(colourText(lastCellOnScreen), colourText(expected.pixel(lastCell))));
    checkCountFields(verdict, shot, client, enabledColour);
    return verdict.report(QStringLiteral("run finished"));
}

int checkWindow(const QStringList &args)
{
    const QImage shot = readImage(args.at(0));
    const QPoint client(readInt(args.at(1)), readInt(args.at(2)));
    const QImage picture = readPicture(args.at(3));
    const MosaicGrid grid = gridFor(picture, args.at(4), args.at(5));
    const QRgb enabledColour = readColour(args.at(6));
    std::printf("expected mosaic: %d x %d cells, column step %d, row step %d\n", grid.columns, grid.rows,
                grid.columnStep, grid.rowStep);

    Verdict verdict;
    // The canvas's corner above and left of the first cell is never drawn
    // on: it shows the canvas's back colour, the control-face colour.
    const QRgb canvasBack = pixelAt(shot, client + CanvasInteriorOrigin);
    const QRgb windowFace = pixelAt(shot, client + WindowFacePoint);
    verdict.require(canvasBack == windowFace,
                    QStringLiteral("the blank canvas is %1, not the window's face colour %2")
                        .arg(colourText(canvasBack), colourText(windowFace)));
    checkCanvas(verdict, shot, client + CanvasInteriorOrigin, picture, grid, canvasBack,
                QStringLiteral("canvas (Picture2) on screen"));
    checkCountFields(verdict, shot, client, enabledColour);
    for (const ToleranceField &field : ColouredToleranceFields) {
        const QRgb shown = pixelAt(shot, client + field.point);
        verdict.require(shown == field.colour, QStringLiteral("%1 has the background %2, not %3")
                                                   .arg(QLatin1String(field.name), colourText(shown),
                                                        colourText(field.colour)));
    }
    checkSourcePicture(verdict, shot, client, picture);
    return verdict.report(QStringLiteral("window shows the expected mosaic"));
}

int checkPicture(const QStringList &args)
{
    const QImage shot = readImage(args.at(0));
    const QPoint client(readInt(args.at(1)), readInt(args.at(2)));
    Verdict verdict;
    checkSourcePicture(verdict, shot, client, readPicture(args.at(3)));
    return verdict.report(QStringLiteral("source picture shown"));
}

int checkFile(const QStringList &args)
{
    const QImage saved = readImage(args.at(0));
    const QImage picture = readPicture(args.at(1));
    const MosaicGrid grid = gridFor(picture, args.at(2), args.at(3));
    std::printf("expected mosaic: %d x %d cells, column step %d, row step %d\n", grid.columns, grid.rows,
                grid.columnStep, grid.rowStep);

    Verdict verdict;
    verdict.require(saved.size() == QSize(CanvasInterior, CanvasInterior),
                    QStringLiteral("the file is %1 x %2 pixels, not %3 x %3")
                        .arg(saved.width())
                        .arg(saved.height())
                        .arg(CanvasInterior));
    if (saved.size() == QSize(CanvasInterior, CanvasInterior)) {
        const QRgb canvasBack = pixelAt(saved, QPoint(0, 0));
        checkCanvas(verdict, saved, QPoint(0, 0), picture, grid, canvasBack, QStringLiteral("saved canvas"));
    }
    return verdict.report(QStringLiteral("saved file holds the expected mosaic"));
}

struct Command
{
    const char *name;
    const char *arguments;
    int (*run)(const QStringList &);
};

const std::array<Command, 6> Commands = {{
    {"make-quadrants", "OUT", makeQuadrants},
    {"field-colour", "SHOT LEFT TOP", fieldColour},
    {"finished", "SHOT LEFT TOP PICTURE COLUMNS ROWS COLOUR", finished},
    {"check-window", "SHOT LEFT TOP PICTURE COLUMNS ROWS COLOUR", checkWindow},
    {"check-picture", "SHOT LEFT TOP PICTURE", checkPicture},
    {"check-file", "BMP PICTURE COLUMNS ROWS", checkFile},
}};

void printUsage()
{
    std::fprintf(stderr, "usage: e2e_screenshotcheck COMMAND ARGUMENTS, one of\n");
    for (const Command &command : Commands)
        std::fprintf(stderr, "  %s %s\n", command.name, command.arguments);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int at = 1; at < argc; ++at)
        args.append(QString::fromLocal8Bit(argv[at]));

    for (const Command &command : Commands) {
        if (args.value(0) != QLatin1String(command.name))
            continue;
        const qsizetype argumentCount = QString::fromLatin1(command.arguments).split(QLatin1Char(' ')).size();
        if (args.size() - 1 != argumentCount) {
            printUsage();
            return 2;
        }
        try {
            return command.run(args.mid(1));
        } catch (const UsageError &error) {
            std::fprintf(stderr, "e2e_screenshotcheck %s: %s\n", command.name, error.what());
            return 2;
        }
    }
    printUsage();
    return 2;
}
