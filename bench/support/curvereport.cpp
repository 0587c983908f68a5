#include "support/curvereport.h"

#include "support/patterncases.h"

#include <cstdio>

namespace tessaly::bench {

namespace {

// The methods shown as single points beside the optimiser's line.
constexpr const char *PointMethods[] = {"ordered", "diffusion", "atkinson", "nearest"};

std::optional<ScoreTurns> pointOf(const RecordingReporter &results, const std::string &caseName)
{
    const auto score = results.counter(caseName, Counter::Likeness);
    const auto turns = results.counter(caseName, Counter::TurnsPerCube);
    if (!score || !turns)
        return std::nullopt;
    return ScoreTurns{*score, *turns};
}

std::optional<ScoreTurns> meanOf(const std::vector<std::optional<ScoreTurns>> &points)
{
    if (points.empty())
        return std::nullopt;
    ScoreTurns sum;
    for (const auto &point : points) {
        if (!point)
            return std::nullopt;
        sum.score += point->score;
        sum.turnsPerCube += point->turnsPerCube;
    }
    const double count = double(points.size());
    return ScoreTurns{sum.score / count, sum.turnsPerCube / count};
}

std::string weightLabel(double weight)
{
    char label[32];
    std::snprintf(label, sizeof label, "w%g", weight);
    return label;
}

std::string cellText(const std::optional<ScoreTurns> &point)
{
    if (!point)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f / %.2f", point->score, point->turnsPerCube);
    return text;
}

bool anyMeasured(const ScoreTurnsCurve &curve)
{
    for (const CurveRow &row : curve.rows) {
        for (const auto &point : row.byPhoto) {
            if (point)
                return true;
        }
    }
    return false;
}

} // namespace

ScoreTurnsCurve scoreTurnsCurve(const RecordingReporter &results, const PhotoSet &set)
{
    ScoreTurnsCurve curve;
    for (const BenchPhoto &photo : set.photos) {
        if (photo.subject != FlatArt)
            curve.photos.push_back(photo.name);
    }
    for (const double weight : CurveWeights) {
        CurveRow row{weightLabel(weight), true, weight, {}, {}};
        for (const std::string &photo : curve.photos)
            row.byPhoto.push_back(pointOf(results, curveCaseName(photo, weight)));
        row.mean = meanOf(row.byPhoto);
        curve.rows.push_back(row);
    }
    for (const char *method : PointMethods) {
        CurveRow row{method, false, 0, {}, {}};
        for (const std::string &photo : curve.photos)
            row.byPhoto.push_back(pointOf(results, patternCaseName(photo, CheckCubes, method)));
        row.mean = meanOf(row.byPhoto);
        curve.rows.push_back(row);
    }
    return curve;
}

void printCurveReport(const ScoreTurnsCurve &curve)
{
    if (!anyMeasured(curve))
        return;
    std::printf("\nScore against turns per cube, photographs at %lld cubes (score / turns per cube)\n", CheckCubes);
    std::printf("%-10s %14s", "point", "mean");
    for (const std::string &photo : curve.photos)
        std::printf(" %14s", photo.c_str());
    std::printf("\n");
    for (const CurveRow &row : curve.rows) {
        std::printf("%-10s %14s", row.label.c_str(), cellText(row.mean).c_str());
        for (const auto &point : row.byPhoto)
            std::printf(" %14s", cellText(point).c_str());
        std::printf("\n");
    }
    std::fflush(stdout);
}

} // namespace tessaly::bench
