#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>

// Runs the registered benchmarks and reports them as usual; the program fails when any
// run reported an error (a load that failed is a failure, never a fast result).
namespace BenchMain {

class FailureCountingReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports)
            failures += run.error_occurred ? 1 : 0;
        ConsoleReporter::ReportRuns(reports);
    }
    int failures = 0;
};

inline int run(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    FailureCountingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.failures > 0)
        std::fprintf(stderr, "%d benchmark run(s) failed\n", reporter.failures);
    return reporter.failures > 0 ? 1 : 0;
}

} // namespace BenchMain
