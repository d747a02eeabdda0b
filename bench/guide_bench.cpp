// The programme guide: reading a 100 MB XMLTV guide (about 300,000 programmes) into its
// table off the user-interface thread, with the longest pause of that thread's event loop
// and the peak memory against the table's own size; now and next for a channel.
#include "BenchMain.h"

#include "guide/core/XmltvReader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

#include <atomic>
#include <fstream>
#include <random>
#include <thread>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr int kChannels = 430;
constexpr qint64 kStart = 1'796'000'000; // a Monday in December 2026, UTC

// What varies from one programme to the next, so the texts are not all alike.
const char* const kWords[]
    = {"news", "weather", "the", "of", "report", "live", "match", "film", "documentary", "history", "nature",
        "evening", "morning", "special", "series", "episode", "kitchen", "travel", "music", "talk"};

QString writeGuide(const QString& path, qint64 targetBytes, qint64* programmes)
{
    std::mt19937 random(7);
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv generator-info-name=\"bench\">\n";
    for (int c = 0; c < kChannels; ++c)
        out << "<channel id=\"ch" << c << ".example\"><display-name lang=\"en\">Channel " << c
            << " HD</display-name></channel>\n";
    qint64 written = 0;
    *programmes = 0;
    std::vector<qint64> at(kChannels, kStart);
    const auto words = [&random](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::string(i ? " " : "") + kWords[random() % std::size(kWords)];
        return text;
    };
    while (written < targetBytes) {
        const int c = static_cast<int>(random() % kChannels);
        const qint64 minutes = 15 + static_cast<qint64>(random() % 8) * 15;
        const QDateTime start = QDateTime::fromSecsSinceEpoch(at[c], QTimeZone(3600));
        const QDateTime stop = start.addSecs(minutes * 60);
        at[c] += minutes * 60;
        std::string entry = "<programme start=\""
            + start.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() + " +0100\" stop=\""
            + stop.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() + " +0100\" channel=\"ch"
            + std::to_string(c) + ".example\">\n  <title lang=\"en\">" + words(3)
            + "</title>\n  <sub-title lang=\"en\">" + words(2) + "</sub-title>\n  <desc lang=\"en\">"
            + words(14) + ".</desc>\n  <category lang=\"en\">" + words(1) + "</category>\n</programme>\n";
        out << entry;
        written += static_cast<qint64>(entry.size());
        ++*programmes;
    }
    out << "</tv>\n";
    return path;
}

// A size /proc/self/status gives in kB ("VmRSS:", "VmHWM:"), in bytes.
qint64 statusBytes(const std::string& wanted)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    qint64 value = 0;
    while (status >> key) {
        if (key == wanted) {
            status >> value;
            return value * 1024;
        }
    }
    return 0;
}

struct Guide {
    QTemporaryDir folder;
    QString path;
    qint64 programmes = 0;
    Guide() { path = writeGuide(folder.filePath(QStringLiteral("guide.xml")), 100 * kMiB, &programmes); }
};

Guide& guide()
{
    static Guide made;
    return made;
}

// The reading runs on a thread of its own while the event loop keeps a 5 ms timer; the
// longest gap between its ticks is the longest the window would have been unresponsive.
void readGuideOffTheUiThread(benchmark::State& state)
{
    Guide& g = guide();
    double longestPauseMs = 0, peakGrowth = 0, tableBytes = 0, programmes = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const qint64 before = statusBytes("VmRSS:");
        std::optional<GuideTable> table;
        QString error;
        std::atomic<bool> done {false};
        QElapsedTimer clock;
        clock.start();
        std::thread reading([&] {
            table = XmltvReader::readFile(g.path, 512 * kMiB, &error);
            done = true;
        });
        qint64 last = clock.elapsed(), longest = 0;
        QTimer tick;
        QEventLoop loop;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
            if (done)
                loop.quit();
        });
        tick.start(5);
        loop.exec();
        reading.join();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (!table) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        longestPauseMs = std::max<double>(longestPauseMs, static_cast<double>(longest));
        peakGrowth = static_cast<double>(statusBytes("VmHWM:") - before);
        tableBytes = static_cast<double>(table->sizeInBytes());
        programmes = static_cast<double>(table->programmes().size());
    }
    state.counters["programmes"] = programmes;
    state.counters["file_MB"] = static_cast<double>(QFile(g.path).size()) / kMiB;
    state.counters["longest_ui_pause_ms"] = longestPauseMs;
    state.counters["table_MB"] = tableBytes / kMiB;
    state.counters["peak_growth_MB"] = peakGrowth / kMiB;
    state.counters["memory_per_table"] = tableBytes > 0 ? peakGrowth / tableBytes : 0;
}

void nowNextForAChannel(benchmark::State& state)
{
    static const std::optional<GuideTable> table = XmltvReader::readFile(guide().path, 512 * kMiB, nullptr);
    if (!table) {
        state.SkipWithError("the guide could not be read");
        return;
    }
    std::mt19937 random(3);
    int found = 0;
    for (auto _ : state) {
        const int channel = static_cast<int>(random() % kChannels);
        const qint64 at = kStart + static_cast<qint64>(random() % (7 * 86400));
        const GuideTable::NowNext nowNext = table->nowNext(channel, at);
        found += nowNext.now != nullptr;
        benchmark::DoNotOptimize(nowNext);
    }
    state.counters["found"] = found;
}

} // namespace

BENCHMARK(readGuideOffTheUiThread)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(nowNextForAChannel)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return BenchMain::run(argc, argv);
}
