#include "guide/buildplanoptions.h"

#include "guide/guidelayout.h"
#include "guide/photooptionvalues.h"

#include <QCommandLineParser>

#include <climits>
#include <optional>

namespace tessaly {

namespace {

// "20x10": two whole numbers of at least 1.
std::optional<CubeExtent> extentFrom(const QString &text)
{
    const auto sides = columnsByRowsFromText(text);
    if (!sides || sides->columns < 1 || sides->rows < 1 || sides->columns > INT_MAX || sides->rows > INT_MAX)
        return std::nullopt;
    return CubeExtent{int(sides->columns), int(sides->rows)};
}

// A number of seconds from 0 to BuildPace::MaxSeconds.
std::optional<double> secondsFrom(const QString &text)
{
    bool isNumber = false;
    const double seconds = text.toDouble(&isNumber);
    if (!isNumber || !(seconds >= 0 && seconds <= BuildPace::MaxSeconds)) // NaN fails too
        return std::nullopt;
    return seconds;
}

QString badSeconds(const QString &what, const QString &text)
{
    return QStringLiteral("Invalid seconds per %1 \"%2\": give a number from 0 to %3.")
        .arg(what, text)
        .arg(BuildPace::MaxSeconds);
}

} // namespace

BuildPlanOptions::BuildPlanOptions()
    : order(QStringLiteral("order"),
            QStringLiteral("The order of the block pages: top-down (default) or bottom-up, for a wall built "
                           "upright from its bottom row."),
            QStringLiteral("ORDER"), QStringLiteral("top-down"))
    , panel(QStringLiteral("panel"),
            QStringLiteral("Cut the wall into panels of at most C x R cubes, each with its own section in the PDF."),
            QStringLiteral("CxR"))
    , secondsPerTurn(QStringLiteral("seconds-per-turn"),
                     QStringLiteral("Seconds a builder takes for one turn, for the time estimates (default 3)."),
                     QStringLiteral("S"), QStringLiteral("3"))
    , secondsPerCube(QStringLiteral("seconds-per-cube"),
                     QStringLiteral("Seconds to pick, check and mount one cube (default 10)."),
                     QStringLiteral("S"), QStringLiteral("10"))
{
}

QString readBuildPlanOptions(const QCommandLineParser &parser, const BuildPlanOptions &declared,
                             BuildPlanSettings &settings)
{
    const QString orderText = parser.value(declared.order);
    const auto order = buildOrderNamed(orderText);
    if (!order)
        return QStringLiteral("Invalid order \"%1\": use top-down or bottom-up.").arg(orderText);
    settings.order = *order;

    if (parser.isSet(declared.panel)) {
        const QString text = parser.value(declared.panel);
        settings.panel = extentFrom(text);
        if (!settings.panel)
            return QStringLiteral("Invalid panel \"%1\": give columns x rows of cubes, two whole numbers of at "
                                  "least 1, as in 20x10.")
                .arg(text);
    }

    const QString turnText = parser.value(declared.secondsPerTurn);
    const auto perTurn = secondsFrom(turnText);
    if (!perTurn)
        return badSeconds(QStringLiteral("turn"), turnText);
    const QString cubeText = parser.value(declared.secondsPerCube);
    const auto perCube = secondsFrom(cubeText);
    if (!perCube)
        return badSeconds(QStringLiteral("cube"), cubeText);
    settings.pace = {*perTurn, *perCube};
    return {};
}

} // namespace tessaly
