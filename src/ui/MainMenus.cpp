#include "ui/MainMenus.h"

#include "state/Languages.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const char* objectName, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu* topMenu(QMainWindow* window, const char* objectName, const char* caption)
{
    QMenu* menu = window->menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QMenu* popUp(QMainWindow* window, const char* objectName)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction* checkable(QAction* action)
{
    action->setCheckable(true);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow* window)
{
    fileMenu = topMenu(window, "MnuFile", "&File");
    openAction = item(fileMenu, "SMnuOpen", "&Open...");
    importPlaylistAction = item(fileMenu, "MnuImportPlaylist", "Import &Playlist...");
    recentFilesSeparator = fileMenu->addSeparator();
    recentFilesSeparator->setObjectName(QStringLiteral("SMnuMRUList"));
    updateListsAction = item(fileMenu, "SMnuUpdatelists", "Update lists");
    fileMenu->addSeparator();
    exitAction = item(fileMenu, "SMnuExit", "E&xit");

    optionsMenu = topMenu(window, "MnuTools", "&Options");
    findAction = item(optionsMenu, "SMnuFind", "&Find...");
    optionsMenu->addSeparator();
    scheduledProgramsAction = item(optionsMenu, "SMnuScheduledPrograms", "Scheduled Programs...");
    guideAction = item(optionsMenu, "MnuGuide", "Program &Guide...");
    addGuideSourceAction = item(optionsMenu, "MnuGuideSource", "Add Guide &Source...");
    runRemindersAction = checkable(item(optionsMenu, "SMnuRunRemindingService", "Run reminding service"));
    stopRemindersAction = checkable(item(optionsMenu, "SMnuStopRemindingService", "Stop reminding service"));
    optionsMenu->addSeparator();
    languageMenu = optionsMenu->addMenu(QStringLiteral("&Language"));
    languageMenu->setObjectName(QStringLiteral("SMnuLanguage"));
    for (const LanguageEntry& entry : Languages::all())
        languageItems.append(checkable(item(languageMenu, entry.menuObjectName, entry.designCaption)));
    alwaysOnTopAction = checkable(item(optionsMenu, "SMnuAlwaysOnTop", "Al&ways On Top"));
    advancedOptionsAction = item(optionsMenu, "SMnuOption", "&Advanced Options...");
    optionsMenu->addSeparator();
    turnOffTimeAction = item(optionsMenu, "SMnuTurnOfTime", "&Set Turn off Time...");
    optionsMenu->addSeparator();
    checkViewAction = item(optionsMenu, "MnuCheckChannels", "&Check Channels in This View");

    favoriteMenu = topMenu(window, "MnuFavorite", "F&avorite");
    addFavoriteAction = item(favoriteMenu, "SSMnuAddFavorite", "A&dd...");
    favoriteMenu->addSeparator();
    importAction = item(favoriteMenu, "SMnuImport", "&Import...");
    exportAction = item(favoriteMenu, "SMnuExport", "&Export...");
    exportPlaylistAction = item(favoriteMenu, "MnuExportPlaylist", "Export as &Playlist...");

    videoMenu = topMenu(window, "MnuVideo", "&Video");
    fitToSizeAction = item(videoMenu, "SMnuFitToSize", "Fit To Size");
    normalSizeAction = item(videoMenu, "SMnuNormalSize", "Normal Size");
    fullScreenAction = item(videoMenu, "SMnuFullScreen", "Full Screen");

    helpMenu = topMenu(window, "MnuHelp", "&Help");
    helpAction = item(helpMenu, "SMnuInfo", "&Help...");
    helpMenu->addSeparator();
    aboutAction = item(helpMenu, "SMnuAbout", "&About...");

    catalogueMenu = popUp(window, "TreeViewRight");
    watchAction = item(catalogueMenu, "SPopUpMenuWatch", "Watch");
    scheduleProgramAction = item(catalogueMenu, "SPopUpMenuMainSetProgramTime", "Schedule a program");
    guideOfItemAction = item(catalogueMenu, "PopUpMenuGuide", "Program Guide");
    catalogueInfoSeparator = catalogueMenu->addSeparator();
    informationAction = item(catalogueMenu, "SPopUpMenuInfo", "Information");
    catalogueFavoriteSeparator = catalogueMenu->addSeparator();
    addToFavoritesAction = item(catalogueMenu, "SPopUpMenuAddToFavorite", "Add To Favorites");

    branchMenu = popUp(window, "TreeViewBranch");
    checkBranchAction = item(branchMenu, "PopUpMenuCheckChannels", "Check Channels");

    favoriteItemMenu = popUp(window, "HandleFavorite");
    favoriteWatchAction = item(favoriteItemMenu, "SPopUpMenuFWatch", "Watch");
    favoriteScheduleProgramAction
        = item(favoriteItemMenu, "SPopUpMenuFavoriteSetProgramTime", "Schedule a program");
    favoriteGuideAction = item(favoriteItemMenu, "PopUpMenuFGuide", "Program Guide");
    favoriteItemMenu->addSeparator();
    favoriteInformationAction = item(favoriteItemMenu, "SPopUpMenuFInfo", "Information");
    favoriteItemMenu->addSeparator();
    favoriteModifyAction = item(favoriteItemMenu, "SPopUpMenuFModify", "Modify");
    favoriteItemMenu->addSeparator();
    favoriteDeleteAction = item(favoriteItemMenu, "SPopUpMenuFDelete", "Delete");
    favoriteItemMenu->addSeparator();
    favoriteImportPlaylistAction = item(favoriteItemMenu, "PopUpMenuFImportPlaylist", "Import Playlist...");

    trayMenu = popUp(window, "MnuSystem");
    trayHelpAction = item(trayMenu, "MnuSystemHelp", "Help");
    trayAboutAction = item(trayMenu, "MnuSystemAbout", "About Vidorra");
    trayMenu->addSeparator();
    trayTimerAction = item(trayMenu, "MnuSystemTimer", "Timer");
    trayMenu->addSeparator();
    trayShowAction = item(trayMenu, "MnuSystemShow", "Show");
    trayHideAction = item(trayMenu, "MnuSystemHide", "Hide");
    trayMenu->addSeparator();
    trayExitAction = item(trayMenu, "MnuSystemExit", "Exit");
}
