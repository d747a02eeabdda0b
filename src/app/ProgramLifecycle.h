#pragma once

#include <functional>

class Settings;
class MainWindow;
class Transfer;
class TrayIcon;

// How the program ends, and how the main window hides to the notification area.
class ProgramLifecycle final {
public:
    // Why the main window is unloading: the user closed it, or the program must end at once.
    enum class Unload { Closed, EmergencyEnd };

    ProgramLifecycle(const Settings& settings, MainWindow& window, Transfer& transfer, TrayIcon& tray,
        std::function<void()> endNow);

    // The main window's unload: the emergency end ends at once; "minimizeclose=1" hides
    // the window and keeps it (true); otherwise the program ends.
    bool unload(Unload reason);
    void emergencyEnd();
    void exitFromFileMenu(); // exitAction
    void exitFromTray(); // trayExitAction: no transfer to cancel
    void terminate();

    void showMainWindow(); // trayShowAction
    // A click on the notification-area icon brings back a hidden or minimised window;
    // while the window is shown it does nothing.
    void trayActivated();
    void hideMainWindow(); // trayHideAction

private:
    const Settings& m_settings;
    MainWindow& m_window;
    Transfer& m_transfer;
    TrayIcon& m_tray;
    std::function<void()> m_endNow;
};
