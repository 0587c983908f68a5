// The generation run through the real main window on the offscreen platform:
// Generate clicked on Form1 with its own event pump, text boxes, picture
// boxes and frame-deadline repaints. Its ns per cell set against the engine
// benchmark's show what the window adds to the computation.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "support/huegradient.h"
#include "support/runbenchmarks.h"
#include "ui/form1.h"

#include <QCoreApplication>

#include <chrono>

namespace tessaly::bench {
namespace {

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
    const auto runTime = timeRuns(state, gaps, [&] { window.Command2_Click(); });

    // Every accepted run ends with the count fields enabled again; a refused
    // or broken one would have shown a message box instead.
    if (!window.Text1->isEnabled() || window.ScaleDivisor < 1) {
        state.SkipWithError("the run did not complete");
        return;
    }
    reportRunCounters(state, shape, yields, runTime, double(gaps.pumpsSeen()), gaps);
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    return tessaly::bench::runGenerationBenchmarks(argc, argv, "Window",
                                                   tessaly::bench::generateThroughWindow);
}
