// The longest pause of the event loop (what the window would feel) while the update check
// runs against a vendor server that is down, slow (a trickle) or black-holed (accepts and
// never answers). A timer asks to run every 5 ms; the longest gap between its runs is the
// pause. Run under a display or offscreen; each case runs the whole check to its end.
#include "BenchMain.h"

#include "net/core/UpdateCheck.h"
#include "platform/core/HttpTransfer.h"
#include "state/Settings.h"

#include "../tests/support/TestHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

TestHttpServer& server()
{
    static TestHttpServer s;
    return s;
}

void longestPause(benchmark::State& state, const QUrl& root)
{
    QTemporaryDir folder;
    Settings settings = Settings::fromBytes("14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\n");
    HttpTransfer transfer;
    qint64 longest = 0;
    for (auto _ : state) {
        UpdateCheck check({transfer, settings, folder.path(), root, [] { return QString(); }});
        QElapsedTimer sinceLast;
        sinceLast.start();
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout, &beat, [&] {
            longest = std::max(longest, sinceLast.elapsed());
            sinceLast.restart();
        });
        beat.start(5);
        QEventLoop loop;
        QElapsedTimer whole;
        whole.start();
        check.run(true, [&](const UpdateCheck::Result&) { loop.quit(); });
        loop.exec();
        state.SetIterationTime(static_cast<double>(whole.nsecsElapsed()) / 1e9);
    }
    state.counters["longest_pause_ms"] = static_cast<double>(longest);
}

void serverDown(benchmark::State& state)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    longestPause(state, QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
}
void serverSlow(benchmark::State& state) { longestPause(state, server().url(QStringLiteral("/_/drip/"))); }
void serverBlackHoled(benchmark::State& state)
{
    longestPause(state, server().url(QStringLiteral("/_/hang/")));
}

BENCHMARK(serverDown)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseManualTime();
BENCHMARK(serverSlow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime();
BENCHMARK(serverBlackHoled)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return BenchMain::run(argc, argv);
}
