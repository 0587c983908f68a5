#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

namespace tessaly::bench {

// Prints to the console as usual and keeps every benchmark's counters, so a
// program can judge its figures against the targets after the run. With
// repetitions, the median is kept.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    RecordingReporter();

    void ReportRuns(const std::vector<Run> &reports) override;

    // The counter's value for the benchmark of that name, if it ran.
    std::optional<double> counter(const std::string &benchmarkName, const std::string &counterName) const;

private:
    struct Recorded
    {
        benchmark::UserCounters counters;
        bool isMedian = false;
    };
    std::map<std::string, Recorded> m_results;
};

} // namespace tessaly::bench
