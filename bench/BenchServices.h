#pragma once

#include "BenchMain.h"
#include "app/Application.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <clocale>

// Platform services for benchmarks of the whole program: nothing reaches the network,
// the desktop or a second copy.
namespace BenchServices {

// Answers every fetch at once, as a machine without a network would.
struct NoTransfer final : Transfer {
    void fetch(const QUrl&, qint64, Done done) override
    {
        QTimer::singleShot(0, [done] { done({{}, QStringLiteral("offline")}); });
    }
    void cancelAll() override { }
};
struct FirstCopy final : SingleInstanceGuard {
    bool claim() override { return true; }
};
struct NoShell final : Shell {
    bool open(const QUrl&) override { return true; }
};
struct NoTray final : TrayIcon {
    bool available() const override { return false; }
    void add(const QString&, QMenu*) override { }
    void remove() override { }
    bool isShown() const override { return false; }
};

inline PlatformServices make(std::unique_ptr<MediaPlayer> media)
{
    PlatformServices s;
    s.transfer = std::make_unique<NoTransfer>();
    s.instanceGuard = std::make_unique<FirstCopy>();
    s.shell = std::make_unique<NoShell>();
    s.tray = std::make_unique<NoTray>();
    s.media = std::move(media);
    s.endProgram = [] {};
    return s;
}

// The main of a benchmark that needs a QApplication.
inline int runWithApplication(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return BenchMain::run(argc, argv);
}

} // namespace BenchServices
