#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

// Runs the registered benchmarks and reports them as the usual flags ask
// (--benchmark_format, --benchmark_out, ...); the program fails when any run reported an
// error (a load that failed is a failure, never a fast result).
namespace BenchMain {

// Counts the failed runs on their way to the reporter the flags chose.
class FailureCounter final : public benchmark::BenchmarkReporter {
public:
    explicit FailureCounter(benchmark::BenchmarkReporter* shown) : m_shown(shown) { }

    bool ReportContext(const Context& context) override { return m_shown->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports)
            failures += run.error_occurred ? 1 : 0;
        m_shown->ReportRuns(reports);
    }
    void Finalize() override { m_shown->Finalize(); }

    int failures = 0;

private:
    std::unique_ptr<benchmark::BenchmarkReporter> m_shown;
};

inline int run(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    FailureCounter reporter(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.failures > 0)
        std::fprintf(stderr, "%d benchmark run(s) failed\n", reporter.failures);
    return reporter.failures > 0 ? 1 : 0;
}

} // namespace BenchMain
