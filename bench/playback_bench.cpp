// From RunVideo to the first frame, beside a bare libmpv client doing the same loadfile
// with the very same engine options and outputs (what the mpv command does inside).
// Sources: a small clip and a 720p clip with sound, each as a local file and over HTTP
// on loopback. Null video and audio outputs on both sides; one more figure draws the 720p
// clip in the program's real video widget. Run under a display (xvfb-run). A load that
// fails is reported as a failure and fails the run. Each figure is given as the mean,
// median and spread (standard deviation) of repetitions.
#include "BenchFolder.h"
#include "BenchServices.h"
#include "app/Application.h"
#include "base/Scrambling.h"
#include "platform/MpvPlayer.h"
#include "playback/Playback.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "../tests/support/MediaFiles.h"
#include "../tests/support/TestHttpServer.h"

#include <QApplication>
#include <QDir>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <mpv/client.h>

#include <cstring>

namespace {

enum Clip { Small = 0, Hd720WithSound = 1 };
enum Source { LocalFile = 0, Http = 1 };

constexpr int kIterations = 5;
constexpr int kRepetitions = 15;

struct Fixture {
    QTemporaryDir dir;
    QString clips[2];
    std::unique_ptr<TestHttpServer> server;

    Fixture()
    {
        const QDir root(dir.path());
        clips[Small] = MediaFiles::writeVideo(root.filePath(QStringLiteral("small.mp4")), 3);
        clips[Hd720WithSound] = MediaFiles::writeVideo(
            root.filePath(QStringLiteral("hd.mp4")), 4, true, QStringLiteral("1280x720"));
        server = std::make_unique<TestHttpServer>(dir.path());
        BenchFolder::fill(dir.path());
    }
    QString source(Clip which, Source from) const
    {
        const QString& clip = clips[which];
        if (clip.isEmpty())
            return {};
        return from == Http ? server->url(QLatin1Char('/') + QFileInfo(clip).fileName()).toString() : clip;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

MpvPlayer::Options engineOptions(bool realVideo) { return MpvPlayer::Options {!realVideo, 10, {}}; }

// Sleeps in the event loop (no busy waiting, which would take a core from the decoder)
// until `done` holds after one of the engine's reports, or ten seconds pass.
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

// Between runs both sides wait until the engine has let the last file go: a load that
// overlaps that teardown reaches its first frame about 40 ms later, in about half the
// runs, in bare libmpv as much as in the program, which would make either median chance.
void waitUntilIdle(MpvPlayer& player)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (player.property("idle-active") == QLatin1String("yes"))
            loop.quit();
    });
    poll.start(2);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

bool isIdle(mpv_handle* mpv)
{
    char* value = mpv_get_property_string(mpv, "idle-active");
    const bool idle = value && std::strcmp(value, "yes") == 0;
    mpv_free(value);
    return idle;
}

// Times one load in each run of `state`; `loadOnce` gives the ns to the first frame, 0
// when it never got there.
//
// An engine's first file takes longer than any after it, in bare libmpv as much: its
// decoders and buffers are made then, and the process's heap grows. Both sides time it
// apart (the counter firstLoadMs), so the runs compare the same thing, and a side run
// after the other in this process gains nothing from it.
template <typename LoadOnce> void timeLoadsAfterTheFirst(benchmark::State& state, LoadOnce loadOnce)
{
    const qint64 firstLoad = loadOnce();
    for (auto _ : state) {
        const qint64 reached = firstLoad > 0 ? loadOnce() : 0;
        if (reached == 0) {
            state.SkipWithError("the clip did not reach its first frame");
            break;
        }
        state.SetIterationTime(static_cast<double>(reached) / 1e9);
    }
    state.counters["firstLoadMs"] = static_cast<double>(firstLoad) / 1e6;
}

// RunVideo, through the whole program, until the engine reports the first frame.
void timeRunVideo(benchmark::State& state, Clip clip, Source from, bool realVideo)
{
    const QString source = fixture().source(clip, from);
    if (source.isEmpty()) {
        state.SkipWithError("ffmpeg could not make the clip");
        return;
    }
    auto engine = std::make_unique<MpvPlayer>(engineOptions(realVideo));
    MpvPlayer* player = engine.get();
    Application app(ProgramFolder(fixture().dir.path()), BenchServices::make(std::move(engine)));
    app.start();
    player->prepare(); // as the program does once its window is drawn, and waited for
    QDeadlineTimer prepared(10000);
    while (player->property("idle-active").isEmpty() && !prepared.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (realVideo)
        app.mainWindow().resize(1024, 700);
    const QByteArray root = *Scrambling::scrambleAddress(source.toUtf8());
    QElapsedTimer clock;
    qint64 firstFrameNs = 0;
    QObject::connect(player, &MediaPlayer::stateChanged, player, [&](MediaPlayer::State reported) {
        if (reported == MediaPlayer::State::Playing && firstFrameNs == 0)
            firstFrameNs = clock.nsecsElapsed();
    });
    // One RunVideo to its first frame, then stopped until the engine is idle again: the ns
    // it took, 0 when it never got there.
    const auto playOnce = [&] {
        firstFrameNs = 0;
        clock.start();
        app.playback().runVideo({1, 1, root, QStringLiteral("clip")});
        waitFor(*player, [&] { return firstFrameNs != 0 || player->state() == MediaPlayer::State::Failed; });
        const qint64 reached = firstFrameNs;
        player->stop();
        waitFor(*player, [&] { return player->state() == MediaPlayer::State::Stopped; });
        waitUntilIdle(*player);
        return reached;
    };
    timeLoadsAfterTheFirst(state, playOnce);
    state.SetLabel(realVideo ? "real video widget; compare with runVideoToFirstFrame/720p/file"
                             : "compare with bareLibmpvToFirstFrame of the same name");
}

// The same loadfile on a bare libmpv handle with the program's own engine options: the
// clock stops at the first frame only; an end of file before it is a failure.
void bareLibmpvToFirstFrame(benchmark::State& state, Clip clip, Source from)
{
    const QByteArray source = fixture().source(clip, from).toUtf8();
    if (source.isEmpty()) {
        state.SkipWithError("ffmpeg could not make the clip");
        return;
    }
    mpv_handle* mpv = mpv_create();
    for (const auto& [name, value] : MpvPlayer::engineOptions(engineOptions(false)))
        mpv_set_option_string(mpv, name.constData(), value.constData());
    mpv_initialize(mpv);
    QElapsedTimer clock;
    // One load to its first frame, then stopped until the engine is idle again: the ns it
    // took, 0 when it never got there.
    const auto loadOnce = [&]() -> qint64 {
        clock.start();
        const char* load[] = {"loadfile", source.constData(), "replace", "pause=no", nullptr};
        mpv_command_async(mpv, 0, load);
        mpv_event_id reached = MPV_EVENT_NONE;
        while (reached != MPV_EVENT_PLAYBACK_RESTART && reached != MPV_EVENT_END_FILE) {
            const mpv_event* event = mpv_wait_event(mpv, 10);
            if (event->event_id == MPV_EVENT_NONE)
                break; // ten seconds without an event
            reached = event->event_id;
        }
        if (reached != MPV_EVENT_PLAYBACK_RESTART)
            return 0;
        const qint64 took = clock.nsecsElapsed();
        // Stopped as the program's runs are: to the end of the file, then until idle.
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv, stop);
        while (mpv_wait_event(mpv, 1)->event_id != MPV_EVENT_END_FILE) { }
        while (!isIdle(mpv))
            mpv_wait_event(mpv, 0.002);
        return took;
    };
    timeLoadsAfterTheFirst(state, loadOnce);
    mpv_terminate_destroy(mpv);
    state.SetLabel("compare with runVideoToFirstFrame of the same name");
}

// Each named by what it plays and from where: runVideoToFirstFrame/720p/http, ...
benchmark::internal::Benchmark* timed(benchmark::internal::Benchmark* run)
{
    return run->Unit(benchmark::kMillisecond)
        ->Iterations(kIterations)
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->UseManualTime();
}

const bool registered = [] {
    const std::pair<Clip, const char*> clips[] = {{Small, "small"}, {Hd720WithSound, "720p"}};
    const std::pair<Source, const char*> places[] = {{LocalFile, "file"}, {Http, "http"}};
    for (const auto& [clip, clipName] : clips) {
        for (const auto& [from, placeName] : places) {
            const std::string suffix = std::string("/") + clipName + "/" + placeName;
            timed(benchmark::RegisterBenchmark(("runVideoToFirstFrame" + suffix).c_str(),
                [clip = clip, from = from](
                    benchmark::State& state) { timeRunVideo(state, clip, from, false); }));
            timed(benchmark::RegisterBenchmark(("bareLibmpvToFirstFrame" + suffix).c_str(),
                [clip = clip, from = from](
                    benchmark::State& state) { bareLibmpvToFirstFrame(state, clip, from); }));
        }
    }
    timed(benchmark::RegisterBenchmark("runVideoToFirstFrameDrawn/720p/file",
        [](benchmark::State& state) { timeRunVideo(state, Hd720WithSound, LocalFile, true); }));
    return true;
}();

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
