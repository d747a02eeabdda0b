#pragma once

#include "app/Application.h"
#include "platform/DbusNotifier.h"
#include "platform/LogindPower.h"
#include "platform/MprisService.h"
#include "platform/MpvPlayer.h"
#include "platform/core/HttpProber.h"
#include "platform/core/HttpTransfer.h"

#include <QDateTime>
#include <QList>
#include <QTimer>
#include <QUrl>

// Small doubles for what cannot run in a test: the notification area, the desktop's
// "Open", the end of the process. Each records what the program asked of it.
struct FakeTransfer final : Transfer {
    void fetch(const QUrl&, qint64, Done done) override
    {
        QTimer::singleShot(0, [done] { done({{}, QStringLiteral("offline")}); });
    }
    void cancelAll() override { ++cancels; }
    int cancels = 0;
};

struct FakeInstanceGuard final : SingleInstanceGuard {
    explicit FakeInstanceGuard(bool firstCopy) : first(firstCopy) { }
    bool claim() override { return first; }
    bool first;
};

struct FakeShell final : Shell {
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

struct FakeTray final : TrayIcon {
    explicit FakeTray(bool available) : isAvailable(available) { }
    bool available() const override { return isAvailable; }
    void add(const QString& tooltip, QMenu*) override
    {
        shown = true;
        tip = tooltip;
    }
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
    bool isAvailable;
    bool shown = false;
    QString tip;
};

// The file dialog: answers with the files and filter a test has put in.
struct FakeFileDialog final : FileDialog {
    Choice openFiles(QWidget*, const QString& title, const QStringList& filters, bool) override
    {
        lastTitle = title;
        lastFilters = filters;
        return answer;
    }
    QString saveFile(QWidget*, const QString& title, const QString&, const QStringList&) override
    {
        lastTitle = title;
        return saveAnswer;
    }
    Choice answer;
    QString saveAnswer;
    QString lastTitle;
    QStringList lastFilters;
};

// What a test sees of the doubles after handing them to the Application.
struct FakePlatform {
    FakeTransfer* transfer = nullptr;
    FakeShell* shell = nullptr;
    FakeTray* tray = nullptr;
    FakeFileDialog* fileDialog = nullptr;
    MpvPlayer* media = nullptr;
    int ends = 0;
    std::function<std::unique_ptr<WebView>()> makeWebView;
    QByteArray audioDevice; // set to a device that does not exist: a machine without sound
    QDateTime now = QDateTime::currentDateTime(); // the program's clock
    bool desktopNotifications = false; // the real notifier on the session bus
    bool logindPower = false; // the real power-off through logind on the "system" bus
    bool realTransfer = false; // HTTP, to a server on loopback
    bool mediaControls = false; // the real media-player service on the session bus

    PlatformServices services(bool firstCopy = true, bool trayAvailable = true)
    {
        PlatformServices s;
        auto t = std::make_unique<FakeTransfer>();
        transfer = t.get();
        s.transfer = std::move(t);
        if (realTransfer) {
            s.transfer = std::make_unique<HttpTransfer>();
            transfer = nullptr;
        }
        s.instanceGuard = std::make_unique<FakeInstanceGuard>(firstCopy);
        auto sh = std::make_unique<FakeShell>();
        shell = sh.get();
        s.shell = std::move(sh);
        auto tr = std::make_unique<FakeTray>(trayAvailable);
        tray = tr.get();
        s.tray = std::move(tr);
        auto dialog = std::make_unique<FakeFileDialog>();
        fileDialog = dialog.get();
        s.fileDialog = std::move(dialog);
        // The real media engine, without a window or a sound card.
        auto engine = std::make_unique<MpvPlayer>(MpvPlayer::Options {true, 5, audioDevice});
        media = engine.get();
        s.media = std::move(engine);
        s.makeWebView = makeWebView;
        s.clock = [this] { return now; };
        if (desktopNotifications)
            s.notifier = std::make_unique<DbusNotifier>();
        if (logindPower)
            s.power = std::make_unique<LogindPower>();
        s.endProgram = [this] { ++ends; };
        if (mediaControls)
            s.mediaControls = std::make_unique<MprisService>(
                MprisService::Identity {QStringLiteral("Vidorra"), QStringLiteral("example.vidorra.Vidorra"), {}});
        s.prober = std::make_unique<HttpProber>(std::chrono::milliseconds(1500)); // a slow channel fails sooner

        return s;
    }
};
