// From RunVideo to the first frame, beside a bare libmpv client doing the same (what the
// mpv command does inside): a local video file and the same file over HTTP on loopback.
// Run under a display (xvfb-run); both sides decode with null video and audio outputs.
#include "BenchServices.h"
#include "app/Application.h"
#include "base/Scrambling.h"
#include "catalogue/core/AppState.h"
#include "platform/MpvPlayer.h"
#include "playback/Playback.h"

#include "../tests/support/MediaFiles.h"
#include "../tests/support/TestHttpServer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <clocale>
#include <mpv/client.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString video;
    std::unique_ptr<TestHttpServer> server;

    Fixture()
    {
        video = MediaFiles::writeVideo(QDir(dir.path()).filePath(QStringLiteral("clip.mp4")), 3);
        server = std::make_unique<TestHttpServer>(dir.path());
        const QDir root(dir.path());
        for (const char* name : {"avtapit.dll", "atlr.dll", "apcupm.dll", "fav.fav"}) {
            QFile file(root.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
        }
        QFile::copy(QStringLiteral(VIDORRA_DATA_DIR "/inf"), root.filePath(QStringLiteral("inf")));
        root.mkdir(QStringLiteral("Language"));
        QFile::copy(QStringLiteral(VIDORRA_DATA_DIR "/Language/english"),
            root.filePath(QStringLiteral("Language/english")));
    }
    QString source(bool http) const
    {
        return http ? server->url(QStringLiteral("/clip.mp4")).toString() : video;
    }
};

// Sleeps in the event loop (no busy waiting, which would take a core from the decoder)
// until `done` holds after one of the engine's reports.
template <typename Done> void waitFor(MediaPlayer& engine, Done done)
{
    if (done())
        return;
    QEventLoop loop;
    QObject::connect(&engine, &MediaPlayer::stateChanged, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void runVideoToFirstFrame(benchmark::State& state)
{
    const bool http = state.range(0) != 0;
    auto engine = std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 10, {}});
    MpvPlayer* player = engine.get();
    Application app(ProgramFolder(fixture().dir.path()), BenchServices::make(std::move(engine)));
    app.start();
    const QByteArray root = *Scrambling::encTvRa(fixture().source(http).toUtf8());
    // The moment the engine reports the first frame, before anything else reacts to it.
    QElapsedTimer clock;
    qint64 firstFrameNs = 0;
    QObject::connect(player, &MediaPlayer::stateChanged, player, [&](MediaPlayer::State reported) {
        if (reported == MediaPlayer::State::Playing && firstFrameNs == 0)
            firstFrameNs = clock.nsecsElapsed();
    });
    for (auto _ : state) {
        firstFrameNs = 0;
        clock.start();
        app.playback().runVideo({1, 1, root, QStringLiteral("clip")});
        waitFor(*player, [&] { return firstFrameNs != 0 || player->state() == MediaPlayer::State::Failed; });
        state.SetIterationTime(static_cast<double>(firstFrameNs) / 1e9);
        player->stop();
        waitFor(*player, [&] { return player->state() == MediaPlayer::State::Stopped; });
    }
}
BENCHMARK(runVideoToFirstFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseManualTime();

void engineToFirstFrame(benchmark::State& state)
{
    MpvPlayer player(MpvPlayer::Options {true, 10, {}});
    QElapsedTimer clock;
    qint64 firstFrameNs = 0;
    QObject::connect(&player, &MediaPlayer::stateChanged, &player, [&](MediaPlayer::State reported) {
        if (reported == MediaPlayer::State::Playing && firstFrameNs == 0)
            firstFrameNs = clock.nsecsElapsed();
    });
    const QString source = fixture().source(state.range(0) != 0);
    for (auto _ : state) {
        firstFrameNs = 0;
        clock.start();
        player.play(source);
        waitFor(player, [&] { return firstFrameNs != 0 || player.state() == MediaPlayer::State::Failed; });
        state.SetIterationTime(static_cast<double>(firstFrameNs) / 1e9);
        player.stop();
        waitFor(player, [&] { return player.state() == MediaPlayer::State::Stopped; });
    }
}
BENCHMARK(engineToFirstFrame)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();

void bareLibmpvToFirstFrame(benchmark::State& state)
{
    const bool http = state.range(0) != 0;
    mpv_handle* mpv = mpv_create();
    for (const auto& [name, value] :
        {std::pair {"vo", "null"}, {"ao", "null"}, {"idle", "yes"}, {"ytdl", "no"}})
        mpv_set_option_string(mpv, name, value);
    mpv_initialize(mpv);
    const QByteArray source = fixture().source(http).toUtf8();
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        const char* load[] = {"loadfile", source.constData(), "replace", nullptr};
        mpv_command_async(mpv, 0, load);
        for (;;) {
            const mpv_event* event = mpv_wait_event(mpv, 5);
            if (event->event_id == MPV_EVENT_PLAYBACK_RESTART || event->event_id == MPV_EVENT_END_FILE)
                break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv, stop);
        while (mpv_wait_event(mpv, 1)->event_id != MPV_EVENT_IDLE) { }
    }
    mpv_terminate_destroy(mpv);
}
BENCHMARK(bareLibmpvToFirstFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
