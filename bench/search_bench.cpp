// Find over the largest catalogue (32,767 records) and 1,000 favorites, filling the result
// list's model: a query that matches about 1% of the records and one that matches every
// record, each beside a plain loop that only compares the same strings in the same run;
// and the first query in the TV channels' information.
#include "BenchMain.h"
#include "MaximalCatalogue.h"

#include "catalogue/core/Catalogue.h"
#include "search/SearchResultsModel.h"
#include "search/core/CatalogueSearch.h"
#include "state/LanguageTexts.h"

#include <QHash>
#include <QSet>

#include <benchmark/benchmark.h>

namespace {

const Catalogue& catalogue()
{
    static const Catalogue loaded = [] {
        const MaximalCatalogue lists = MaximalCatalogue::make();
        Catalogue c;
        c.appendList(ListFormat::Kind::Tv, lists.tv);
        c.appendList(ListFormat::Kind::Radio, lists.radio);
        c.appendList(ListFormat::Kind::MovieStore, lists.store);
        const MaximalCatalogue favorites = MaximalCatalogue::make(1000, 0, 0);
        c.favorites = ListFormat::read(ListFormat::Kind::Tv, favorites.tv).records;
        return c;
    }();
    return loaded;
}

int searched() { return catalogue().radioEnd + catalogue().favoriteCount(); }

// Three letters found in the names of about 1% of the searched records.
QString onePercentQuery()
{
    static const QString query = [] {
        QHash<QString, int> counts;
        const auto count = [&counts](const QString& name) {
            QSet<QString> seen;
            for (qsizetype at = 0; at + 3 <= name.size(); ++at)
                seen.insert(name.mid(at, 3).toLower());
            for (const QString& piece : seen)
                ++counts[piece];
        };
        for (int i = 0; i < catalogue().radioEnd; ++i)
            count(catalogue().channels[i].name);
        for (const ChannelRecord& f : catalogue().favorites)
            count(f.name);
        QString best;
        int bestDistance = INT_MAX;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const int distance = std::abs(it.value() - searched() / 100);
            if (distance < bestDistance || (distance == bestDistance && it.key() < best)) {
                best = it.key();
                bestDistance = distance;
            }
        }
        return best;
    }();
    return query;
}

void findAndFill(benchmark::State& state, const QString& text, bool byInformation = false)
{
    const LanguageTexts texts;
    SearchResultsModel model(texts);
    for (auto _ : state) {
        model.setHits(catalogue(), CatalogueSearch::find(catalogue(), {text, byInformation}));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["matched"] = model.rowCount();
    state.counters["searched"] = searched();
}

// Only the comparisons: the floor any search of these names stands on.
void compareOnly(benchmark::State& state, const QString& text)
{
    const Catalogue& c = catalogue();
    int matched = 0;
    for (auto _ : state) {
        matched = 0;
        for (int i = 0; i < c.radioEnd; ++i)
            matched += c.channels[i].name.contains(text, Qt::CaseInsensitive) ? 1 : 0;
        for (const ChannelRecord& f : c.favorites)
            matched += f.name.contains(text, Qt::CaseInsensitive) ? 1 : 0;
        benchmark::DoNotOptimize(matched);
    }
    state.counters["matched"] = matched;
}

void findOnePercent(benchmark::State& state)
{
    findAndFill(state, onePercentQuery());
    state.SetLabel("\"" + onePercentQuery().toStdString() + "\"; compare with compareOnePercent");
}
void compareOnePercent(benchmark::State& state) { compareOnly(state, onePercentQuery()); }
void findEverything(benchmark::State& state) { findAndFill(state, QString()); }
// The information of the 24,000 TV channels, decoded as it is searched.
void findInInformation(benchmark::State& state)
{
    findAndFill(state, onePercentQuery(), true);
    state.SetLabel("\"" + onePercentQuery().toStdString() + "\"");
}
void compareEverything(benchmark::State& state) { compareOnly(state, QString()); }

BENCHMARK(findOnePercent)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(compareOnePercent)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(findEverything)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(findInInformation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(compareEverything)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchMain::run(argc, argv); }
