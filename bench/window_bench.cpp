// The generation run through the real main window on the offscreen platform:
// Generate clicked on Form1 with its own event pump, text boxes, picture
// boxes and frame-deadline repaints. Its ns per cell set against the engine
// benchmark's show what the window adds to the computation.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "support/huegradient.h"
#include "support/pumpgapmeter.h"
#include "support/recordingreporter.h"
#include "support/runshape.h"
#include "ui/form1.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <string>

namespace tessaly::bench {
namespace {

enum class Yields { ToEventLoop, None };

// A window whose pump never comes due during a run: the no-yield baseline.
constexpr std::chrono::microseconds NeverDue = std::chrono::hours(24);

void generateThroughWindow(benchmark::State &state, RunShape shape, Yields yields)
{
    Form1 window(yields == Yields::ToEventLoop ? std::chrono::microseconds(std::chrono::milliseconds(4))
                                               : NeverDue);
    window.show();
    window.Picture1->setPicture(makeHueGradient(shape.picture));
    window.Text1->setText(QString::number(shape.columnCount));
    window.Text2->setText(QString::number(shape.rowCount));
    QCoreApplication::processEvents();

    PumpGapMeter gaps;
    std::chrono::steady_clock::duration runTime{};
    for (auto _ : state) {
        gaps.beginRun();
        const auto start = std::chrono::steady_clock::now();
        window.Command2_Click();
        runTime += std::chrono::steady_clock::now() - start;
        gaps.endRun();
    }

    // Every accepted run ends with the count fields enabled again; a refused
    // or broken one would have shown a message box instead.
    if (!window.Text1->isEnabled() || window.ScaleDivisor < 1) {
        state.SkipWithError("the run did not complete");
        return;
    }
    const double runs = double(state.iterations());
    const double cells = double(shape.cells());
    const double nanoseconds = std::chrono::duration<double, std::nano>(runTime).count();
    state.SetItemsProcessed(state.iterations() * shape.cells());
    state.counters["cells"] = cells;
    state.counters["ns_per_cell"] = nanoseconds / (runs * cells);
    state.counters["ms_per_run"] = nanoseconds / runs / 1e6;
    if (yields == Yields::ToEventLoop) {
        state.counters["pumps_per_run"] = double(gaps.pumpsSeen()) / runs;
        state.counters["max_gap_ms"] = gaps.longestGapMilliseconds();
        state.counters["typical_gap_ms"] = gaps.typicalLongestGapMilliseconds();
    }
}

void registerWindowBenchmarks()
{
    for (const RunShape &shape : {DefaultRun, MillionCellRun}) {
        for (const auto &[yields, name] : {std::pair{Yields::ToEventLoop, "Yielding"},
                                           std::pair{Yields::None, "NoYield"}}) {
            const std::string fullName = std::string("Window/") + shape.name + "/" + name;
            benchmark::RegisterBenchmark(fullName.c_str(), generateThroughWindow, shape, yields)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    tessaly::bench::registerWindowBenchmarks();
    tessaly::bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    tessaly::bench::printTargetChecks(reporter, "Window");
    benchmark::Shutdown();
    return 0;
}
