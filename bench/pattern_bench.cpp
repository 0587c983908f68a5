// Photo patterns made from the photo set (bench/photos and a drawn logo):
//
//   Pattern/<picture>/<cubes>/<method>  every picture at about 400, 1,600
//       and 4,000 cubes (the wall of its aspect, fit crop, the standard
//       palette, no adjustments) with every method, the optimised one at
//       turn weight 0 ("optimised") and at the default ("default"): the
//       likeness score, the optimal turns per cube, real and process CPU
//       time, and how far the peak resident size rose
//   Pattern/<picture>/<cubes>/window  the window's own mosaic on the same
//       cells, scored the same way, for comparison
//   Pattern/astronaut/100000/optimised  the optimiser on a huge wall
//   Threads/<picture>/1600  whether the optimiser gives the same stickers
//       on one thread and on two
//   Curve/<photograph>/<weight>  the optimised method at each turn weight
//       of the score-against-turns curve, at 1,600 cubes
//
// After the runs it prints the figures as tables and how they stand against
// the targets (see support/patternreport.h).
//
//   pattern_bench [--photos DIR] [--curve FILE] [benchmark options]
//   pattern_bench [--photos DIR] --previews DIR
//
// --photos reads the photo set from another folder; --curve also draws the
// score-against-turns curve of the cases that ran as a PNG plot into FILE;
// --previews writes each method's pattern of a portrait, the rocket and the
// logo at 1,600 cubes, and the portrait at turn weights 0, the default and
// 20, as PNG pictures into DIR instead of measuring anything.

#include "cube/shippedfaceturntable.h"
#include "guide/wallpreview.h"
#include "pattern/errordiffusion.h"
#include "pattern/framing.h"
#include "pattern/likeness.h"
#include "pattern/likenessoptimiser.h"
#include "pattern/nearestcolour.h"
#include "pattern/photopattern.h"
#include "support/clublogo.h"
#include "support/curveplot.h"
#include "support/curvereport.h"
#include "support/patterncases.h"
#include "support/patternreport.h"
#include "support/peakresidentmeter.h"
#include "support/photoset.h"
#include "support/recordingreporter.h"
#include "support/wallturns.h"
#include "support/windowmosaic.h"
#include "support/workclock.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

namespace tessaly::bench {
namespace {

using pattern::Method;
using pattern::PatternRecipe;

constexpr const char *PreviewPhotos[] = {"astronaut", "rocket", "logo"};
// Pixels a sticker in the previews: the wall as built, as tessaly-guide --preview draws it.
constexpr int PreviewScale = 6;
// The optimised method weighing the likeness alone, as the likeness and
// speed targets judge it.
constexpr NamedMethod LikenessAlone = PatternMethods[0];
// The portrait shown at several turn weights, and the files it goes to.
constexpr const char *WeightPreviewPhoto = "astronaut";
constexpr NamedMethod WeightPreviews[] = {
    {Method::Optimised, "portrait-w0", 0},
    {Method::Optimised, "portrait-wdefault", pattern::DefaultTurnWeight},
    {Method::Optimised, "portrait-w20", 20},
};

// The recipe every case uses: the wall of about that many cubes in the
// picture's aspect, fit crop, the standard palette, no adjustments.
PatternRecipe recipeFor(const BenchPhoto &photo, long long cubes, const NamedMethod &method)
{
    PatternRecipe recipe;
    recipe.wall = pattern::wallForCubes(cubes, photo.aspect());
    recipe.method = method.method;
    recipe.turnWeight = method.turnWeight;
    return recipe;
}

// Any method gives the same cells, so nearest stands for all.
PatternRecipe recipeFor(const BenchPhoto &photo, long long cubes)
{
    return recipeFor(photo, cubes, NamedMethod{Method::Nearest, "nearest"});
}

pattern::SourceRegion regionOf(const BenchPhoto &photo, const PatternRecipe &recipe)
{
    return pattern::frameRegion(photo.picture.width, photo.picture.height, recipe.wall, recipe.fit, recipe.crop);
}

// The window's mosaic on the photo pattern's cells: the window's rule
// (the pixel under each cell's centre, classified at the default
// tolerances, black cells scored as Unmatched, mid grey), not its grid.
pattern::StickerGrid windowMosaicFor(const BenchPhoto &photo, const PatternRecipe &recipe)
{
    return windowMosaic(photo.picture, regionOf(photo, recipe), recipe.wall.cellColumns(), recipe.wall.cellRows());
}

// The turns of a pattern, left out when it has cells no cube can show.
void setTurnCounters(benchmark::State &state, const pattern::StickerGrid &stickers)
{
    if (const auto turns = countWallTurns(stickers, cube::faceTurnTable())) {
        state.counters[Counter::Turns] = double(turns->total);
        state.counters[Counter::TurnsPerCube] = turns->perCube();
    }
}

void setCaseCounters(benchmark::State &state, const BenchPhoto &photo, const pattern::WallSize &wall,
                     double likeness, const WorkClock &clock, const PeakResidentMeter &peak)
{
    state.counters[Counter::Columns] = wall.columns;
    state.counters[Counter::Rows] = wall.rows;
    state.counters[Counter::Likeness] = likeness;
    state.counters[Counter::RealMilliseconds] = clock.realMilliseconds();
    state.counters[Counter::CpuMilliseconds] = clock.cpuMilliseconds();
    state.counters[Counter::PeakRise] = peak.riseMegabytes();
    state.counters[Counter::Picture] = photo.megabytes();
}

void MakePattern(benchmark::State &state, const BenchPhoto *photo, const PatternRecipe &recipe)
{
    const PeakResidentMeter peak;
    WorkClock clock;
    double likeness = 0;
    pattern::StickerGrid stickers;
    for (auto _ : state) {
        clock.start();
        const pattern::PhotoPatternResult result = pattern::makePhotoPattern(photo->picture, recipe);
        clock.stop();
        if (!result.pattern) {
            state.SkipWithError(("no pattern: " + result.error).c_str());
            return;
        }
        likeness = result.pattern->likeness;
        stickers = result.pattern->stickers;
    }
    setCaseCounters(state, *photo, recipe.wall, likeness, clock, peak);
    setTurnCounters(state, stickers);
}

void MakeWindowMosaic(benchmark::State &state, const BenchPhoto *photo, long long cubes)
{
    const PatternRecipe recipe = recipeFor(*photo, cubes);
    // Any method gives the same target: the cells' colours the score compares with.
    const auto reference = pattern::makePhotoPattern(photo->picture, recipe).pattern;
    if (!reference) {
        state.SkipWithError("no target for the picture");
        return;
    }
    const PeakResidentMeter peak;
    WorkClock clock;
    pattern::StickerGrid mosaic;
    for (auto _ : state) {
        clock.start();
        mosaic = windowMosaicFor(*photo, recipe);
        clock.stop();
    }
    const double likeness = pattern::spatialDifference(pattern::seenLab(reference->target), mosaic, recipe.palette);
    setCaseCounters(state, *photo, recipe.wall, likeness, clock, peak);
    setTurnCounters(state, mosaic);
}

// makePhotoPattern runs the optimiser on every core and has no thread
// setting, so the optimiser is run here as it runs it on one thread and on
// two, and both are compared with its pattern: for the likeness alone from
// Floyd-Steinberg diffusion, counting turns from the nearest colours.
bool sameOnThreads(const BenchPhoto &photo, const NamedMethod &method)
{
    const PatternRecipe recipe = recipeFor(photo, CheckCubes, method);
    const auto made = pattern::makePhotoPattern(photo.picture, recipe).pattern;
    if (!made)
        return false;
    pattern::LikenessOptimiserSettings settings;
    pattern::StickerGrid start = pattern::floydSteinberg(made->target, recipe.palette);
    if (recipe.turnWeight > 0) {
        settings.turnTable = &cube::faceTurnTable();
        settings.turnWeight = recipe.turnWeight;
        start = pattern::nearestColour(made->target, recipe.palette);
    }
    const auto onThreads = [&](unsigned threads) {
        settings.threads = threads;
        return pattern::optimiseLikeness(made->target, recipe.palette, start, settings);
    };
    const auto one = onThreads(1);
    const auto two = onThreads(2);
    return one && two && *one == *two && *one == made->stickers;
}

void CompareThreads(benchmark::State &state, const BenchPhoto *photo)
{
    bool same = true;
    for (auto _ : state) {
        same = true;
        for (const NamedMethod &method : PatternMethods) {
            if (method.method == Method::Optimised)
                same = sameOnThreads(*photo, method) && same;
        }
    }
    state.counters[Counter::SameBytes] = same ? 1 : 0;
}

void registerCases(const PhotoSet &set)
{
    for (const BenchPhoto &photo : set.photos) {
        for (const long long cubes : WallCubeCounts) {
            for (const NamedMethod &method : PatternMethods) {
                benchmark::RegisterBenchmark(patternCaseName(photo.name, cubes, method.name).c_str(), MakePattern,
                                             &photo, recipeFor(photo, cubes, method))
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime()
                    ->MeasureProcessCPUTime();
            }
            benchmark::RegisterBenchmark(patternCaseName(photo.name, cubes, WindowMethod).c_str(),
                                         MakeWindowMosaic, &photo, cubes)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    if (const BenchPhoto *photo = findPhoto(set, HugeWallPhoto)) {
        benchmark::RegisterBenchmark(patternCaseName(photo->name, HugeWallCubes, "optimised").c_str(), MakePattern,
                                     photo, recipeFor(*photo, HugeWallCubes, LikenessAlone))
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MeasureProcessCPUTime()
            ->Iterations(1);
    }
    for (const BenchPhoto &photo : set.photos) {
        benchmark::RegisterBenchmark(threadsCaseName(photo.name).c_str(), CompareThreads, &photo)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MeasureProcessCPUTime()
            ->Iterations(1);
    }
    for (const BenchPhoto &photo : set.photos) {
        if (photo.subject == FlatArt)
            continue;
        for (const double weight : CurveWeights) {
            const NamedMethod method{Method::Optimised, "curve", weight};
            benchmark::RegisterBenchmark(curveCaseName(photo.name, weight).c_str(), MakePattern, &photo,
                                         recipeFor(photo, CheckCubes, method))
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MeasureProcessCPUTime()
                ->Iterations(1);
        }
    }
}

bool writePng(const QImage &image, const std::string &path)
{
    QImageWriter writer(QString::fromStdString(path), "png");
    if (writer.write(image)) {
        std::printf("%s\n", path.c_str());
        return true;
    }
    std::fprintf(stderr, "%s: %s\n", path.c_str(), writer.errorString().toLocal8Bit().constData());
    return false;
}

// One method's pattern of the picture at CheckCubes; false when it could
// not be made or written.
bool writePatternPreview(const BenchPhoto &photo, const NamedMethod &method, const std::string &path)
{
    const PatternRecipe recipe = recipeFor(photo, CheckCubes, method);
    const pattern::PhotoPatternResult made = pattern::makePhotoPattern(photo.picture, recipe);
    if (!made.pattern) {
        std::fprintf(stderr, "%s: no pattern: %s\n", path.c_str(), made.error.c_str());
        return false;
    }
    return writePng(renderWallPreview(made.pattern->stickers, recipe.palette, PreviewScale), path);
}

// Writes each method's pattern and the window's mosaic of one picture;
// false when a file could not be written.
bool writePreviewsOf(const BenchPhoto &photo, const std::string &folder)
{
    const std::string stem = folder + "/" + photo.name + "-" + std::to_string(CheckCubes) + "-";
    bool written = true;
    for (const NamedMethod &method : PatternMethods)
        written = writePatternPreview(photo, method, stem + method.name + ".png") && written;
    const PatternRecipe recipe = recipeFor(photo, CheckCubes);
    const QImage window = renderWallPreview(windowMosaicFor(photo, recipe), recipe.palette, PreviewScale);
    return writePng(window, stem + WindowMethod + ".png") && written;
}

// The logo as drawn, then the previews; returns the process's exit code.
int writePreviews(const PhotoSet &set, const std::string &folder)
{
    bool written = writePng(drawClubLogo(), folder + "/logo.png");
    for (const char *name : PreviewPhotos) {
        if (const BenchPhoto *photo = findPhoto(set, name))
            written = writePreviewsOf(*photo, folder) && written;
    }
    if (const BenchPhoto *photo = findPhoto(set, WeightPreviewPhoto)) {
        for (const NamedMethod &method : WeightPreviews)
            written = writePatternPreview(*photo, method, folder + "/" + method.name + ".png") && written;
    }
    return written ? 0 : 1;
}

// Removes "--name VALUE" or "--name=VALUE" from the arguments and returns
// the value; empty when the option is not there.
std::optional<std::string> takeOption(int &argc, char **argv, const char *name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        int used = 0;
        std::optional<std::string> value;
        if (std::strcmp(argv[i], name) == 0 && i + 1 < argc) {
            value = argv[i + 1];
            used = 2;
        } else if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=') {
            value = argv[i] + length + 1;
            used = 1;
        }
        if (value) {
            // The null pointer after the last argument moves down too.
            for (int j = i; j + used <= argc; ++j)
                argv[j] = argv[j + used];
            argc -= used;
            return value;
        }
    }
    return std::nullopt;
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    using namespace tessaly::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string photoFolder = takeOption(argc, argv, "--photos").value_or(TESSALY_BENCH_PHOTOS);
    const std::optional<std::string> previewFolder = takeOption(argc, argv, "--previews");
    const std::optional<std::string> curveFile = takeOption(argc, argv, "--curve");
    QGuiApplication application(argc, argv);

    const PhotoSet set = loadPhotoSet(photoFolder);
    if (!set.error.empty()) {
        std::fprintf(stderr, "cannot read the photo set: %s\n", set.error.c_str());
        return 2;
    }
    if (previewFolder)
        return writePreviews(set, *previewFolder);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerCases(set);
    std::printf("photo set: %zu pictures; the optimiser runs on every core (%u here)\n", set.photos.size(),
                std::thread::hardware_concurrency());
    RecordingReporter reporter;
    const std::size_t ran = benchmark::RunSpecifiedBenchmarks(&reporter);
    printPatternReport(reporter, set);
    const ScoreTurnsCurve curve = scoreTurnsCurve(reporter, set);
    printCurveReport(curve);
    if (curveFile && !writePng(drawCurvePlot(curve), *curveFile))
        return 1;
    benchmark::Shutdown();
    // A filter that matches nothing is a mistake, in a smoke test above all.
    return ran > 0 ? 0 : 1;
}
