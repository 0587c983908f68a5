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

} // namespace tessaly::bench
