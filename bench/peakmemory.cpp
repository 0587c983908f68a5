// Peak memory of a million-cell run on a large picture: makes an 8000 x 8000
// Format_RGB32 source (256 MB), then runs Generate with 999 / 999 (1001 x 1001
// cells) and prints how far the run raised the process's peak resident size
// above what it held before. The run itself should need next to nothing
// beyond the picture.
//
//   peakmemory            the engine with a plain host, as generation_bench
//   peakmemory --window   the real main window (offscreen)

#include "engine/generationrun.h"
#include "platform/eventpump.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "support/benchhost.h"
#include "support/huegradient.h"
#include "support/processmemory.h"
#include "ui/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

namespace tessaly::bench {
namespace {

constexpr QSize PictureSize(8000, 8000);
constexpr double Count = 999;
constexpr double LimitMegabytes = 16;

double megabytes(long kilobytes)
{
    return kilobytes / 1024.0;
}

// Runs the generation and reports the rise of the peak over the resident
// size at its start. Returns the process's exit code.
int measureRun(const std::function<void()> &run)
{
    const auto peakBefore = statusKilobytes("VmHWM");
    const auto residentBefore = statusKilobytes("VmRSS");
    if (!peakBefore || !residentBefore) {
        std::fprintf(stderr, "cannot read VmHWM and VmRSS from /proc/self/status\n");
        return 1;
    }
    const bool peakWasReset = resetPeakResidentSize();
    const long baseline = peakWasReset ? *statusKilobytes("VmHWM") : *peakBefore;

    run();

    const long peakAfter = *statusKilobytes("VmHWM");
    const double increase = megabytes(peakAfter - baseline);
    std::printf("resident with the picture  %8.1f MB (peak so far %.1f MB)\n",
                megabytes(*residentBefore), megabytes(*peakBefore));
    std::printf("peak during the run        %8.1f MB\n", megabytes(peakAfter));
    std::printf("increase over the picture  %8.1f MB (limit %.0f MB) %s\n", increase, LimitMegabytes,
                increase <= LimitMegabytes ? "MET" : "MISSED");
    if (!peakWasReset) {
        std::printf("note: /proc/self/clear_refs could not reset the peak; an increase of 0 may\n"
                    "hide a run whose peak stayed under the one before it\n");
    }
    return 0;
}

int measureEngine(const QImage &picture)
{
    EventPump pump;
    BenchHost host(picture, Count, Count, &pump);
    std::int16_t scaleDivisor = 0;
    const int exitCode = measureRun([&] { generateMosaic(host, StandardPalette, scaleDivisor); });
    std::printf("cells drawn                %8lld\n", static_cast<long long>(host.cellsDrawn()));
    return exitCode;
}

int measureWindow(const QImage &picture)
{
    Form1 window;
    window.show();
    window.Picture1->setPicture(picture);
    window.Text1->setText(QString::number(Count));
    window.Text2->setText(QString::number(Count));
    QCoreApplication::processEvents();
    const int exitCode = measureRun([&] { window.Command2_Click(); });
    std::printf("scale divisor              %8d\n", window.ScaleDivisor);
    return exitCode;
}

} // namespace
} // namespace tessaly::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool throughWindow = argc > 1 && std::strcmp(argv[1], "--window") == 0;

    const QImage picture = tessaly::bench::makeHueGradient(tessaly::bench::PictureSize);
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot allocate the 8000 x 8000 picture\n");
        return 1;
    }
    std::printf("%s, 8000 x 8000 picture, %g / %g\n", throughWindow ? "window" : "engine",
                tessaly::bench::Count, tessaly::bench::Count);
    return throughWindow ? tessaly::bench::measureWindow(picture) : tessaly::bench::measureEngine(picture);
}
