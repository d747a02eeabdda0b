#include "options/OptionsCommand.h"

#include "options/OptionsDialog.h"
#include "state/ProgramState.h"
#include "state/TextId.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QAction>
#include <QMenu>

OptionsCommand::OptionsCommand(ProgramState& program, MainWindow& window, Hooks hooks)
    : m_program(program), m_window(window), m_hooks(std::move(hooks))
{
}

void OptionsCommand::run()
{
    const MainMenus& m = m_window.menus();
    const QString title = m.optionsMenu->title().mid(1);
    const QString advanced = m.advancedOptionsAction->text().chopped(
        std::min<qsizetype>(3, m.advancedOptionsAction->text().size()));
    OptionsDialog dialog(&m_window, m_window.chromeState(), m_program.texts, title, advanced);
    m_dialog = &dialog;
    dialog.load(m_program.settings);
    QObject::connect(&dialog, &OptionsDialog::clearHistoryClicked, &dialog, [this] { clearHistory(); });
    QObject::connect(&dialog, &OptionsDialog::confirmed, &dialog, [this, &dialog] { confirm(dialog); });
    dialog.exec();
    if (m_window.isVisible())
        m_window.activateWindow();
}

OptionsDialog* OptionsCommand::dialog() const { return m_dialog; }

void OptionsCommand::clearHistory() { m_hooks.clearHistory(); }

void OptionsCommand::confirm(OptionsDialog& dialog)
{
    dialog.store(m_program.settings);
    const QString error = m_program.saveSettings();
    if (!error.isEmpty()) {
        WaitingWindow box(&dialog, m_window.isTopmost());
        box.showMessage(error, m_program.texts.text(TextId::Ok));
    }
    m_window.menus().runRemindersAction->setChecked(false);
    m_window.menus().stopRemindersAction->setChecked(false);
    m_hooks.settingsChanged();
}
