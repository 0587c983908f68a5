#include "support/patternreport.h"

#include "support/patterncases.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::bench {

namespace {

constexpr double OrderedMeanLimit = 0.85;
constexpr double OrderedWorstLimit = 0.92;
constexpr double WindowLimit = 0.45;
constexpr double OptimisedMilliseconds = 1000;
constexpr double HugeWallMilliseconds = 15000;
constexpr double OtherMilliseconds = 100;
constexpr double PeakRiseMegabytes = 300;

// Every method the tables show, the window's mosaic last.
std::vector<std::string> shownMethods()
{
    std::vector<std::string> methods;
    for (const NamedMethod &method : PatternMethods)
        methods.emplace_back(method.name);
    methods.emplace_back(WindowMethod);
    return methods;
}

class Figures
{
public:
    explicit Figures(const RecordingReporter &results) : m_results(results) {}

    std::optional<double> of(std::string_view photo, long long cubes, std::string_view method,
                             const char *counter) const
    {
        return m_results.counter(patternCaseName(photo, cubes, method), counter);
    }

    // One method's likeness score over another's, when both were measured.
    std::optional<double> ratio(std::string_view photo, long long cubes, std::string_view method,
                                std::string_view against) const
    {
        const auto mine = of(photo, cubes, method, Counter::Likeness);
        const auto theirs = of(photo, cubes, against, Counter::Likeness);
        if (!mine || !theirs || *theirs <= 0)
            return std::nullopt;
        return *mine / *theirs;
    }

    std::optional<double> counter(const std::string &name, const char *counter) const
    {
        return m_results.counter(name, counter);
    }

private:
    const RecordingReporter &m_results;
};

// The largest of some figures, and where it was seen.
struct Worst
{
    std::optional<double> value;
    std::string where;

    void consider(std::optional<double> figure, const std::string &place)
    {
        if (figure && (!value || *figure > *value)) {
            value = figure;
            where = place;
        }
    }
    std::string detail() const { return value ? ": " + where : std::string(); }
};

struct Mean
{
    double sum = 0;
    int count = 0;

    void add(std::optional<double> figure)
    {
        if (figure) {
            sum += *figure;
            ++count;
        }
    }
    std::optional<double> value() const { return count ? std::optional(sum / count) : std::nullopt; }
};

std::string place(const BenchPhoto &photo, long long cubes)
{
    return photo.name + " at " + std::to_string(cubes) + " cubes";
}

bool ran(const Figures &figures, const BenchPhoto &photo, long long cubes)
{
    for (const std::string &method : shownMethods()) {
        if (figures.of(photo.name, cubes, method, Counter::Likeness))
            return true;
    }
    return false;
}

// The picture, the cubes asked for and the wall made of them.
void printRowHead(const Figures &figures, const BenchPhoto &photo, long long cubes)
{
    char wall[32] = "";
    for (const std::string &method : shownMethods()) {
        const auto columns = figures.of(photo.name, cubes, method, Counter::Columns);
        const auto rows = figures.of(photo.name, cubes, method, Counter::Rows);
        if (columns && rows) {
            std::snprintf(wall, sizeof wall, "%.0f x %.0f", *columns, *rows);
            break;
        }
    }
    std::printf("%-10s %6lld %-9s", photo.name.c_str(), cubes, wall);
}

// One table: a row per picture and wall size that ran, a column per method,
// each cell the text cellText makes of the figures (empty when missing).
template <typename CellText>
void printTable(const char *title, const Figures &figures, const PhotoSet &set, int cellWidth,
                const CellText &cellText)
{
    std::printf("\n%s\n%-10s %6s %-9s", title, "picture", "cubes", "wall");
    for (const std::string &method : shownMethods())
        std::printf(" %*s", cellWidth, method.c_str());
    std::printf("\n");
    for (const long long cubes : WallCubeCounts) {
        for (const BenchPhoto &photo : set.photos) {
            if (!ran(figures, photo, cubes))
                continue;
            printRowHead(figures, photo, cubes);
            for (const std::string &method : shownMethods())
                std::printf(" %*s", cellWidth, cellText(photo.name, cubes, method).c_str());
            std::printf("\n");
        }
    }
}

std::string formatted(const char *format, std::optional<double> value)
{
    if (!value)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

void printTables(const Figures &figures, const PhotoSet &set)
{
    printTable("Likeness score (sde, lower is better)", figures, set, 9,
               [&](const std::string &photo, long long cubes, const std::string &method) {
                   return formatted("%.3f", figures.of(photo, cubes, method, Counter::Likeness));
               });
    printTable("Time per pattern in ms, real / process CPU", figures, set, 13,
               [&](const std::string &photo, long long cubes, const std::string &method) {
                   const auto real = figures.of(photo, cubes, method, Counter::RealMilliseconds);
                   const auto cpu = figures.of(photo, cubes, method, Counter::CpuMilliseconds);
                   return formatted("%.1f", real) + " / " + formatted("%.1f", cpu);
               });
    printTable("Peak resident rise over the picture in MB", figures, set, 9,
               [&](const std::string &photo, long long cubes, const std::string &method) {
                   return formatted("%.1f", figures.of(photo, cubes, method, Counter::PeakRise));
               });
}

void printCheck(const char *target, std::optional<double> measured, double limit, const char *unit,
                const std::string &detail = {})
{
    if (!measured) {
        std::printf("  %-52s not measured\n", target);
        return;
    }
    std::printf("  %-52s %9.3f %-5s (limit %g) %s%s\n", target, *measured, unit, limit,
                *measured <= limit ? "MET" : "MISSED", detail.c_str());
}

void printLikenessChecks(const Figures &figures, const PhotoSet &set)
{
    Mean againstOrdered;
    Worst worstAgainstOrdered;
    Mean againstWindow;
    Worst worstAgainstWindow;
    Worst logoNearest;
    for (const BenchPhoto &photo : set.photos) {
        for (const long long cubes : WallCubeCounts) {
            const auto ordered = figures.ratio(photo.name, cubes, "optimised", "ordered");
            againstOrdered.add(ordered);
            worstAgainstOrdered.consider(ordered, place(photo, cubes));
            const auto window = figures.ratio(photo.name, cubes, "optimised", WindowMethod);
            againstWindow.add(window);
            worstAgainstWindow.consider(window, place(photo, cubes));
            if (photo.subject == "flat art")
                logoNearest.consider(figures.ratio(photo.name, cubes, "nearest", "ordered"), place(photo, cubes));
        }
    }
    printCheck("optimised / ordered score, mean over the set", againstOrdered.value(), OrderedMeanLimit, "times",
               ": over " + std::to_string(againstOrdered.count) + " pictures and sizes");
    printCheck("optimised / ordered score, worst", worstAgainstOrdered.value, OrderedWorstLimit, "times",
               worstAgainstOrdered.detail());
    printCheck("optimised / window mosaic score, mean over the set", againstWindow.value(), WindowLimit, "times");
    printCheck("optimised / window mosaic score, worst", worstAgainstWindow.value, WindowLimit, "times",
               worstAgainstWindow.detail());
    printCheck("nearest / ordered score on flat art, worst", logoNearest.value, 1.0, "times", logoNearest.detail());
}

// The speed targets on one clock: real time, which on a busy machine also
// counts the moments others had the processors, or the process's CPU time,
// which counts every thread of the optimiser's (so on an idle machine it is
// up to the number of threads times the real time).
void printSpeedChecks(const Figures &figures, const PhotoSet &set, const std::string &clock, const char *counter)
{
    constexpr long long Largest = WallCubeCounts[std::size(WallCubeCounts) - 1];
    Worst optimised;
    Worst others;
    for (const BenchPhoto &photo : set.photos) {
        optimised.consider(figures.of(photo.name, Largest, "optimised", counter), photo.name);
        for (const NamedMethod &method : PatternMethods) {
            if (method.method != pattern::Method::Optimised)
                others.consider(figures.of(photo.name, Largest, method.name, counter), photo.name + " " + method.name);
        }
    }
    const std::string huge = patternCaseName(HugeWallPhoto, HugeWallCubes, "optimised");
    printCheck(("optimised, 4,000 cubes, slowest, " + clock).c_str(), optimised.value, OptimisedMilliseconds, "ms",
               optimised.detail());
    printCheck(("optimised, 100,000 cubes, " + clock).c_str(), figures.counter(huge, counter), HugeWallMilliseconds,
               "ms");
    printCheck(("other methods, 4,000 cubes, slowest, " + clock).c_str(), others.value, OtherMilliseconds, "ms",
               others.detail());
}

void printMemoryAndThreadChecks(const Figures &figures, const PhotoSet &set)
{
    Worst peak;
    for (const BenchPhoto &photo : set.photos) {
        for (const long long cubes : WallCubeCounts) {
            for (const std::string &method : shownMethods())
                peak.consider(figures.of(photo.name, cubes, method, Counter::PeakRise),
                              place(photo, cubes) + " " + method);
        }
    }
    const std::string huge = patternCaseName(HugeWallPhoto, HugeWallCubes, "optimised");
    peak.consider(figures.counter(huge, Counter::PeakRise), std::string(HugeWallPhoto) + " at 100000 cubes");
    printCheck("peak resident rise over the picture, worst", peak.value, PeakRiseMegabytes, "MB", peak.detail());

    int checked = 0;
    std::string differing;
    for (const BenchPhoto &photo : set.photos) {
        if (const auto same = figures.counter(threadsCaseName(photo.name), Counter::SameBytes)) {
            ++checked;
            if (*same != 1)
                differing += " " + photo.name;
        }
    }
    if (checked == 0)
        std::printf("  %-52s not measured\n", "same stickers on 1 and 2 threads");
    else
        std::printf("  %-52s %d pictures %s%s\n", "same stickers on 1 and 2 threads", checked,
                    differing.empty() ? "MET" : "MISSED:", differing.c_str());
}

} // namespace

void printPatternReport(const RecordingReporter &results, const PhotoSet &set)
{
    const Figures figures(results);
    printTables(figures, set);
    std::printf("\nPhoto pattern targets:\n");
    printLikenessChecks(figures, set);
    printSpeedChecks(figures, set, "real time", Counter::RealMilliseconds);
    printSpeedChecks(figures, set, "CPU time", Counter::CpuMilliseconds);
    printMemoryAndThreadChecks(figures, set);
    std::fflush(stdout);
}

} // namespace tessaly::bench
