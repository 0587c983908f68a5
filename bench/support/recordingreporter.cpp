#include "recordingreporter.h"

#include <cstdio>
#include <unistd.h>

namespace tessaly::bench {

namespace {

benchmark::ConsoleReporter::OutputOptions consoleOptions()
{
    return isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_ColorTabular
                                  : benchmark::ConsoleReporter::OO_Tabular;
}

void printCheck(const char *target, std::optional<double> measured, double limit, const char *unit,
                const char *detail = "")
{
    if (!measured) {
        std::printf("  %-52s not measured\n", target);
        return;
    }
    std::printf("  %-52s %8.3f %-7s (limit %.1f) %s%s\n", target, *measured, unit, limit,
                *measured <= limit ? "MET" : "MISSED", detail);
}

} // namespace

RecordingReporter::RecordingReporter()
    : benchmark::ConsoleReporter(consoleOptions())
{
}

void RecordingReporter::ReportRuns(const std::vector<Run> &reports)
{
    benchmark::ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports) {
        if (run.error_occurred)
            continue;
        Recorded &recorded = m_results[run.run_name.function_name];
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name == "median")
                recorded = Recorded{run.counters, true};
        } else if (!recorded.isMedian) {
            recorded = Recorded{run.counters, false};
        }
    }
}

std::optional<double> RecordingReporter::counter(const std::string &benchmarkName,
                                                 const std::string &counterName) const
{
    const auto result = m_results.find(benchmarkName);
    if (result == m_results.end())
        return std::nullopt;
    const auto found = result->second.counters.find(counterName);
    if (found == result->second.counters.end())
        return std::nullopt;
    return found->second.value;
}

void printTargetChecks(const RecordingReporter &results, const std::string &prefix)
{
    const auto yielding = results.counter(prefix + "/MillionCells/Yielding", "ns_per_cell");
    const auto noYield = results.counter(prefix + "/MillionCells/NoYield", "ns_per_cell");
    std::optional<double> slowdown;
    char detail[96] = "";
    if (yielding && noYield && *noYield > 0) {
        slowdown = *yielding / *noYield;
        std::snprintf(detail, sizeof detail, ": %.1f against %.1f ns per cell", *yielding, *noYield);
    }

    std::printf("\n%s targets:\n", prefix.c_str());
    printCheck("million-cell run against its no-yield figure", slowdown, 1.5, "times", detail);
    printCheck("default run", results.counter(prefix + "/Default/Yielding", "ms_per_run"), 1.0, "ms");
    const std::string millionYielding = prefix + "/MillionCells/Yielding";
    char typical[96] = "";
    if (const auto gap = results.counter(millionYielding, "typical_gap_ms"))
        std::snprintf(typical, sizeof typical, ": %.3f ms in the median run", *gap);
    printCheck("longest stretch without a pump, million cells",
               results.counter(millionYielding, "max_gap_ms"), 5.0, "ms", typical);
    std::fflush(stdout);
}

} // namespace tessaly::bench
