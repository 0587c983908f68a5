// The generation run through the real main window on the offscreen platform
// (or the one QT_QPA_PLATFORM names): Generate clicked on Form1 with its own
// event pump, text boxes, picture boxes and frame-deadline repaints, the
// window sized to its source picture as a drop sizes it. The engine's own
// runs are measured in the same program, so the figures set side by side
// show what the window adds to the computation.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "support/enginerun.h"
#include "support/huegradient.h"
#include "ui/form1.h"
#include "ui/windowsizerule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <chrono>

namespace tessaly::bench {
namespace {

// A window whose pump never comes due during a run: the no-yield baseline.
constexpr std::chrono::microseconds NeverDue = std::chrono::hours(24);

// Lets the window's first paint, all of it and a large picture's included,
// happen before anything is timed: on a real X server exposure arrives some
// time after show(), and putting the whole window on the screen takes a
// while after that.
void settle(Form1 &window)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000 && !(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 exposedAt = clock.elapsed();
    while (clock.elapsed() < exposedAt + 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void generateThroughWindow(benchmark::State &state, RunShape shape, Yields yields)
{
    Form1 window(yields == Yields::ToEventLoop ? std::chrono::microseconds(std::chrono::milliseconds(4))
                                               : NeverDue);
    window.show();
    window.Picture1->setPicture(makeHueGradient(shape.picture));
    window.resize(clientSizeShowing(window.Picture1->size()));
    window.Text1->setText(QString::number(shape.columnCount));
    window.Text2->setText(QString::number(shape.rowCount));
    settle(window);

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
    const tessaly::bench::BenchmarkFamily engine{"Engine", tessaly::bench::generateThroughEngine};
    const tessaly::bench::BenchmarkFamily window{"Window", tessaly::bench::generateThroughWindow};
    return tessaly::bench::runGenerationBenchmarks(argc, argv, {engine, window});
}
