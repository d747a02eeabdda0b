// The catalogue tree on the real main window with the largest catalogue: each view's
// build with the tree shown, and start-up until the main window shows.
#include "BenchServices.h"
#include "MaximalCatalogue.h"
#include "platform/MpvPlayer.h"

#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <clocale>

namespace {

PlatformServices services() { return BenchServices::make(std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 5, {}})); }

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

const QString& programFolder()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        const MaximalCatalogue lists = MaximalCatalogue::make();
        const QDir root(dir.path());
        put(root.filePath(QStringLiteral("avtapit.dll")), lists.tv);
        put(root.filePath(QStringLiteral("atlr.dll")), lists.radio);
        put(root.filePath(QStringLiteral("apcupm.dll")), lists.store);
        put(root.filePath(QStringLiteral("fav.fav")), {});
        QFile::copy(QStringLiteral(VIDORRA_DATA_DIR "/inf"), root.filePath(QStringLiteral("inf")));
        root.mkdir(QStringLiteral("Language"));
        QFile::copy(QStringLiteral(VIDORRA_DATA_DIR "/Language/english"),
            root.filePath(QStringLiteral("Language/english")));
        return true;
    }();
    static const QString path = filled ? dir.path() : QString();
    return path;
}

void startUp(benchmark::State& state)
{
    for (auto _ : state) {
        Application app(ProgramFolder(programFolder()), services());
        app.start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(app.mainWindow().isVisible());
        state.PauseTiming();
        app.mainWindow().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(startUp)->Unit(benchmark::kMillisecond)->Iterations(5);

void filterBy(benchmark::State& state)
{
    Application app(ProgramFolder(programFolder()), services());
    app.start();
    QApplication::processEvents();
    const int view = static_cast<int>(state.range(0));
    for (auto _ : state) {
        app.catalogueView().filterBy(view, true);
        QApplication::processEvents(); // the tree paints once
    }
    state.counters["records"] = app.state().catalogue.channelCount();
}
BENCHMARK(filterBy)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
