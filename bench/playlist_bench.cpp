// Import Playlist in the running program: a playlist of 100,000 entries until the
// favorites are written and shown (the favorites hold 32,767; the rest is counted).
#include "BenchFolder.h"
#include "BenchServices.h"
#include "MaximalCatalogue.h"
#include "platform/MpvPlayer.h"

#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/PlaylistCommands.h"
#include "favorites/core/FavoritesStore.h"
#include "state/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray playlist(int entries)
{
    QByteArray text = "#EXTM3U\n";
    for (int i = 0; i < entries; ++i)
        text += "#EXTINF:-1 tvg-country=\"DE\" group-title=\"News\",Channel " + QByteArray::number(i)
            + "\nhttps://streams.example.org/live/" + QByteArray::number(i) + "/index.m3u8\n";
    return text;
}

const QString& programFolder()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        const MaximalCatalogue lists = MaximalCatalogue::make();
        BenchFolder::fill(dir.path(), {lists.tv, lists.radio, lists.store, {}});
        put(QDir(dir.path()).filePath(QStringLiteral("playlist.m3u")), playlist(100000));
        return true;
    }();
    static const QString path = filled ? dir.path() : QString();
    return path;
}

// Runs the import and closes its summary; the import's end is when the summary shows.
bool importOnce(Application& app, const QString& path)
{
    QEventLoop loop;
    bool summaryShown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QStringLiteral("Waiting")) {
            summaryShown = true;
            if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOk")))
                ok->click();
        }
    });
    closer.start(1);
    QObject::connect(&app.playlists(), &PlaylistCommands::importEnded, &loop, &QEventLoop::quit);
    app.playlists().importFrom(path);
    loop.exec();
    return summaryShown || app.catalogue().favoriteCount() > 0;
}

void importPlaylist(benchmark::State& state)
{
    Application app(ProgramFolder(programFolder()),
        BenchServices::make(std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 5, {}})));
    app.start();
    const QString path = QDir(programFolder()).filePath(QStringLiteral("playlist.m3u"));
    for (auto _ : state) {
        if (!importOnce(app, path) || app.catalogue().favoriteCount() != 32767) {
            state.SkipWithError("the import did not fill the favorites");
            break;
        }
        QApplication::processEvents(); // the favorites' tree paints once
        state.PauseTiming();
        app.favorites().store().replaceFile({});
        app.catalogueView().rebuildView();
        state.ResumeTiming();
    }
    state.counters["entries"] = 100000;
    state.counters["favorites"] = 32767;
}
BENCHMARK(importPlaylist)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
