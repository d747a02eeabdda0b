#pragma once

#include <QPointer>

#include <functional>

struct ProgramState;
class MainWindow;
class OptionsDialog;

// The Options entry: the dialog, and what its OK and Clear History change in the running
// program.
class OptionsCommand final {
public:
    struct Hooks {
        std::function<void()> clearHistory; // the recent files forgotten for good
        std::function<void()> settingsChanged; // the recent-files menu and the reminders follow them
    };

    OptionsCommand(ProgramState& program, MainWindow& window, Hooks hooks);

    // Opens the dialog modal; returns once it is closed.
    void run();
    OptionsDialog* dialog() const;

private:
    void confirm(OptionsDialog& dialog);
    void clearHistory();

    ProgramState& m_program;
    MainWindow& m_window;
    Hooks m_hooks;
    QPointer<OptionsDialog> m_dialog;
};
