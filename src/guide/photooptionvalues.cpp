#include "guide/photooptionvalues.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <utility>

namespace tessaly {

namespace {

template <typename T>
OptionValue<T> refused(const QString &error)
{
    return {std::nullopt, error};
}

// A whole number, else empty.
std::optional<long long> wholeNumber(const QString &text)
{
    bool isNumber = false;
    const long long number = text.trimmed().toLongLong(&isNumber);
    return isNumber ? std::optional(number) : std::nullopt;
}

constexpr std::array<std::pair<pattern::Fit, const char *>, 3> Fits = {{
    {pattern::Fit::Crop, "crop"},
    {pattern::Fit::Pad, "pad"},
    {pattern::Fit::Stretch, "stretch"},
}};

struct NamedMethod
{
    pattern::Method method;
    const char *name;
};

constexpr std::array<NamedMethod, 6> Methods = {{
    {pattern::Method::Optimised, "optimised"},
    {pattern::Method::Nearest, "nearest"},
    {pattern::Method::Ordered, "ordered"},
    {pattern::Method::Diffusion, "diffusion"},
    {pattern::Method::Atkinson, "atkinson"},
    {pattern::Method::Exact, "exact"},
}};

} // namespace

std::optional<ColumnsByRows> columnsByRowsFromText(const QString &text)
{
    static const QRegularExpression Pattern(QStringLiteral("^\\s*(\\d+)\\s*[xX\u00D7]\\s*(\\d+)\\s*$"));
    const QRegularExpressionMatch match = Pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool columnsRead = false;
    bool rowsRead = false;
    const ColumnsByRows sides{match.captured(1).toLongLong(&columnsRead), match.captured(2).toLongLong(&rowsRead)};
    if (!columnsRead || !rowsRead) // too long, or digits of another script
        return std::nullopt;
    return sides;
}

OptionValue<pattern::WallSize> wallSizeFromText(const QString &text)
{
    const auto sides = columnsByRowsFromText(text);
    if (!sides || sides->columns < 1 || sides->rows < 1)
        return refused<pattern::WallSize>(
            QStringLiteral("Invalid wall \"%1\": give columns x rows of cubes, each at least 1, such as 40x30.")
                .arg(text));
    // Each side alone at most the limit: their product cannot overflow.
    if (sides->columns > MaxWallCubes || sides->rows > MaxWallCubes || sides->columns * sides->rows > MaxWallCubes)
        return refused<pattern::WallSize>(
            QStringLiteral("Invalid wall \"%1\": a wall has at most %2 cubes.").arg(text).arg(MaxWallCubes));
    return {pattern::WallSize{int(sides->columns), int(sides->rows)}, {}};
}

OptionValue<long long> cubeCountFromText(const QString &text)
{
    const auto cubes = wholeNumber(text);
    if (!cubes || *cubes < 1 || *cubes > MaxWallCubes)
        return refused<long long>(
            QStringLiteral("Invalid cube count \"%1\": give a whole number from 1 to %2.").arg(text).arg(MaxWallCubes));
    return {*cubes, {}};
}

OptionValue<pattern::Fit> fitNamed(const QString &name)
{
    for (const auto &[fit, fitName] : Fits) {
        if (name.compare(QLatin1String(fitName), Qt::CaseInsensitive) == 0)
            return {fit, {}};
    }
    return refused<pattern::Fit>(QStringLiteral("Invalid fit \"%1\": use crop, pad or stretch.").arg(name));
}

OptionValue<pattern::CropRect> cropFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    std::array<int, 4> numbers{};
    bool valid = parts.size() == int(numbers.size());
    for (int at = 0; valid && at < parts.size(); ++at)
        numbers[std::size_t(at)] = parts[at].trimmed().toInt(&valid);
    if (!valid)
        return refused<pattern::CropRect>(
            QStringLiteral("Invalid crop \"%1\": give X,Y,WIDTH,HEIGHT in picture pixels, such as 0,0,800,600.")
                .arg(text));
    return {pattern::CropRect{numbers[0], numbers[1], numbers[2], numbers[3]}, {}};
}

OptionValue<int> adjustmentFromText(const QString &name, const QString &text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber || value < -100 || value > 100)
        return refused<int>(
            QStringLiteral("Invalid %1 \"%2\": give a whole number from -100 to 100.").arg(name, text));
    return {value, {}};
}

OptionValue<pattern::Method> methodNamed(const QString &name)
{
    for (const NamedMethod &method : Methods) {
        if (name.compare(QLatin1String(method.name), Qt::CaseInsensitive) == 0)
            return {method.method, {}};
    }
    if (name.compare(QLatin1String("optimized"), Qt::CaseInsensitive) == 0) // as Americans write it
        return {pattern::Method::Optimised, {}};
    return refused<pattern::Method>(
        QStringLiteral("Invalid method \"%1\": use optimised, nearest, ordered, diffusion, atkinson or exact.")
            .arg(name));
}

OptionValue<int> previewScaleFromText(const QString &text)
{
    bool isNumber = false;
    const int scale = text.trimmed().toInt(&isNumber);
    if (!isNumber || scale < 1 || scale > MaxPreviewScale)
        return refused<int>(QStringLiteral("Invalid preview scale \"%1\": give 1 to %2 pixels a sticker.")
                                .arg(text)
                                .arg(MaxPreviewScale));
    return {scale, {}};
}

OptionValue<double> turnWeightFromText(const QString &text)
{
    bool isNumber = false;
    const double weight = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !(weight >= 0 && weight <= MaxTurnWeight))
        return refused<double>(QStringLiteral("Invalid turn weight \"%1\": give a number from 0 to %2.")
                                   .arg(text)
                                   .arg(MaxTurnWeight));
    return {weight, {}};
}

OptionValue<int> maxTurnsFromText(const QString &text)
{
    bool isNumber = false;
    const int turns = text.trimmed().toInt(&isNumber);
    if (!isNumber || turns < 0 || turns > pattern::MostTurnsAnyFace)
        return refused<int>(QStringLiteral("Invalid turn limit \"%1\": give 0 to %2 turns a cube.")
                                .arg(text)
                                .arg(pattern::MostTurnsAnyFace));
    return {turns, {}};
}

QString fitName(pattern::Fit fit)
{
    for (const auto &[named, name] : Fits) {
        if (named == fit)
            return QLatin1String(name);
    }
    return {};
}

QString methodName(pattern::Method method)
{
    for (const NamedMethod &named : Methods) {
        if (named.method == method)
            return QLatin1String(named.name);
    }
    return {};
}

} // namespace tessaly
