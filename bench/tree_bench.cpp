// The catalogue tree on the real main window with the largest catalogue, 5,000 favorites
// and a list of 1,000 local files: each view's build with the tree shown, and start-up
// until the main window shows.
#include "BenchFolder.h"
#include "BenchServices.h"
#include "MaximalCatalogue.h"
#include "platform/MpvPlayer.h"

#include "app/Application.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "favorites/core/FavoritesFile.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <clocale>

namespace {

PlatformServices services()
{
    return BenchServices::make(std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 5, {}}));
}

// Favorites as users gather them: channels of the lists, a few of their own files.
QByteArray favorites(int count)
{
    const QVector<ChannelRecord> channels
        = ListFormat::read(ListFormat::Kind::Tv, MaximalCatalogue::make(count, 0, 0).tv).records;
    QVector<ChannelRecord> chosen;
    for (int i = 0; i < channels.size(); ++i) {
        ChannelRecord favorite = channels[i];
        if (i % 10 == 0) {
            favorite.kind = ChannelRecord::ComputerFile;
            favorite.address
                = StoredField::encodeAddress(QStringLiteral("/home/user/Videos/clip %1.mkv").arg(i));
        }
        chosen.append(favorite);
    }
    return FavoritesFile::toBytes(chosen);
}

LocalFileList localFiles(int count)
{
    LocalFileList list;
    for (int i = 0; i < count; ++i)
        list.files << QStringLiteral("/home/user/Music/Album %1/%2 - Track.mp3").arg(i / 12).arg(i % 12 + 1);
    list.last = count - 1;
    list.listMode = true;
    return list;
}

const QString& programFolder()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        const MaximalCatalogue lists = MaximalCatalogue::make();
        BenchFolder::fill(dir.path(), {lists.tv, lists.radio, lists.store, favorites(5000)});
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
BENCHMARK(startUp)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);

void filterBy(benchmark::State& state)
{
    Application app(ProgramFolder(programFolder()), services());
    app.start();
    app.nowPlaying().localFiles = localFiles(1000);
    QApplication::processEvents();
    const int view = static_cast<int>(state.range(0));
    for (auto _ : state) {
        app.catalogueView().filterBy(view, true);
        QApplication::processEvents(); // the tree paints once
    }
    state.counters["records"] = app.catalogue().channelCount();
    state.counters["favorites"] = app.catalogue().favoriteCount();
    state.counters["files"] = static_cast<double>(app.nowPlaying().localFiles.files.size());
    state.counters["nodes"] = app.catalogueView().model().nodeCount();
}
BENCHMARK(filterBy)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
