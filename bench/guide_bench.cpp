// The build guide's costs, each from the picture in memory to the files:
//
//   DefaultGuide    the window's defaults on the built-in picture (1,085
//                   cubes): CSV and PDF, without and with twist sequences
//   PhotoWall       a grainy picture made into a 10,000-cube wall, every
//                   cube solved
//   HugeWall        a 100,000-cube wall: CSV and PDF without sequences, its
//                   thousands of pages and the peak memory they take
//   MosaicRun       the 15.9-million-cell run on a 5312 x 2988 picture, ns
//                   per cell, next to the engine's own figure: keeping its
//                   cells for a guide (1), and for a --bmp alone without (0)
//
// peak_MB is the process's peak resident size after the benchmark: run one
// benchmark alone (--benchmark_filter) to read its own peak.

#include "cube/facesolver.h"
#include "guide/csvguidewriter.h"
#include "guide/guidebuilder.h"
#include "guide/guidemosaic.h"
#include "guide/guidetwists.h"
#include "guide/pdfguidewriter.h"
#include "support/huegradient.h"
#include "tessalyresources.h"
#include "platform/applicationlook.h"

#include <QApplication>
#include <QBuffer>
#include <QPageSize>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <sys/resource.h>

namespace tessaly::bench {
namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

GuideFields countsOf(int columns, int rows)
{
    GuideFields fields;
    fields.columns = QString::number(columns);
    fields.rows = QString::number(rows);
    return fields;
}

// Patches of colour with fine grain all over, deterministic: most cubes of
// its wall get a face of their own, a harder load than most photographs.
QImage makePhotoLike(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width();
            const double v = double(y) / size.height();
            auto channel = [&](double a, double b, double c) {
                const double wave = std::sin(a * u + 1.3 * b * v) + std::cos(b * u - a * v + c)
                                    + 0.3 * std::sin(40 * (u + c) * (v + 0.5));
                const unsigned grain = (unsigned(x) * 73856093u) ^ (unsigned(y) * 19349663u) ^ unsigned(c * 1000);
                return int(std::clamp(128 + 60 * wave + double(grain % 161) - 80, 0.0, 255.0));
            };
            line[x] = qRgb(channel(5, 3, 0.1), channel(4, 6, 1.7), channel(7, 2, 3.1));
        }
    }
    return picture;
}

std::int64_t cubesOf(const BuildGuide &guide)
{
    return std::int64_t(guide.cubes.size());
}

// Writes the guide's CSV and PDF into memory; returns the PDF's pages.
void writeBoth(benchmark::State &state, const BuildGuide &guide)
{
    QByteArray csv;
    QBuffer csvBuffer(&csv);
    csvBuffer.open(QIODevice::WriteOnly);
    QByteArray pdf;
    QBuffer pdfBuffer(&pdf);
    pdfBuffer.open(QIODevice::WriteOnly);
    int pages = 0;
    if (!writeCsvGuide(guide, csvBuffer).isEmpty()
        || !writePdfGuide(guide, pdfBuffer, QPageSize(QPageSize::A4), [&](int, int total) {
                pages = total;
                return true;
            }).isEmpty()) {
        state.SkipWithError("writing the guide failed");
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(pdf.size()) / (1024.0 * 1024.0);
}

void DefaultGuide(benchmark::State &state)
{
    const bool withTwists = state.range(0) != 0;
    const QImage picture = Resources::samplePicture();
    std::int64_t cubes = 0;
    for (auto _ : state) {
        GuideMosaic mosaic = makeGuideMosaic(picture, GuideFields());
        BuildGuide guide = buildGuide(mosaic.cells);
        if (withTwists) {
            // The solver's tables are part of the cost: the program builds them once per run.
            const cube::FaceSolver solver;
            solveGuideTwists(guide, solver, 0);
        }
        writeBoth(state, guide);
        cubes = cubesOf(guide);
    }
    state.counters["cubes"] = double(cubes);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(DefaultGuide)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void PhotoWall(benchmark::State &state)
{
    // 300 x 300 cells on a 600 x 600 picture (step 2): 100 x 100 cubes.
    const QImage picture = makePhotoLike(QSize(599, 599));
    const GuideFields fields = countsOf(299, 299);
    std::int64_t cubes = 0;
    std::int64_t turns = 0;
    for (auto _ : state) {
        BuildGuide guide = buildGuide(makeGuideMosaic(picture, fields).cells);
        const cube::FaceSolver solver;
        solveGuideTwists(guide, solver, 0);
        cubes = cubesOf(guide);
        turns = guide.figures.totalTurns;
    }
    state.counters["cubes"] = double(cubes);
    state.counters["turns_per_cube"] = double(turns) / double(std::max<std::int64_t>(cubes, 1));
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(PhotoWall)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void HugeWall(benchmark::State &state)
{
    // 1500 x 600 cells: 500 x 200 = 100,000 cubes.
    const QImage picture = makeHueGradient(QSize(1499, 599));
    const GuideFields fields = countsOf(1499, 599);
    std::int64_t cubes = 0;
    for (auto _ : state) {
        const BuildGuide guide = buildGuide(makeGuideMosaic(picture, fields).cells);
        writeBoth(state, guide);
        cubes = cubesOf(guide);
    }
    state.counters["cubes"] = double(cubes);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(HugeWall)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void MosaicRun(benchmark::State &state)
{
    const QImage picture = makeHueGradient(QSize(5312, 2988));
    const GuideFields fields = countsOf(5312, 2988);
    const CellCollection collection = state.range(0) != 0 ? CellCollection::Collect : CellCollection::Skip;
    // The cells the run samples, kept or not: 5313 x 2989 at steps of 1.
    const std::int64_t cells = 5313LL * 2989LL;
    std::chrono::steady_clock::duration spent{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const GuideMosaic mosaic = makeGuideMosaic(picture, fields, {}, collection);
        spent += std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(mosaic.canvas.constBits());
    }
    state.counters["cells"] = double(cells);
    state.counters["ns_per_cell"] = double(std::chrono::nanoseconds(spent).count())
                                    / (double(cells) * double(state.iterations()));
}
BENCHMARK(MosaicRun)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tessaly::applyApplicationLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
