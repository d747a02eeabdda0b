#include "app/StartupSequence.h"

#include "app/ProgramLifecycle.h"
#include "base/StartUpMarks.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/Catalogue.h"
#include "net/AnnouncementBanner.h"
#include "net/UpdateCommands.h"
#include "platform/TrayIcon.h"
#include "platform/core/SingleInstanceGuard.h"
#include "playback/RecentFilesMenu.h"
#include "playback/core/NowPlaying.h"
#include "schedule/ScheduleCommands.h"
#include "state/Languages.h"
#include "state/ProgramState.h"
#include "state/TextId.h"
#include "ui/LanguageSelector.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowChrome.h"
#include "ui/WaitingWindow.h"

#include <QAction>

StartupSequence::StartupSequence(Parts parts) : m_parts(parts) { }

StartupSequence::~StartupSequence() = default;

bool StartupSequence::run()
{
    ProgramState& state = m_parts.program;
    m_parts.nowPlaying.currentOperator = 8;
    m_parts.catalogueView.catalogue().movieStoreLoaded = false;

    // A settings file without a language line (or with an empty one, as after a final
    // line end) starts in English.
    const QString language = !state.settings.line(Settings::Language).isEmpty()
        ? state.settings.line(Settings::Language)
        : Languages::kEnglishLine;
    m_parts.language.selectLanguage(language, true);
    applyWindowOrder();
    if (refuseSecondCopy())
        return false;
    state.folder.removeWriteLeftovers(); // only the one running copy may do this
    showPleaseWait();
    StartUpMarks::mark("\"Please wait\" shown");
    m_parts.window.setWindowTitle(QStringLiteral("Vidorra"));
    checkLanguageItem();
    emptyCatalogue();
    configureBannerBrowser();
    announcementTick();
    updateInternet();
    StartUpMarks::mark("update check done");
    if (!readLists())
        return false;
    StartUpMarks::mark("lists read");
    loadRecentFiles();
    buildTree();
    StartUpMarks::mark("tree built");
    readScheduledPrograms();
    resizeForm();
    announcementTick();
    showWindows();
    StartUpMarks::mark("window shown");
    startReminderService();
    addTrayIcon();
    return true;
}

void StartupSequence::applyWindowOrder()
{
    const Settings& settings = m_parts.program.settings;
    const bool onTop = settings.alwaysOnTop();
    m_parts.window.menus().alwaysOnTopAction->setChecked(onTop);
    m_parts.window.setTopmost(onTop);
}

bool StartupSequence::refuseSecondCopy()
{
    if (m_parts.instanceGuard.claim())
        return false;
    const LanguageTexts& texts = m_parts.program.texts;
    WaitingWindow message(nullptr, m_parts.window.isTopmost());
    message.showMessage(texts.text(TextId::AlreadyRunning), texts.text(TextId::Ok));
    if (!m_parts.argument.isEmpty())
        m_parts.instanceGuard.handOver(m_parts.argument); // the running copy opens it
    m_parts.lifecycle.emergencyEnd();
    return true;
}

void StartupSequence::showPleaseWait()
{
    m_waiting = std::make_unique<WaitingWindow>(nullptr, m_parts.window.isTopmost());
    m_waiting->showNotice(m_parts.program.texts.text(TextId::PleaseWait));
}

void StartupSequence::checkLanguageItem()
{
    m_parts.language.checkItemFor(m_parts.program.settings.line(Settings::Language));
}

void StartupSequence::emptyCatalogue() { m_parts.catalogueView.catalogue().clear(); }

// The banner's page is made when it first has something to show.
void StartupSequence::configureBannerBrowser() { m_parts.banner.startTicking(); }

// The announcement banner's minute tick.
void StartupSequence::announcementTick() { m_parts.banner.tick(); }

// The automatic update check: the announcements, the lists only with "updatechannel=1".
void StartupSequence::updateInternet() { m_parts.updates.checkAtStartUp(m_waiting.get()); }

// Reads the TV, radio and movie-store lists and the favorites. A missing list ends the
// program here; false then.
bool StartupSequence::readLists()
{
    if (m_parts.loader.loadAll())
        return true;
    m_waiting.reset();
    return false;
}

void StartupSequence::loadRecentFiles() { m_parts.recent.loadMRU(); }

void StartupSequence::buildTree() { m_parts.catalogueView.filterBy(TreeBuilder::ByCountry, false); }

void StartupSequence::readScheduledPrograms() { m_parts.schedule.readScheduledPrograms(); }

void StartupSequence::resizeForm() { m_parts.window.resizeForm(); }

void StartupSequence::showWindows()
{
    m_parts.chrome.restorePlacement();
    m_parts.window.show();
    m_waiting.reset();
}

void StartupSequence::startReminderService() { m_parts.schedule.applyReminderSetting(); }

void StartupSequence::addTrayIcon()
{
    m_parts.tray.add(QStringLiteral("Vidorra"), m_parts.window.menus().trayMenu);
}
