#pragma once

#include <QString>

#include <memory>

struct NowPlaying;
struct ProgramState;
class CatalogueLoader;
class CatalogueView;
class LanguageSelector;
class MainWindowChrome;
class RecentFilesMenu;
class ScheduleCommands;
class UpdateCommands;
class AnnouncementBanner;
class MainWindow;
class ProgramLifecycle;
class SingleInstanceGuard;
class TrayIcon;
class WaitingWindow;

// The main window's load: the whole start-up in its fixed order.
class StartupSequence final {
public:
    struct Parts {
        ProgramState& program;
        NowPlaying& nowPlaying;
        MainWindow& window;
        LanguageSelector& language;
        SingleInstanceGuard& instanceGuard;
        TrayIcon& tray;
        ProgramLifecycle& lifecycle;
        CatalogueLoader& loader;
        CatalogueView& catalogueView;
        MainWindowChrome& chrome;
        RecentFilesMenu& recent;
        ScheduleCommands& schedule;
        UpdateCommands& updates;
        AnnouncementBanner& banner;
        QString argument; // what the program was asked to open; a later copy hands it over
    };

    explicit StartupSequence(Parts parts);
    ~StartupSequence();

    // Runs every step; false when the program ended during start-up.
    bool run();

private:
    void applyWindowOrder();
    bool refuseSecondCopy();
    void showPleaseWait();
    void checkLanguageItem();
    void emptyCatalogue();
    void configureBannerBrowser();
    void announcementTick();
    void updateInternet();
    bool readLists();
    void loadRecentFiles();
    void buildTree();
    void readScheduledPrograms();
    void resizeForm();
    void showWindows();
    void startReminderService();
    void addTrayIcon();

    Parts m_parts;
    std::unique_ptr<WaitingWindow> m_waiting;
};
