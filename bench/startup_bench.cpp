// Start-up reads: the settings file and a language file.
#include "BenchMain.h"
#include "state/LanguageFile.h"
#include "state/Settings.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

QByteArray readData(const char* name)
{
    QFile file(QStringLiteral(VIDORRA_DATA_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void settingsLoad(benchmark::State& state)
{
    const QByteArray bytes = readData("inf");
    for (auto _ : state)
        benchmark::DoNotOptimize(Settings::fromBytes(bytes));
}
BENCHMARK(settingsLoad)->Repetitions(5)->ReportAggregatesOnly(true);

void languageParse(benchmark::State& state)
{
    const QByteArray bytes = readData("Language/english");
    for (auto _ : state)
        benchmark::DoNotOptimize(LanguageFile::parse(bytes));
}
BENCHMARK(languageParse)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchMain::run(argc, argv); }
