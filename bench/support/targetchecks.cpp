#include "support/targetchecks.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tessaly::bench {

namespace {

void printCheck(const char *target, std::optional<double> measured, double limit, const char *unit,
                const std::string &detail = {})
{
    if (!measured) {
        std::printf("  %-56s not measured\n", target);
        return;
    }
    std::printf("  %-56s %8.3f %-7s (limit %.1f) %s%s\n", target, *measured, unit, limit,
                *measured <= limit ? "MET" : "MISSED", detail.c_str());
}

std::string describe(const char *format, double a, double b)
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// ": x ms in the median run" for a yielding run's typical longest gap.
std::string typicalGap(std::optional<double> milliseconds)
{
    if (!milliseconds)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, ": %.3f ms in the median run", *milliseconds);
    return text;
}

// a / b with what went into it, if both were measured.
struct Ratio
{
    std::optional<double> value;
    std::string detail;
};

Ratio ratioOf(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b || *b <= 0)
        return {};
    return {*a / *b, describe(": %.1f against %.1f ns per cell", *a, *b)};
}

class Figures
{
public:
    explicit Figures(const RecordingReporter &results) : m_results(results) {}

    std::optional<double> nsPerCell(const std::string &run) const
    {
        return m_results.counter(run, "ns_per_cell");
    }
    std::optional<double> counter(const std::string &run, const char *name) const
    {
        return m_results.counter(run, name);
    }

private:
    const RecordingReporter &m_results;
};

void printEngineChecks(const Figures &figures)
{
    const auto noYield = figures.nsPerCell("Engine/MillionCells/NoYield");
    const auto yielding = figures.nsPerCell("Engine/MillionCells/Yielding");
    std::printf("\nEngine targets:\n");
    printCheck("million-cell run without yields", noYield, 20.0, "ns/cell");
    const Ratio yields = ratioOf(yielding, noYield);
    printCheck("million-cell run with yields against without", yields.value, 1.2, "times", yields.detail);
    printCheck("longest stretch without a pump, million cells",
               figures.counter("Engine/MillionCells/Yielding", "max_gap_ms"), 5.0, "ms",
               typicalGap(figures.counter("Engine/MillionCells/Yielding", "typical_gap_ms")));
    if (const auto photograph = figures.nsPerCell("Engine/Photograph/NoYield")) {
        std::printf("  photograph run without yields %.1f ns per cell: a build guide's run of its size\n"
                    "  may take %.1f ns per cell (1.3 times)\n",
                    *photograph, 1.3 * *photograph);
    }
}

void printWindowChecks(const Figures &figures)
{
    std::printf("\nWindow targets:\n");
    const Ratio million = ratioOf(figures.nsPerCell("Window/MillionCells/Yielding"),
                                  figures.nsPerCell("Engine/MillionCells/Yielding"));
    printCheck("million-cell run through the window against the engine", million.value, 1.3, "times",
               million.detail);
    printCheck("default run through the window", figures.counter("Window/Default/Yielding", "ms_per_run"), 0.5,
               "ms");
    printCheck("longest stretch without a pump, million cells",
               figures.counter("Window/MillionCells/Yielding", "max_gap_ms"), 5.0, "ms",
               typicalGap(figures.counter("Window/MillionCells/Yielding", "typical_gap_ms")));
    const Ratio photograph = ratioOf(figures.nsPerCell("Window/Photograph/Yielding"),
                                     figures.nsPerCell("Engine/Photograph/Yielding"));
    if (photograph.value) {
        std::printf("  photograph run through the window against the engine     %8.3f times%s\n",
                    *photograph.value, photograph.detail.c_str());
    }
}

} // namespace

void printTargetChecks(const RecordingReporter &results)
{
    const Figures figures(results);
    const auto ran = [&figures](const char *family) {
        for (const char *shape : {"Default", "MillionCells", "Photograph"}) {
            for (const char *yields : {"Yielding", "NoYield"}) {
                if (figures.nsPerCell(std::string(family) + "/" + shape + "/" + yields))
                    return true;
            }
        }
        return false;
    };
    if (ran("Engine"))
        printEngineChecks(figures);
    if (ran("Window"))
        printWindowChecks(figures);
    std::fflush(stdout);
}

} // namespace tessaly::bench
