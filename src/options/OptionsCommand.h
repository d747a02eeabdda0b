#pragma once

#include <QPointer>

struct ProgramState;
class MainWindow;
class OptionsDialog;
class RecentFilesMenu;
class ScheduleCommands;

// The Options entry: the dialog, and what its OK and Clear History change in the running
// program (the recent-files menu, the reminder scheduler).
class OptionsCommand final {
public:
    OptionsCommand(ProgramState& state, MainWindow& window, RecentFilesMenu& recent, ScheduleCommands& schedule);

    // Opens the dialog modal; returns once it is closed.
    void run();
    OptionsDialog* dialog() const;

private:
    void confirm(OptionsDialog& dialog);
    void clearHistory();

    ProgramState& m_state;
    MainWindow& m_window;
    RecentFilesMenu& m_recent;
    ScheduleCommands& m_schedule;
    QPointer<OptionsDialog> m_dialog;
};
