#pragma once

#include <QString>

#include <functional>

struct ProgramState;
class MainWindow;

// The main window's own commands of window order and placement: always on top, topmost
// again after a restore, and where the window opens.
class MainWindowChrome final {
public:
    MainWindowChrome(ProgramState& state, MainWindow& window);

    // alwaysOnTopAction: toggles the check mark, the window's topmost state and settings line 8.
    void toggleAlwaysOnTop();
    // After the window comes back from being minimised.
    void restored();

    // Places the window where it was left, or centred when that is off the screens now.
    void restorePlacement();
    void savePlacement() const;

private:
    bool storedOnTop() const;
    QString placementFile() const;

    ProgramState& m_state;
    MainWindow& m_window;
};
