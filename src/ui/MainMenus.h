#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar and its four pop-up menus. Every menu and entry carries the
// object name the rest of the program (and the tests) find it by; the captions here are
// the design captions, replaced by the language texts at start-up.
struct MainMenus final {
    explicit MainMenus(QMainWindow* window);

    QMenu* fileMenu;
    QAction* openAction;
    QAction* importPlaylistAction;
    QAction* recentFilesSeparator; // the separator under Open; recent files follow it
    QAction* updateListsAction;
    QAction* exitAction;

    QMenu* optionsMenu;
    QAction* findAction;
    QAction* scheduledProgramsAction;
    QAction* guideAction;
    QAction* addGuideSourceAction;
    QAction* runRemindersAction;
    QAction* stopRemindersAction;
    QMenu* languageMenu;
    QList<QAction*> languageItems; // in Language menu order
    QAction* alwaysOnTopAction;
    QAction* advancedOptionsAction;
    QAction* turnOffTimeAction;
    QAction* checkViewAction;

    QMenu* favoriteMenu;
    QAction* addFavoriteAction;
    QAction* importAction;
    QAction* exportAction;
    QAction* exportPlaylistAction;

    QMenu* videoMenu;
    QAction* fitToSizeAction;
    QAction* normalSizeAction;
    QAction* fullScreenAction;

    QMenu* helpMenu;
    QAction* helpAction;
    QAction* aboutAction;

    QMenu* catalogueMenu;
    QAction* watchAction;
    QAction* scheduleProgramAction;
    QAction* guideOfItemAction;
    QAction* catalogueInfoSeparator;
    QAction* informationAction;
    QAction* catalogueFavoriteSeparator;
    QAction* addToFavoritesAction;

    QMenu* branchMenu;
    QAction* checkBranchAction;

    QMenu* favoriteItemMenu;
    QAction* favoriteWatchAction;
    QAction* favoriteScheduleProgramAction;
    QAction* favoriteGuideAction;
    QAction* favoriteInformationAction;
    QAction* favoriteModifyAction;
    QAction* favoriteDeleteAction;
    QAction* favoriteImportPlaylistAction;

    QMenu* trayMenu;
    QAction* trayHelpAction;
    QAction* trayAboutAction;
    QAction* trayTimerAction;
    QAction* trayShowAction;
    QAction* trayHideAction;
    QAction* trayExitAction;
};
