// Reading the largest catalogue (in this process, and in a fresh one as at start-up) and
// laying out its tree views, without widgets.
#include "BenchMain.h"
#include "MaximalCatalogue.h"

#include "catalogue/core/Catalogue.h"
#include "catalogue/core/TreeBuilder.h"
#include "playback/core/NowPlaying.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const MaximalCatalogue& lists()
{
    static const MaximalCatalogue maximal = MaximalCatalogue::make();
    return maximal;
}

Catalogue loaded()
{
    Catalogue catalogue;
    catalogue.appendList(ListFormat::Kind::Tv, lists().tv);
    catalogue.appendList(ListFormat::Kind::Radio, lists().radio);
    catalogue.appendList(ListFormat::Kind::MovieStore, lists().store);
    return catalogue;
}

void parseThreeLists(benchmark::State& state)
{
    for (auto _ : state) {
        auto catalogue = std::make_unique<Catalogue>(loaded());
        benchmark::DoNotOptimize(catalogue->channels.data());
        state.PauseTiming(); // freeing the records is not reading them
        catalogue.reset();
        state.ResumeTiming();
    }
    state.counters["records"] = loaded().channelCount();
}
BENCHMARK(parseThreeLists)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same read in a process of its own, whose memory is all new, as at start-up: each
// page the records take is first touched here. The child times itself and reports back.
std::optional<double> secondsToReadInAChild()
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        const auto start = std::chrono::steady_clock::now();
        const Catalogue catalogue = loaded();
        benchmark::DoNotOptimize(catalogue.channels.data());
        const double seconds
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const bool told = write(fds[1], &seconds, sizeof seconds) == sizeof seconds;
        _exit(told && catalogue.channelCount() == 32767 ? 0 : 1);
    }
    close(fds[1]);
    double seconds = 0;
    const bool heard = child > 0 && read(fds[0], &seconds, sizeof seconds) == sizeof seconds;
    close(fds[0]);
    int status = 1;
    if (child > 0)
        waitpid(child, &status, 0);
    if (!heard || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return seconds;
}

void parseThreeListsFresh(benchmark::State& state)
{
    lists(); // made before the children are forked
    for (auto _ : state) {
        const auto seconds = secondsToReadInAChild();
        if (!seconds) {
            state.SkipWithError("the reading child failed");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}
BENCHMARK(parseThreeListsFresh)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void layoutView(benchmark::State& state)
{
    const Catalogue catalogue = loaded();
    for (auto _ : state)
        benchmark::DoNotOptimize(TreeBuilder::build(static_cast<int>(state.range(0)), catalogue, {}));
}
BENCHMARK(layoutView)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchMain::run(argc, argv); }
