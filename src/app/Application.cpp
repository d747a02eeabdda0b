#include "app/Application.h"

#include "about/AboutWindow.h"
#include "app/ProgramLifecycle.h"
#include "app/StartupSequence.h"
#include "base/StartUpMarks.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/ChannelInformation.h"
#include "catalogue/TreeEvents.h"
#include "check/ChannelCheck.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/PlaylistCommands.h"
#include "guide/GuideCommands.h"
#include "net/AnnouncementBanner.h"
#include "net/UpdateCommands.h"
#include "net/core/ServerAddress.h"
#include "options/OptionsCommand.h"
#include "platform/FileDialog.h"
#include "platform/TrayIcon.h"
#include "platform/core/HttpProber.h"
#include "platform/core/PowerControl.h"
#include "platform/core/Shell.h"
#include "platform/core/SingleInstanceGuard.h"
#include "platform/core/Transfer.h"
#include "playback/MediaKeys.h"
#include "playback/OpenCommand.h"
#include "playback/Playback.h"
#include "playback/PlayerArea.h"
#include "playback/RecentFilesMenu.h"
#include "schedule/ScheduleCommands.h"
#include "search/SearchCommand.h"
#include "state/Languages.h"
#include "state/ProgramState.h"
#include "timer/TurnOffCommands.h"
#include "ui/LanguageSelector.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowChrome.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

namespace {

// Runs `command` whenever the menu entry is chosen; the entry lives as long as the window.
template <typename Command> void onTriggered(QAction* action, Command command)
{
    QObject::connect(action, &QAction::triggered, action, command);
}

} // namespace

Application::Application(const ProgramFolder& folder, PlatformServices services)
    : m_services(std::move(services)),
      m_program(std::make_unique<ProgramState>(folder)),
      m_window(std::make_unique<MainWindow>())
{
    StartUpMarks::mark("main window made");
    m_lifecycle = std::make_unique<ProgramLifecycle>(
        m_program->settings, *m_window, *m_services.transfer, *m_services.tray, [this] { endNow(); });
    LanguageSelector::Hooks hooks;
    hooks.saveSettings = [this] { return m_program->saveSettings(); };
    hooks.arabicAppearance = [this] { m_window->arabicAppearance(); };
    hooks.showError = [this](const QString& error) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Vidorra"), error, QMessageBox::Ok,
            m_window->isVisible() ? m_window.get() : nullptr);
        box.setObjectName(QStringLiteral("LanguageError"));
        box.exec();
    };
    hooks.languageFilePath = [this](const QString& name) { return m_program->folder.languageFile(name); };
    hooks.helpPage = [](const QString& path) { return ServerAddress::resolve(path); };
    m_language = std::make_unique<LanguageSelector>(
        m_program->settings, m_program->texts, *m_window, *m_services.shell, std::move(hooks));
    m_window->setUnloadHandler([this] { return m_lifecycle->unload(ProgramLifecycle::Unload::Closed); });
    connectCommands();
    connectCatalogue();
    connectChrome();
    connectPlayback();
    connectFavorites();
    connectSchedule();
    connectGuide();
    connectOptionsAndTimer();
}

Application::~Application()
{
    if (!m_ended)
        m_lifecycle->terminate();
}

bool Application::start(const QString& argument)
{
    m_program->settings = Settings::load(m_program->folder.file(QStringLiteral("inf")));
    StartupSequence sequence({*m_program, m_nowPlaying, *m_window, *m_language, *m_services.instanceGuard,
        *m_services.tray, *m_lifecycle, *m_loader, *m_catalogueView, *m_chrome, m_playback->recent(),
        *m_schedule, *m_updates, *m_banner, argument});
    if (!sequence.run() || m_ended)
        return false;
    m_services.instanceGuard->onHandedOver([this](const QString& handed) { open(handed); });
    connectMediaKeys();
    prepareEngineOnceDrawn();
    m_guide->start();
    if (!argument.isEmpty())
        open(argument);
    return true;
}

void Application::connectCommands()
{
    MainMenus& m = m_window->menus();
    ProgramLifecycle* lifecycle = m_lifecycle.get();
    onTriggered(m.exitAction, [lifecycle] { lifecycle->exitFromFileMenu(); });
    onTriggered(m.trayExitAction, [lifecycle] { lifecycle->exitFromTray(); });
    onTriggered(m.trayShowAction, [lifecycle] { lifecycle->showMainWindow(); });
    onTriggered(m.trayHideAction, [lifecycle] { lifecycle->hideMainWindow(); });

    LanguageSelector* language = m_language.get();
    const auto& entries = Languages::all();
    for (qsizetype i = 0; i < m.languageItems.size(); ++i) {
        const QString line = QString::fromLatin1(entries[static_cast<size_t>(i)].settingsLine);
        onTriggered(m.languageItems[i], [language, line] { language->menuChosen(line); });
    }
    onTriggered(m.helpAction, [language] { language->openHelp(); });
    onTriggered(m.trayHelpAction, [language] { language->openHelp(); });
}

void Application::connectCatalogue()
{
    CatalogueLoader::Hooks loaderHooks;
    loaderHooks.showMissing = [](const QString& text, const QString& title) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
        box.setObjectName(QStringLiteral("MissingList"));
        box.exec();
    };
    loaderHooks.emergencyEnd = [this] { m_lifecycle->emergencyEnd(); };
    m_loader = std::make_unique<CatalogueLoader>(
        m_catalogue, m_program->folder, m_program->texts, std::move(loaderHooks));
    m_catalogueView = std::make_unique<CatalogueView>(
        CatalogueView::Parts {m_catalogue, m_nowPlaying.localFiles, m_program->texts, *m_window, *m_loader});

    m_information = std::make_unique<ChannelInformation>(*m_catalogueView, m_program->texts, *m_window);

    MainMenus& m = m_window->menus();
    ChannelInformation* information = m_information.get();
    onTriggered(m.informationAction, [information] { information->informationChannel(); });
    onTriggered(m.favoriteInformationAction, [information] { information->informationFavorite(); });
}

void Application::connectChrome()
{
    m_chrome = std::make_unique<MainWindowChrome>(*m_program, *m_window);
    MainMenus& m = m_window->menus();
    MainWindowChrome* chrome = m_chrome.get();
    onTriggered(m.alwaysOnTopAction, [chrome] { chrome->toggleAlwaysOnTop(); });
    QObject::connect(m_window.get(), &MainWindow::restored, m_window.get(), [chrome] { chrome->restored(); });
    onTriggered(m.aboutAction, [this] { showAbout(); });
    onTriggered(m.trayAboutAction, [this] { showAbout(); });
}

void Application::showAbout()
{
    auto* about = m_window->findChild<AboutWindow*>();
    if (!about) {
        Shell* shell = m_services.shell.get();
        about = new AboutWindow(
            m_window.get(), m_window->chromeState(), [shell](const QUrl& url) { shell->open(url); });
    }
    about->show();
    about->raise();
}

void Application::connectPlayback()
{
    Shell* shell = m_services.shell.get();
    m_playback
        = std::make_unique<Playback>(Playback::Parts {*m_program, m_nowPlaying, *m_window, *m_catalogueView,
            *m_services.media, m_services.makeWebView, [shell](const QUrl& url) { shell->open(url); }});
    MainMenus& m = m_window->menus();
    Playback* playback = m_playback.get();
    // The tree plays what is double-clicked or chosen with Enter.
    TreeEvents::Hooks treeHooks;
    treeHooks.runVideo = [playback](const PlayRequest& request) { playback->runVideo(request); };
    treeHooks.watchFavorite = [playback] { playback->watchFavorite(); };
    m_treeEvents
        = std::make_unique<TreeEvents>(*m_catalogueView, m_nowPlaying, *m_window, std::move(treeHooks));
    TreeEvents* tree = m_treeEvents.get();
    onTriggered(m.watchAction, [tree] { tree->doubleClick(); });
    onTriggered(m.favoriteWatchAction, [playback] { playback->watchFavorite(); });
    onTriggered(m.fitToSizeAction, [playback] { playback->fitToSize(); });
    onTriggered(m.normalSizeAction, [playback] { playback->normalSize(); });
    onTriggered(m.fullScreenAction, [playback] { playback->fullScreen(); });
    if (m_services.fileDialog) {
        MediaPlayer* engine = m_services.media.get();
        m_open = std::make_unique<OpenCommand>(OpenCommand::Parts {m_nowPlaying, *m_catalogueView,
            m_program->texts, *m_window, *m_services.fileDialog,
            [playback](const PlayRequest& request) { playback->runVideo(request); },
            [engine] { engine->stop(); }});
        OpenCommand* open = m_open.get();
        onTriggered(m.openAction, [open] { open->run(); });
    }
}

void Application::connectFavorites()
{
    m_favorites = std::make_unique<FavoritesCommands>(FavoritesCommands::Parts {m_program->texts,
        m_program->folder, *m_catalogueView, m_nowPlaying, *m_window, m_services.fileDialog.get()});
    MainMenus& m = m_window->menus();
    FavoritesCommands* favorites = m_favorites.get();
    onTriggered(m.addToFavoritesAction, [favorites] { favorites->addSelectedToFavorites(); });
    onTriggered(m.favoriteDeleteAction, [favorites] { favorites->deleteSelected(); });
    onTriggered(m.favoriteModifyAction, [favorites] { favorites->modifySelected(); });
    onTriggered(m.addFavoriteAction, [favorites] { favorites->addFromMenu(); });
    onTriggered(m.exportAction, [favorites] { favorites->exportFavorites(); });
    onTriggered(m.importAction, [favorites] { favorites->importFavorites(); });

    m_playlists = std::make_unique<PlaylistCommands>(PlaylistCommands::Parts {m_program->texts,
        *m_catalogueView, m_favorites->store(), *m_window, m_services.fileDialog.get(), *m_services.transfer,
        [this](const QStringList& guides, const QHash<QByteArray, QString>& ids) {
            if (m_guide)
                m_guide->takePlaylistHints(guides, ids);
        }});
    PlaylistCommands* playlists = m_playlists.get();
    onTriggered(m.importPlaylistAction, [playlists] { playlists->importPlaylist(); });
    onTriggered(m.favoriteImportPlaylistAction, [playlists] { playlists->importPlaylist(); });
    onTriggered(m.exportPlaylistAction, [playlists] { playlists->exportPlaylist(); });

    if (!m_services.prober)
        m_services.prober = std::make_unique<HttpProber>();
    if (!m_services.clock)
        m_services.clock = [] { return QDateTime::currentDateTime(); };
    m_channelCheck = std::make_unique<ChannelCheck>(ChannelCheck::Parts {
        m_program->folder, *m_catalogueView, *m_window, *m_services.prober, m_services.clock});
    ChannelCheck* check = m_channelCheck.get();
    onTriggered(m.checkBranchAction, [check] { check->checkSelection(); });
    onTriggered(m.checkViewAction, [check] { check->checkView(); });
}

void Application::connectSchedule()
{
    if (!m_services.clock)
        m_services.clock = [] { return QDateTime::currentDateTime(); };
    m_schedule = std::make_unique<ScheduleCommands>(ScheduleCommands::Parts {
        *m_program, *m_window, *m_catalogueView, *m_playback, m_services.notifier.get(), m_services.clock});
    MainMenus& m = m_window->menus();
    ScheduleCommands* schedule = m_schedule.get();
    onTriggered(m.scheduledProgramsAction, [schedule] { schedule->showScheduledPrograms(); });
    onTriggered(m.runRemindersAction, [schedule] { schedule->runRemindingService(); });
    onTriggered(m.stopRemindersAction, [schedule] { schedule->stopRemindingService(); });
    onTriggered(m.scheduleProgramAction, [schedule] { schedule->setProgramTimeOfSelected(); });
    onTriggered(m.favoriteScheduleProgramAction, [schedule] { schedule->setProgramTimeOfSelected(); });
}

void Application::connectGuide()
{
    m_guide = std::make_unique<GuideCommands>(
        GuideCommands::Parts {*m_program, *m_window, *m_catalogueView, *m_schedule, *m_services.transfer,
            ServerAddress::resolve(QStringLiteral("guide.xml.gz")), m_services.clock});
    MainMenus& m = m_window->menus();
    GuideCommands* guide = m_guide.get();
    onTriggered(m.guideAction, [guide] { guide->showGuideOfSelected(); });
    onTriggered(m.guideOfItemAction, [guide] { guide->showGuideOfSelected(); });
    onTriggered(m.favoriteGuideAction, [guide] { guide->showGuideOfSelected(); });
    onTriggered(m.addGuideSourceAction, [guide] { guide->addSource(); });
}

void Application::connectOptionsAndTimer()
{
    RecentFilesMenu* recent = &m_playback->recent();
    ScheduleCommands* schedule = m_schedule.get();
    m_options = std::make_unique<OptionsCommand>(*m_program, *m_window,
        OptionsCommand::Hooks {[recent] { recent->clearHistory(); },
            [recent, schedule] {
                recent->loadMRU();
                schedule->applyReminderSetting();
            }});
    m_turnOff = std::make_unique<TurnOffCommands>(TurnOffCommands::Parts {
        m_program->texts, *m_window, m_services.power.get(), m_services.notifier.get(), m_services.clock});
    MainMenus& m = m_window->menus();
    OptionsCommand* options = m_options.get();
    TurnOffCommands* turnOff = m_turnOff.get();
    onTriggered(m.advancedOptionsAction, [options] { options->run(); });
    onTriggered(m.turnOffTimeAction, [turnOff] { turnOff->showDialog(); });
    onTriggered(m.trayTimerAction, [turnOff] { turnOff->showDialog(); });

    m_search = std::make_unique<SearchCommand>(m_program->texts, *m_window, *m_catalogueView, *m_playback);
    SearchCommand* search = m_search.get();
    onTriggered(m.findAction, [search] { search->show(); });

    m_updates = std::make_unique<UpdateCommands>(UpdateCommands::Parts {
        *m_program, *m_window, *m_catalogueView, *m_services.transfer, *m_services.shell});
    UpdateCommands* updates = m_updates.get();
    onTriggered(m.updateListsAction, [this, updates] {
        updates->updateLists();
        if (m_guide)
            m_guide->refreshAll();
    });

    m_banner = std::make_unique<AnnouncementBanner>(AnnouncementBanner::Parts {m_program->folder, *m_window,
        *m_services.transfer, *m_services.shell, m_services.makeWebView,
        [updates] { return updates->lastResult().announcements; }, ServerAddress::root()});
}

// The media engine is made once the window has been drawn, so that it neither delays the
// window nor the first item played.
void Application::prepareEngineOnceDrawn()
{
    MediaPlayer* engine = m_services.media.get();
    m_window->firstDrawn().then(engine, [engine] { engine->prepare(); });
}

// Offered once the window shows; the bus is reached off the user-interface thread.
void Application::connectMediaKeys()
{
    if (!m_services.mediaControls)
        return;
    CatalogueView* view = m_catalogueView.get();
    TreeEvents* tree = m_treeEvents.get();
    ProgramLifecycle* lifecycle = m_lifecycle.get();
    m_mediaKeys = std::make_unique<MediaKeys>(
        MediaKeys::Parts {*m_services.mediaControls, *m_services.media, *m_playback, m_nowPlaying,
            [view, tree](int step) {
                if (const std::optional<ItemKey> item = view->neighbourItem(step)) {
                    view->reveal(*item);
                    tree->doubleClick();
                }
            },
            [lifecycle] { lifecycle->showMainWindow(); }, [this](const QString& address) { open(address); }});
}

void Application::open(const QString& argument)
{
    const QUrl url = QUrl::fromUserInput(argument, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (!url.isValid())
        return;
    m_lifecycle->showMainWindow();
    const QString source = url.isLocalFile() ? url.toLocalFile() : url.toString();
    const QString path = url.path().toLower();
    if (path.endsWith(QStringLiteral(".m3u")) || path.endsWith(QStringLiteral(".m3u8")))
        m_playlists->offerImport(source);
    else if (m_open)
        m_open->openAddress(source);
}

void Application::endNow()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_window->isVisible())
        m_chrome->savePlacement();
    m_window->hide();
    if (m_services.endProgram)
        m_services.endProgram();
}
