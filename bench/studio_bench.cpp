// Tessaly Studio's responsiveness, measured in the real window on the
// offscreen platform (a program to run by hand, never a timed test):
//   studio_bench PHOTO            start to first preview; settings change to
//                                 preview on a wall of about 1,000 cubes with
//                                 the nearest and the optimised method; the
//                                 longest event-loop stall meanwhile and
//                                 during a PDF export
//   studio_bench --memory PHOTO   peak memory of that photo on a wall of
//                                 10,000 cubes
// A QTimer probe ticking every ProbeInterval notes the longest gap between
// its ticks: how long the window would not answer.

#include "pattern/framing.h"
#include "support/processmemory.h"
#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/studiowindow.h"
#include "studio/wallview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

constexpr int ProbeInterval = 5; // ms
constexpr int Repeats = 5;

// The longest gap between the ticks of a timer on the window's thread.
class StallProbe
{
public:
    StallProbe()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.restart());
        });
        m_timer.start(ProbeInterval);
        m_sinceTick.start();
    }
    void restart()
    {
        m_longest = 0;
        m_sinceTick.restart();
    }
    // Restarts, returning the time since the last tick: how long the code
    // just run kept the event loop from turning.
    qint64 restartFromNow()
    {
        const qint64 sinceTick = m_sinceTick.elapsed();
        restart();
        return sinceTick;
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

// Runs the event loop until the signal fires (after the window's own
// slots, which were connected first).
template <typename Sender, typename Signal>
void waitFor(Sender *sender, Signal signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    loop.exec();
}

void applySettings(StudioWindow &window, const pattern::PatternRecipe &recipe)
{
    StudioDocument &document = window.document();
    document.undoStack().push(new StudioEditCommand(document, QStringLiteral("bench"),
                                                    withSettings(document.state(), recipe, 0), NoMerge));
}

long peakResidentKilobytes()
{
    return tessaly::bench::statusKilobytes("VmHWM").value_or(0);
}

void openAndWait(StudioWindow &window, const QString &photo)
{
    window.openPicture(photo);
    waitFor(&window.document(), &StudioDocument::documentReset);
    waitFor(&window.wallView(), &WallView::pictureChanged);
}

// Settings change to preview: a brightness step each time, so that every
// change makes a new pattern of the same wall.
void measureChanges(StudioWindow &window, StallProbe &probe, pattern::Method method, const char *name)
{
    pattern::PatternRecipe recipe = window.document().state().recipe;
    recipe.method = method;
    recipe.turnWeight = pattern::DefaultTurnWeight;
    applySettings(window, recipe);
    waitFor(&window.wallView(), &WallView::pictureChanged);
    std::vector<qint64> times;
    qint64 stall = 0;
    for (int repeat = 1; repeat <= Repeats; ++repeat) {
        recipe.adjustments.brightness = repeat;
        probe.restart();
        QElapsedTimer clock;
        clock.start();
        // Until the wall view shows the new pattern's picture.
        QEventLoop loop;
        QObject::connect(&window.wallView(), &WallView::pictureChanged, &loop, &QEventLoop::quit);
        applySettings(window, recipe);
        loop.exec();
        times.push_back(clock.elapsed());
        stall = std::max(stall, probe.longestMs());
    }
    std::sort(times.begin(), times.end());
    std::printf("settings change to preview, %s: median %lld ms (fastest %lld, slowest %lld); longest stall %lld ms\n",
                name, (long long)times[times.size() / 2], (long long)times.front(), (long long)times.back(),
                (long long)stall);
}

int measureResponsiveness(const QString &photo, const QElapsedTimer &sinceStart)
{
    StallProbe probe;
    StudioWindow window(&pattern::makePhotoPattern);
    window.show();
    const qint64 toShown = sinceStart.elapsed();
    const qint64 whileOpening = probe.restartFromNow();
    waitFor(&window.wallView(), &WallView::pictureChanged);
    std::printf("start to first preview (sample picture, 400 cubes): %lld ms (window built and shown in %lld ms, "
                "%lld ms of it in the window's constructor and show()); longest stall since %lld ms\n",
                (long long)sinceStart.elapsed(), (long long)toShown, (long long)whileOpening,
                (long long)probe.longestMs());

    probe.restart();
    openAndWait(window, photo);
    std::printf("opening the photo to its preview: longest stall %lld ms\n", (long long)probe.longestMs());

    const auto &picture = *window.document().picture();
    pattern::PatternRecipe recipe = window.document().state().recipe;
    recipe.wall = pattern::wallForCubes(1000, double(picture.width) / picture.height);
    applySettings(window, recipe);
    waitFor(&window.wallView(), &WallView::pictureChanged);
    std::printf("wall: %d x %d = %lld cubes\n", recipe.wall.columns, recipe.wall.rows, recipe.wall.cubes());
    measureChanges(window, probe, pattern::Method::Nearest, "nearest");
    measureChanges(window, probe, pattern::Method::Optimised, "optimised");

    QTemporaryDir folder;
    probe.restart();
    QElapsedTimer clock;
    clock.start();
    window.exportPattern(ExportKind::PdfGuide, folder.filePath(QStringLiteral("guide.pdf")));
    waitFor(&window.exporter(), &ExportWorker::finished);
    std::printf("PDF export: %lld ms; longest stall %lld ms\n", (long long)clock.elapsed(),
                (long long)probe.longestMs());
    return 0;
}

int measureMemory(const QString &photo)
{
    StudioWindow window(&pattern::makePhotoPattern);
    window.show();
    waitFor(&window.wallView(), &WallView::pictureChanged);
    const long before = peakResidentKilobytes();
    StallProbe probe;
    openAndWait(window, photo);
    const auto &picture = *window.document().picture();
    pattern::PatternRecipe recipe = window.document().state().recipe;
    recipe.wall = pattern::wallForCubes(10'000, double(picture.width) / picture.height);
    applySettings(window, recipe);
    waitFor(&window.wallView(), &WallView::pictureChanged);
    std::printf("photo %d x %d (%.1f MP), wall %d x %d = %lld cubes: peak resident %.0f MB (%.0f MB before "
                "opening it); longest stall %lld ms\n",
                picture.width, picture.height, picture.width * double(picture.height) / 1e6, recipe.wall.columns,
                recipe.wall.rows, recipe.wall.cubes(), peakResidentKilobytes() / 1024.0, before / 1024.0,
                (long long)probe.longestMs());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaly bench"));
    QApplication::setApplicationName(QStringLiteral("studio_bench"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--memory"))
        return measureMemory(arguments[2]);
    if (arguments.size() == 2)
        return measureResponsiveness(arguments[1], sinceStart);
    std::fprintf(stderr, "usage: studio_bench PHOTO | studio_bench --memory PHOTO\n");
    return 1;
}
