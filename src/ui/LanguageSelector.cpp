#include "ui/LanguageSelector.h"

#include "net/core/ServerAddress.h"
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
    const auto at = [&](int n, std::function<void(const QString&)> apply) {
        steps.push_back({n, std::move(apply)});
    };
    at(0, [&m](const QString& t) { m.MnuFile->setTitle(t.mid(1)); }); // drops the byte-order mark
    at(1, caption(m.SMnuOpen));
    at(3, caption(m.SMnuExit));
    at(4, caption(m.MnuTools));
    at(5, caption(m.SMnuFind));
    at(6, caption(m.SMnuLanguage));
    at(7, caption(m.SMnuOption));
    at(8, caption(m.MnuFavorite));
    at(9, caption(m.SSMnuAddFavorite));
    at(10, none());
    at(11, none());
    at(12, caption(m.MnuHelp));
    at(13, caption(m.SMnuInfo));
    at(14, caption(m.SMnuAbout));
    at(15, caption(m.SPopUpMenuWatch));
    at(16, caption(m.SPopUpMenuInfo));
    at(17, caption(m.SPopUpMenuAddToFavorite));
    at(18, caption(m.SPopUpMenuFWatch));
    at(19, caption(m.SPopUpMenuFInfo));
    at(20, caption(m.SPopUpMenuFModify));
    at(21, caption(m.SPopUpMenuFDelete));
    at(22, [&w](const QString& t) { w.viewLabel->setText(t); });
    at(23, [&w](const QString& t) {
        const QSignalBlocker block(w.viewSelector);
        w.viewSelector->clear();
        w.viewSelector->addItem(t);
        w.viewSelector->setCurrentIndex(-1); // the refilled selector holds no item until step 7
    });
    for (int n = 24; n <= 26; ++n)
        at(n, [&w](const QString& t) {
            const QSignalBlocker block(w.viewSelector);
            w.viewSelector->addItem(t);
            w.viewSelector->setCurrentIndex(-1);
        });
    at(27, caption(m.MnuVideo));
    at(28, caption(m.SMnuFitToSize));
    at(29, caption(m.SMnuNormalSize));
    at(30, caption(m.SMnuFullScreen));
    for (int n = 31; n <= 40; ++n)
        at(n, none());
    at(41, caption(m.SMnuImport));
    at(42, caption(m.SMnuExport));
    for (int n = 43; n <= 61; ++n)
        at(n, none());
    at(62, caption(m.SMnuAlwaysOnTop));
    for (int n = 63; n <= 68; ++n)
        at(n, none());
    at(69, caption(m.SMnuTurnOfTime));
    for (int n = 70; n <= 102; ++n)
        at(n, none());
    at(103, caption(m.MnuSystemHide));
    at(104, [&m](const QString& t) {
        m.MnuSystemShow->setText(t);
        m.MnuSystemAbout->setText(m.SMnuAbout->text());
        m.MnuSystemExit->setText(m.SMnuExit->text());
        m.MnuSystemHelp->setText(m.SMnuInfo->text());
    });
    at(10, caption(m.MnuSystemTimer));
    at(105, none());
    at(106, none());
    at(107, caption(m.SMnuUpdatelists));
    for (int n = 108; n <= 131; ++n)
        at(n, none());
    at(132, caption(m.SMnuRunRemindingService));
    at(133, caption(m.SMnuStopRemindingService));
    for (int n = 134; n <= 137; ++n)
        at(n, none());
    // Captions that reuse shared texts come last.
    at(117, caption(m.SMnuScheduledPrograms));
    at(108, [&m](const QString& t) {
        m.SPopUpMenuMainSetProgramTime->setText(t);
        m.SPopUpMenuFavoriteSetProgramTime->setText(t);
    });
    at(24, [&w](const QString& t) { w.countryCaption->setText(t + QStringLiteral(" :")); });
    at(34, [&w](const QString& t) { w.categoryCaption->setText(t + QStringLiteral(" :")); });
    at(33, [&w](const QString& t) { w.bandwidthCaption->setText(t + QStringLiteral(" :")); });
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
    m_hooks.selectFilter(firstRun ? 1 : m_rememberedFilter);
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
        m_shell.open(ServerAddress::resolve(QString::fromLatin1(entry->helpPath)));
}
