#pragma once

#include "platform/FileDialog.h"
#include "platform/MediaControls.h"
#include "platform/MediaPlayer.h"
#include "platform/TrayIcon.h"
#include "platform/core/Notifier.h"
#include "platform/core/PowerControl.h"
#include "platform/core/Prober.h"
#include "platform/core/Shell.h"
#include "platform/core/SingleInstanceGuard.h"
#include "platform/core/Transfer.h"

#include "catalogue/core/Catalogue.h"
#include "platform/WebView.h"
#include "playback/core/NowPlaying.h"

#include <QDateTime>

#include <functional>
#include <memory>

class CatalogueLoader;
class ChannelCheck;
class CatalogueView;
class FavoritesCommands;
class GuideCommands;
class PlaylistCommands;
class ChannelInformation;
class LanguageSelector;
class MediaKeys;
class MainWindow;
class MainWindowChrome;
class OpenCommand;
class Playback;
class WebView;
class TreeEvents;
class ProgramFolder;
class ProgramLifecycle;
class ScheduleCommands;
class OptionsCommand;
class TurnOffCommands;
class SearchCommand;
class UpdateCommands;
class AnnouncementBanner;
struct ProgramState;

// What the program needs from the desktop and the network. The real ones are made by
// makeRealServices; tests hand in their own.
struct PlatformServices {
    std::unique_ptr<Transfer> transfer;
    std::unique_ptr<SingleInstanceGuard> instanceGuard;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<TrayIcon> tray;
    std::unique_ptr<FileDialog> fileDialog;
    std::unique_ptr<PowerControl> power;
    std::unique_ptr<Prober> prober; // asks channels whether they answer; HTTP when not given
    std::unique_ptr<MediaPlayer> media; // the one media engine
    std::function<std::unique_ptr<WebView>()> makeWebView; // embedded pages, made when needed
    std::function<void()> endProgram; // stop at once, without further close handling
    std::unique_ptr<Notifier> notifier; // desktop notifications; none: the windows alone
    std::function<QDateTime()> clock; // the date and time now; the system's when not set
    std::unique_ptr<MediaControls> mediaControls; // media keys and the panel's player; none: no such controls
};

// The composition root: builds the shared state and the windows, wires the commands
// and runs the start-up.
class Application final {
public:
    Application(const ProgramFolder& folder, PlatformServices services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // StartProgram: reads the settings and runs the main window's load.
    // False when the program ended during start-up.
    bool start(const QString& argument = {});
    // Opens a file or address given on the command line or by a later copy: a playlist
    // offers its import, anything else plays; the window comes to the front.
    void open(const QString& argument);
    bool ended() const { return m_ended; }

    ProgramState& program() { return *m_program; }
    Catalogue& catalogue() { return m_catalogue; }
    NowPlaying& nowPlaying() { return m_nowPlaying; }
    MainWindow& mainWindow() { return *m_window; }
    ProgramLifecycle& lifecycle() { return *m_lifecycle; }
    LanguageSelector& language() { return *m_language; }
    PlatformServices& services() { return m_services; }
    CatalogueView& catalogueView() { return *m_catalogueView; }
    CatalogueLoader& catalogueLoader() { return *m_loader; }
    MainWindowChrome& chrome() { return *m_chrome; }
    Playback& playback() { return *m_playback; }
    FavoritesCommands& favorites() { return *m_favorites; }
    PlaylistCommands& playlists() { return *m_playlists; }
    ChannelCheck& channelCheck() { return *m_channelCheck; }
    ScheduleCommands& schedule() { return *m_schedule; }
    GuideCommands& guide() { return *m_guide; }
    OptionsCommand& options() { return *m_options; }
    TurnOffCommands& turnOff() { return *m_turnOff; }
    SearchCommand& search() { return *m_search; }
    UpdateCommands& updates() { return *m_updates; }
    AnnouncementBanner& banner() { return *m_banner; }

private:
    void connectCommands();
    void connectCatalogue();
    void connectChrome();
    void connectPlayback();
    void connectFavorites();
    void connectSchedule();
    void connectGuide();
    void connectOptionsAndTimer();
    void connectMediaKeys();
    void prepareEngineOnceDrawn();
    void showAbout();
    void endNow();

    PlatformServices m_services;
    // The state the features share for the whole run, each given what it needs.
    std::unique_ptr<ProgramState> m_program;
    Catalogue m_catalogue;
    NowPlaying m_nowPlaying;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ProgramLifecycle> m_lifecycle;
    std::unique_ptr<LanguageSelector> m_language;
    std::unique_ptr<CatalogueView> m_catalogueView;
    std::unique_ptr<CatalogueLoader> m_loader;
    std::unique_ptr<TreeEvents> m_treeEvents;
    std::unique_ptr<ChannelInformation> m_information;
    std::unique_ptr<MainWindowChrome> m_chrome;
    std::unique_ptr<Playback> m_playback;
    std::unique_ptr<OpenCommand> m_open;
    std::unique_ptr<FavoritesCommands> m_favorites;
    std::unique_ptr<PlaylistCommands> m_playlists;
    std::unique_ptr<ChannelCheck> m_channelCheck;
    std::unique_ptr<ScheduleCommands> m_schedule;
    std::unique_ptr<GuideCommands> m_guide;
    std::unique_ptr<OptionsCommand> m_options;
    std::unique_ptr<TurnOffCommands> m_turnOff;
    std::unique_ptr<SearchCommand> m_search;
    std::unique_ptr<UpdateCommands> m_updates;
    std::unique_ptr<AnnouncementBanner> m_banner;
    std::unique_ptr<MediaKeys> m_mediaKeys;
    bool m_ended = false;
};

PlatformServices makeRealServices(const ProgramFolder& folder, std::function<void()> showMainWindow);
