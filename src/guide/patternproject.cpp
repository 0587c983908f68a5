#include "guide/patternproject.h"

#include "guide/photooptionvalues.h"
#include "pattern/adjustments.h"
#include "pattern/palette.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <set>
#include <utility>

namespace tessaly {

namespace {

using pattern::Fit;
using pattern::Method;

constexpr auto FormatName = "tessaly-project";

// Reads the fields of one project file, remembering the first fault.
class ProjectReader
{
public:
    explicit ProjectReader(const QJsonObject &root)
        : m_root(root)
    {
    }

    const QString &error() const { return m_error; }
    bool ok() const { return m_error.isEmpty(); }

    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

    QJsonObject object(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isObject())
            fail(QStringLiteral("%1 lacks the object \"%2\"").arg(where, key));
        return value.toObject();
    }

    QString string(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isString())
            fail(QStringLiteral("%1 lacks the text \"%2\"").arg(where, key));
        return value.toString();
    }

    // A whole number; JSON numbers are doubles, so a fraction is refused.
    long long integer(const QJsonObject &parent, const QString &key, const QString &where,
                      long long least, long long most)
    {
        const QJsonValue value = parent.value(key);
        const double number = value.toDouble(-1e300);
        if (!value.isDouble() || number != double((long long)number)) {
            fail(QStringLiteral("%1 lacks the whole number \"%2\"").arg(where, key));
            return least;
        }
        if (number < double(least) || number > double(most)) {
            fail(QStringLiteral("%1: \"%2\" is %3, outside %4 to %5")
                     .arg(where, key).arg((long long)number).arg(least).arg(most));
            return least;
        }
        return (long long)number;
    }

    bool boolean(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isBool())
            fail(QStringLiteral("%1 lacks the true or false \"%2\"").arg(where, key));
        return value.toBool();
    }

    const QJsonObject &root() const { return m_root; }

private:
    QJsonObject m_root;
    QString m_error;
};

constexpr int MaxSide = 100'000; // cubes a side, pixels a side: far beyond any real wall or picture

void readWall(ProjectReader &reader, PatternProject &project)
{
    const QJsonObject wall = reader.object(reader.root(), QStringLiteral("wall"), QStringLiteral("the project"));
    const QString where = QStringLiteral("the wall");
    project.recipe.wall.columns = int(reader.integer(wall, QStringLiteral("columns"), where, 1, MaxSide));
    project.recipe.wall.rows = int(reader.integer(wall, QStringLiteral("rows"), where, 1, MaxSide));
    if (project.recipe.wall.cubes() > pattern::MaxWallCubes)
        reader.fail(QStringLiteral("the wall of %1 x %2 cubes is larger than the %3 cubes a wall may have")
                        .arg(project.recipe.wall.columns)
                        .arg(project.recipe.wall.rows)
                        .arg(pattern::MaxWallCubes));
    if (wall.contains(QStringLiteral("cubes")))
        project.cubeBudget = reader.integer(wall, QStringLiteral("cubes"), where, 1, pattern::MaxWallCubes);
}

void readFraming(ProjectReader &reader, PatternProject &project)
{
    const QString fit = reader.string(reader.root(), QStringLiteral("fit"), QStringLiteral("the project"));
    const OptionValue<Fit> named = fitNamed(fit);
    if (named.value)
        project.recipe.fit = *named.value;
    else if (reader.ok())
        reader.fail(QStringLiteral("the fit \"%1\" is none of crop, pad and stretch").arg(fit));
    if (!reader.root().contains(QStringLiteral("crop")))
        return;
    const QJsonObject crop = reader.object(reader.root(), QStringLiteral("crop"), QStringLiteral("the project"));
    const QString where = QStringLiteral("the crop");
    pattern::CropRect rect;
    rect.x = int(reader.integer(crop, QStringLiteral("x"), where, 0, MaxSide));
    rect.y = int(reader.integer(crop, QStringLiteral("y"), where, 0, MaxSide));
    rect.width = int(reader.integer(crop, QStringLiteral("width"), where, 1, MaxSide));
    rect.height = int(reader.integer(crop, QStringLiteral("height"), where, 1, MaxSide));
    project.recipe.crop = rect;
}

void readAdjustments(ProjectReader &reader, PatternProject &project)
{
    const QJsonObject adjustments =
        reader.object(reader.root(), QStringLiteral("adjustments"), QStringLiteral("the project"));
    const QString where = QStringLiteral("the adjustments");
    pattern::Adjustments &values = project.recipe.adjustments;
    values.brightness = int(reader.integer(adjustments, QStringLiteral("brightness"), where, -100, 100));
    values.contrast = int(reader.integer(adjustments, QStringLiteral("contrast"), where, -100, 100));
    values.saturation = int(reader.integer(adjustments, QStringLiteral("saturation"), where, -100, 100));
    values.autoLevels = reader.boolean(adjustments, QStringLiteral("autoLevels"), where);
}

// The turn weight and the limit came after the first projects: a file
// without them has the defaults.
void readTurns(ProjectReader &reader, PatternProject &project)
{
    const QJsonObject &root = reader.root();
    if (root.contains(QStringLiteral("turnWeight"))) {
        const QJsonValue value = root.value(QStringLiteral("turnWeight"));
        const double weight = value.toDouble(-1);
        if (!value.isDouble() || !(weight >= 0 && weight <= MaxTurnWeight))
            reader.fail(QStringLiteral("the project's \"turnWeight\" is not a number from 0 to %1").arg(MaxTurnWeight));
        else
            project.recipe.turnWeight = weight;
    }
    if (root.contains(QStringLiteral("maxTurns")))
        project.recipe.maxTurns =
            int(reader.integer(root, QStringLiteral("maxTurns"), QStringLiteral("the project"), 0, pattern::MostTurnsAnyFace));
}

void readMatching(ProjectReader &reader, PatternProject &project)
{
    const QString method = reader.string(reader.root(), QStringLiteral("method"), QStringLiteral("the project"));
    const OptionValue<Method> named = methodNamed(method);
    if (named.value && *named.value != Method::Exact)
        project.recipe.method = *named.value;
    else if (reader.ok())
        reader.fail(QStringLiteral("the method \"%1\" is none of optimised, nearest, ordered, diffusion and atkinson")
                        .arg(method));
    readTurns(reader, project);

    const QJsonValue lines = reader.root().value(QStringLiteral("palette"));
    if (!lines.isArray()) {
        reader.fail(QStringLiteral("the project lacks the list \"palette\""));
        return;
    }
    QString text;
    for (const QJsonValue &line : lines.toArray())
        text += line.toString() + QLatin1Char('\n');
    const pattern::PaletteReading palette = pattern::parsePalette(text.toStdString());
    if (!palette.palette) {
        reader.fail(QStringLiteral("the palette: %1").arg(QString::fromStdString(palette.error)));
        return;
    }
    project.recipe.palette = *palette.palette;
}

void readTouchUps(ProjectReader &reader, PatternProject &project)
{
    const QJsonValue list = reader.root().value(QStringLiteral("touchUps"));
    if (!list.isArray()) {
        reader.fail(QStringLiteral("the project lacks the list \"touchUps\""));
        return;
    }
    std::set<std::pair<int, int>> cells;
    const pattern::WallSize wall = project.recipe.wall;
    for (const QJsonValue &value : list.toArray()) {
        const QString where = QStringLiteral("touch-up %1").arg(project.touchUps.size() + 1);
        if (!value.isObject()) {
            reader.fail(QStringLiteral("%1 is not an object").arg(where));
            return;
        }
        const QJsonObject entry = value.toObject();
        TouchUp touchUp;
        touchUp.x = int(reader.integer(entry, QStringLiteral("x"), where, 0, wall.cellColumns() - 1));
        touchUp.y = int(reader.integer(entry, QStringLiteral("y"), where, 0, wall.cellRows() - 1));
        const QString letter = reader.string(entry, QStringLiteral("sticker"), where);
        if (!reader.ok())
            return;
        const std::optional<pattern::Sticker> sticker =
            letter.size() == 1 ? pattern::stickerFromLetter(letter.at(0).toLatin1()) : std::nullopt;
        if (!sticker || *sticker == pattern::Sticker::Unmatched) {
            reader.fail(QStringLiteral("%1: \"%2\" is none of W, Y, R, O, B and G").arg(where, letter));
            return;
        }
        if (!cells.insert({touchUp.x, touchUp.y}).second) {
            reader.fail(QStringLiteral("%1 sets cell (%2, %3) a second time").arg(where).arg(touchUp.x).arg(touchUp.y));
            return;
        }
        touchUp.sticker = *sticker;
        project.touchUps.push_back(touchUp);
    }
}

// The guide's layout came after the first projects: a file without it, or
// without any of its settings, has the defaults.
void readLayout(ProjectReader &reader, PatternProject &project)
{
    if (!reader.root().contains(QStringLiteral("guide")))
        return;
    const QJsonObject guide = reader.object(reader.root(), QStringLiteral("guide"), QStringLiteral("the project"));
    const QString where = QStringLiteral("the guide");
    GuideLayout &layout = project.layout;
    if (guide.contains(QStringLiteral("pageSize"))) {
        const QString name = reader.string(guide, QStringLiteral("pageSize"), where);
        const std::optional<QPageSize> pageSize = pageSizeNamed(name);
        if (reader.ok() && !pageSize)
            reader.fail(QStringLiteral("the guide's page size \"%1\" is neither A4 nor Letter").arg(name));
        layout.pageSize = pageSize.value_or(layout.pageSize);
    }
    if (guide.contains(QStringLiteral("order"))) {
        const QString name = reader.string(guide, QStringLiteral("order"), where);
        const std::optional<BuildOrder> order = buildOrderNamed(name);
        if (reader.ok() && !order)
            reader.fail(QStringLiteral("the guide's order \"%1\" is neither top-down nor bottom-up").arg(name));
        layout.plan.order = order.value_or(layout.plan.order);
    }
    if (guide.contains(QStringLiteral("panel"))) {
        const QJsonObject panel = reader.object(guide, QStringLiteral("panel"), where);
        const QString panelWhere = QStringLiteral("the guide's panel");
        layout.plan.panel = CubeExtent{int(reader.integer(panel, QStringLiteral("columns"), panelWhere, 1, MaxSide)),
                                       int(reader.integer(panel, QStringLiteral("rows"), panelWhere, 1, MaxSide))};
    }
    BuildPace &pace = layout.plan.pace;
    for (const auto &[key, seconds] : {std::pair{QStringLiteral("secondsPerTurn"), &pace.secondsPerTurn},
                                       std::pair{QStringLiteral("secondsPerCube"), &pace.secondsPerCube}}) {
        if (!guide.contains(key))
            continue;
        const QJsonValue value = guide.value(key);
        const double number = value.toDouble(-1);
        if (!value.isDouble() || !(number >= 0 && number <= BuildPace::MaxSeconds))
            reader.fail(QStringLiteral("the guide's \"%1\" is not a number from 0 to %2").arg(key).arg(BuildPace::MaxSeconds));
        else
            *seconds = number;
    }
}

QJsonObject layoutJson(const GuideLayout &layout)
{
    QJsonObject guide{{QStringLiteral("pageSize"), pageSizeName(layout.pageSize)},
                      {QStringLiteral("order"), buildOrderName(layout.plan.order)},
                      {QStringLiteral("secondsPerTurn"), layout.plan.pace.secondsPerTurn},
                      {QStringLiteral("secondsPerCube"), layout.plan.pace.secondsPerCube}};
    if (layout.plan.panel) {
        guide.insert(QStringLiteral("panel"), QJsonObject{{QStringLiteral("columns"), layout.plan.panel->columns},
                                                          {QStringLiteral("rows"), layout.plan.panel->rows}});
    }
    return guide;
}

PatternProjectReading refused(const QString &error, bool newerFormat = false)
{
    PatternProjectReading reading;
    reading.error = error;
    reading.newerFormat = newerFormat;
    return reading;
}

} // namespace

PatternProjectReading parsePatternProject(const QByteArray &json, const QDir &folder)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull())
        return refused(QStringLiteral("it is not a project file: %1 at byte %2")
                             .arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject() || document.object().value(QStringLiteral("format")).toString() != QLatin1String(FormatName))
        return refused(QStringLiteral("it is not a project file: it does not say \"format\": \"%1\"").arg(QLatin1String(FormatName)));

    ProjectReader reader(document.object());
    const long long version =
        reader.integer(reader.root(), QStringLiteral("version"), QStringLiteral("the project"), 1, 1'000'000);
    if (!reader.ok())
        return refused(reader.error());
    if (version > PatternProject::FormatVersion)
        return refused(QStringLiteral("it was saved by a newer Tessaly (format version %1; this one reads up to %2)")
                             .arg(version).arg(PatternProject::FormatVersion),
                       true);

    PatternProject project;
    const QJsonObject picture = reader.object(reader.root(), QStringLiteral("picture"), QStringLiteral("the project"));
    const QString path = reader.string(picture, QStringLiteral("path"), QStringLiteral("the picture"));
    project.picturePath = path.isEmpty() ? QString() : QDir::cleanPath(folder.absoluteFilePath(path));
    project.pictureSha256 = reader.string(picture, QStringLiteral("sha256"), QStringLiteral("the picture"));
    readWall(reader, project);
    readFraming(reader, project);
    readAdjustments(reader, project);
    readMatching(reader, project);
    readTouchUps(reader, project);
    readLayout(reader, project);
    if (!reader.ok())
        return refused(reader.error());
    if (path.isEmpty())
        return refused(QStringLiteral("the picture's path is empty"));
    PatternProjectReading reading;
    reading.project = std::move(project);
    return reading;
}

PatternProjectReading readPatternProject(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    return parsePatternProject(file.readAll(), QFileInfo(path).absoluteDir());
}

QByteArray patternProjectJson(const PatternProject &project, const QDir &folder)
{
    const pattern::PatternRecipe &recipe = project.recipe;
    QJsonObject wall{{QStringLiteral("columns"), recipe.wall.columns}, {QStringLiteral("rows"), recipe.wall.rows}};
    if (project.cubeBudget > 0)
        wall.insert(QStringLiteral("cubes"), double(project.cubeBudget));

    QJsonArray palette;
    for (const QString &line : QString::fromStdString(pattern::paletteText(recipe.palette)).split(QLatin1Char('\n'))) {
        if (!line.isEmpty())
            palette.append(line);
    }
    QJsonArray touchUps;
    for (const TouchUp &touchUp : project.touchUps) {
        touchUps.append(QJsonObject{{QStringLiteral("x"), touchUp.x},
                                    {QStringLiteral("y"), touchUp.y},
                                    {QStringLiteral("sticker"), QString(QLatin1Char(pattern::stickerLetter(touchUp.sticker)))}});
    }

    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(FormatName)},
        {QStringLiteral("version"), PatternProject::FormatVersion},
        {QStringLiteral("picture"), QJsonObject{{QStringLiteral("path"), folder.relativeFilePath(project.picturePath)},
                                                {QStringLiteral("sha256"), project.pictureSha256}}},
        {QStringLiteral("wall"), wall},
        {QStringLiteral("fit"), fitName(recipe.fit)},
        {QStringLiteral("adjustments"), QJsonObject{{QStringLiteral("brightness"), recipe.adjustments.brightness},
                                                    {QStringLiteral("contrast"), recipe.adjustments.contrast},
                                                    {QStringLiteral("saturation"), recipe.adjustments.saturation},
                                                    {QStringLiteral("autoLevels"), recipe.adjustments.autoLevels}}},
        {QStringLiteral("method"), methodName(recipe.method)},
        {QStringLiteral("palette"), palette},
        {QStringLiteral("touchUps"), touchUps},
        {QStringLiteral("guide"), layoutJson(project.layout)},
    };
    root.insert(QStringLiteral("turnWeight"), recipe.turnWeight);
    if (recipe.maxTurns)
        root.insert(QStringLiteral("maxTurns"), *recipe.maxTurns);
    if (recipe.crop) {
        root.insert(QStringLiteral("crop"), QJsonObject{{QStringLiteral("x"), recipe.crop->x},
                                                        {QStringLiteral("y"), recipe.crop->y},
                                                        {QStringLiteral("width"), recipe.crop->width},
                                                        {QStringLiteral("height"), recipe.crop->height}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString writePatternProject(const PatternProject &project, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray json = patternProjectJson(project, QFileInfo(path).absoluteDir());
    if (file.write(json) != json.size() || !file.commit())
        return file.errorString();
    return {};
}

QString fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

void applyTouchUps(pattern::StickerGrid &stickers, const std::vector<TouchUp> &touchUps,
                   const pattern::StickerPalette &palette)
{
    for (const TouchUp &touchUp : touchUps) {
        if (touchUp.x < stickers.width() && touchUp.y < stickers.height() && palette.contains(touchUp.sticker))
            stickers.at(touchUp.x, touchUp.y) = touchUp.sticker;
    }
}

} // namespace tessaly
