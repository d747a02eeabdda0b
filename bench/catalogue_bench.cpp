// Reading the largest catalogue and laying out its tree views, without widgets.
#include "BenchMain.h"
#include "MaximalCatalogue.h"

#include "catalogue/core/Catalogue.h"
#include "catalogue/core/TreeBuilder.h"
#include "playback/core/NowPlaying.h"

#include <benchmark/benchmark.h>

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
