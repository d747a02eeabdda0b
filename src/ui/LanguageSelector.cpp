#include "ui/LanguageSelector.h"

#include "state/TextId.h"

#include "platform/core/Shell.h"
#include "state/LanguageFile.h"
#include "state/LanguageTexts.h"
#include "state/Languages.h"
#include "state/Settings.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

#include <vector>

namespace {

struct Step {
    int text; // the language text this step needs
    std::function<void(const QString&)> apply;
};

std::function<void(const QString&)> caption(QAction* action)
{
    return [action](const QString& text) { action->setText(text); };
}

std::function<void(const QString&)> caption(QMenu* menu)
{
    return [menu](const QString& text) { menu->setTitle(text); };
}

std::function<void(const QString&)> none()
{
    return [](const QString&) {};
}

// The main window's captions, in the order the texts are assigned.
std::vector<Step> assignmentOrder(MainWindow& w, LanguageTexts& slots)
{
    MainMenus& m = w.menus();
    std::vector<Step> steps;
    const auto at = [&](TextId text, std::function<void(const QString&)> apply) {
        steps.push_back({static_cast<int>(text), std::move(apply)});
    };
    at(TextId::FileMenu,
        [&m](const QString& t) { m.fileMenu->setTitle(t.mid(1)); }); // drops the byte-order mark
    at(TextId::OpenItem, caption(m.openAction));
    at(TextId::ExitItem, caption(m.exitAction));
    at(TextId::OptionsMenu, caption(m.optionsMenu));
    at(TextId::FindItem, caption(m.findAction));
    at(TextId::LanguageMenu, caption(m.languageMenu));
    at(TextId::AdvancedOptionsItem, caption(m.advancedOptionsAction));
    at(TextId::FavoriteMenu, caption(m.favoriteMenu));
    at(TextId::AddFavoriteItem, caption(m.addFavoriteAction));
    at(TextId::TurnOffTitle, none());
    at(TextId::NewVersion, none());
    at(TextId::HelpMenu, caption(m.helpMenu));
    at(TextId::HelpItem, caption(m.helpAction));
    at(TextId::AboutItem, caption(m.aboutAction));
    at(TextId::WatchItem, caption(m.watchAction));
    at(TextId::InformationItem, caption(m.informationAction));
    at(TextId::AddToFavoritesItem, caption(m.addToFavoritesAction));
    at(TextId::FavoriteWatchItem, caption(m.favoriteWatchAction));
    at(TextId::FavoriteInformationItem, caption(m.favoriteInformationAction));
    at(TextId::FavoriteModifyItem, caption(m.favoriteModifyAction));
    at(TextId::FavoriteDeleteItem, caption(m.favoriteDeleteAction));
    at(TextId::FilterLabel, [&w](const QString& t) { w.setCaption(MainWindow::Caption::Filter, t); });
    at(TextId::ByCategory, [&w](const QString& t) {
        const QSignalBlocker block(&w.viewSelector());
        w.viewSelector().clear();
        w.viewSelector().addItem(t);
        w.viewSelector().setCurrentIndex(-1); // the refilled selector holds no item until step 7
    });
    for (int n = number(TextId::Country); n <= number(TextId::ByMyComputer); ++n)
        at(static_cast<TextId>(n), [&w](const QString& t) {
            const QSignalBlocker block(&w.viewSelector());
            w.viewSelector().addItem(t);
            w.viewSelector().setCurrentIndex(-1);
        });
    at(TextId::VideoMenu, caption(m.videoMenu));
    at(TextId::FitToSizeItem, caption(m.fitToSizeAction));
    at(TextId::NormalSizeItem, caption(m.normalSizeAction));
    at(TextId::FullScreenItem, caption(m.fullScreenAction));
    for (int n = number(TextId::PleaseWait); n <= number(TextId::QuickTimeFiles); ++n)
        at(static_cast<TextId>(n), none());
    at(TextId::ImportItem, caption(m.importAction));
    at(TextId::ExportItem, caption(m.exportAction));
    for (int n = number(TextId::ImportFavoritesTitle); n <= number(TextId::HistoryList); ++n)
        at(static_cast<TextId>(n), none());
    at(TextId::AlwaysOnTopItem, caption(m.alwaysOnTopAction));
    for (int n = number(TextId::Hours); n <= number(TextId::And); ++n)
        at(static_cast<TextId>(n), none());
    at(TextId::TurnOffTimeItem, caption(m.turnOffTimeAction));
    for (int n = number(TextId::TurnOffComputer); n <= number(TextId::Modify); ++n)
        at(static_cast<TextId>(n), none());
    at(TextId::HideItem, caption(m.trayHideAction));
    at(TextId::ShowItem, [&m](const QString& t) {
        m.trayShowAction->setText(t);
        m.trayAboutAction->setText(m.aboutAction->text());
        m.trayExitAction->setText(m.exitAction->text());
        m.trayHelpAction->setText(m.helpAction->text());
    });
    at(TextId::TurnOffTitle, caption(m.trayTimerAction));
    at(TextId::UpdateChannels, none());
    at(TextId::MinimizeOnClose, none());
    at(TextId::UpdateListsItem, caption(m.updateListsAction));
    for (int n = number(TextId::ScheduleTitle); n <= number(TextId::StartTime); ++n)
        at(static_cast<TextId>(n), none());
    at(TextId::RunRemindingItem, caption(m.runRemindersAction));
    at(TextId::StopRemindingItem, caption(m.stopRemindersAction));
    for (int n = number(TextId::Blank134); n <= number(TextId::MissingListTitle); ++n)
        at(static_cast<TextId>(n), none());
    // Captions that reuse shared texts come last.
    at(TextId::ScheduledProgramsItem, caption(m.scheduledProgramsAction));
    at(TextId::ScheduleTitle, [&m](const QString& t) {
        m.scheduleProgramAction->setText(t);
        m.favoriteScheduleProgramAction->setText(t);
    });
    at(TextId::Country,
        [&w](const QString& t) { w.setCaption(MainWindow::Caption::Country, t + QStringLiteral(" :")); });
    at(TextId::Category,
        [&w](const QString& t) { w.setCaption(MainWindow::Caption::Category, t + QStringLiteral(" :")); });
    at(TextId::Bandwidth,
        [&w](const QString& t) { w.setCaption(MainWindow::Caption::Bandwidth, t + QStringLiteral(" :")); });
    // Every text is also kept in its shared slot as soon as its step is reached.
    for (Step& step : steps) {
        step.apply = [apply = std::move(step.apply), &slots, n = step.text](const QString& t) {
            slots.set(n, t);
            apply(t);
        };
    }
    return steps;
}

} // namespace

LanguageSelector::LanguageSelector(
    Settings& settings, LanguageTexts& texts, MainWindow& window, Shell& shell, Hooks hooks)
    : m_settings(settings), m_texts(texts), m_window(window), m_shell(shell), m_hooks(std::move(hooks))
{
    // The view chosen last is chosen again after a language change refills the selector.
    QObject::connect(&m_window.viewSelector(), &QComboBox::currentIndexChanged, &m_window, [this](int index) {
        if (index >= 0)
            m_rememberedFilter = index;
    });
}

// The whole file is checked, and the settings saved, before anything on screen changes: a
// language that fails leaves the window, its direction and `inf` as they were.
void LanguageSelector::selectLanguage(const QString& whichLanguage, bool firstRun)
{
    if (whichLanguage == m_shown && !firstRun)
        return;
    const QString name = Languages::nameOf(whichLanguage);
    if (!LanguageFile::isSafeName(name)) {
        m_hooks.showError(QStringLiteral("\"%1\" is not a language file name").arg(name));
        return;
    }
    const QString path = m_hooks.languageFilePath(name);
    const LanguageFile::LoadResult file = LanguageFile::load(path);
    if (!file.problem.isEmpty()) {
        m_hooks.showError(QStringLiteral("The language file of %1, %2, %3").arg(name, path, file.problem));
        return;
    }
    if (!firstRun) {
        m_settings.setOrAddLine(Settings::Language, whichLanguage);
        const QString error = m_hooks.saveSettings();
        if (!error.isEmpty()) {
            m_hooks.showError(error);
            return;
        }
    }
    if ((m_shown == Languages::kArabicLine) != (whichLanguage == Languages::kArabicLine))
        m_hooks.arabicAppearance();
    assignTexts(file.texts);
    m_shown = whichLanguage;
    m_window.update();
    m_window.viewSelector().setCurrentIndex(firstRun ? 1 : m_rememberedFilter); // runs its click
}

void LanguageSelector::assignTexts(const QStringList& texts)
{
    for (const Step& step : assignmentOrder(m_window, m_texts))
        step.apply(texts.value(step.text));
}

void LanguageSelector::menuChosen(const QString& settingsLine)
{
    checkItemFor(settingsLine);
    selectLanguage(settingsLine, false);
}

void LanguageSelector::checkItemFor(const QString& line)
{
    const auto& entries = Languages::all();
    const QList<QAction*>& items = m_window.menus().languageItems;
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i]->setChecked(line == QLatin1String(entries[static_cast<size_t>(i)].settingsLine));
}

void LanguageSelector::openHelp()
{
    const LanguageEntry* entry = Languages::bySettingsLine(m_shown);
    if (entry)
        m_shell.open(m_hooks.helpPage(QString::fromLatin1(entry->helpPath)));
}
