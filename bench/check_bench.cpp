// Check Channels in the running program: 1,000 channels on loopback, of which 100 never
// answer, eight at once with five seconds each. The wall time until the check has ended.
#include "BenchFolder.h"
#include "BenchServices.h"
#include "platform/MpvPlayer.h"

#include "app/Application.h"
#include "base/StoredField.h"
#include "check/ChannelCheck.h"
#include "state/ProgramFolder.h"

#include "../tests/support/TestHttpServer.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

const QString& programFolder()
{
    static QTemporaryDir dir;
    static const bool filled = (BenchFolder::fill(dir.path()), true);
    static const QString path = filled ? dir.path() : QString();
    return path;
}

void checkChannels(benchmark::State& state)
{
    TestHttpServer server;
    if (!server.running()) {
        state.SkipWithError("no loopback server");
        return;
    }
    QVector<QByteArray> addresses;
    for (int i = 0; i < 1000; ++i) {
        const QString path
            = i % 10 == 9 ? QStringLiteral("/_/hang/%1").arg(i) : QStringLiteral("/_/bytes?%1").arg(i);
        addresses.append(StoredField::encodeAddress(server.url(path).toString()));
    }
    Application app(ProgramFolder(programFolder()),
        BenchServices::make(std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 5, {}})));
    app.start();
    int silent = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&app.channelCheck(), &ChannelCheck::finished, &loop, &QEventLoop::quit);
        app.channelCheck().check(addresses);
        loop.exec();
        silent = static_cast<int>(
            std::count_if(addresses.cbegin(), addresses.cend(), [&app](const QByteArray& address) {
                return app.channelCheck().marks().all().contains(address);
            }));
    }
    if (silent != 100)
        state.SkipWithError(
            ("not exactly the hanging channels were marked: " + std::to_string(silent)).c_str());
    state.counters["channels"] = 1000;
    state.counters["silent"] = silent;
}
BENCHMARK(checkChannels)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime()
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return BenchServices::runWithApplication(argc, argv); }
