#include "options/OptionsCommand.h"

#include "options/OptionsDialog.h"
#include "playback/RecentFilesMenu.h"
#include "schedule/ScheduleCommands.h"
#include "state/ProgramState.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"
#include "state/TextId.h"

#include <QAction>
#include <QMenu>

OptionsCommand::OptionsCommand(
    ProgramState& state, MainWindow& window, RecentFilesMenu& recent, ScheduleCommands& schedule)
    : m_state(state), m_window(window), m_recent(recent), m_schedule(schedule)
{
}

void OptionsCommand::run()
{
    const MainMenus& m = m_window.menus();
    const QString title = m.optionsMenu->title().mid(1);
    const QString advanced = m.advancedOptionsAction->text().chopped(std::min<qsizetype>(3, m.advancedOptionsAction->text().size()));
    OptionsDialog dialog(&m_window, m_window.chromeState(), m_state.texts, title, advanced);
    m_dialog = &dialog;
    dialog.load(m_state.settings);
    QObject::connect(&dialog, &OptionsDialog::clearHistoryClicked, &dialog, [this] { clearHistory(); });
    QObject::connect(&dialog, &OptionsDialog::confirmed, &dialog, [this, &dialog] { confirm(dialog); });
    dialog.exec();
    if (m_window.isVisible())
        m_window.activateWindow();
}

OptionsDialog* OptionsCommand::dialog() const { return m_dialog; }

void OptionsCommand::clearHistory() { m_recent.clearHistory(); }

void OptionsCommand::confirm(OptionsDialog& dialog)
{
    dialog.store(m_state.settings);
    const QString error = m_state.saveSettings();
    if (!error.isEmpty()) {
        WaitingWindow box(&dialog, m_window.isTopmost());
        box.showMessage(error, m_state.texts.text(TextId::Ok));
    }
    m_recent.loadMRU();
    m_window.menus().runRemindersAction->setChecked(false);
    m_window.menus().stopRemindersAction->setChecked(false);
    m_schedule.applyReminderSetting();
}
