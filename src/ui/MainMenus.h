#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar and its three pop-up menus. Every menu and entry carries the
// object name the rest of the program (and the tests) find it by; the captions here are
// the design captions, replaced by the language texts at start-up.
struct MainMenus final {
    explicit MainMenus(QMainWindow* window);

    QMenu* MnuFile;
    QAction* SMnuOpen;
    QAction* SMnuMRUList; // the separator under Open; recent files follow it
    QAction* SMnuUpdatelists;
    QAction* SMnuExit;

    QMenu* MnuTools;
    QAction* SMnuFind;
    QAction* SMnuScheduledPrograms;
    QAction* SMnuRunRemindingService;
    QAction* SMnuStopRemindingService;
    QMenu* SMnuLanguage;
    QList<QAction*> languageItems; // in Language menu order
    QAction* SMnuAlwaysOnTop;
    QAction* SMnuOption;
    QAction* SMnuTurnOfTime;

    QMenu* MnuFavorite;
    QAction* SSMnuAddFavorite;
    QAction* SMnuImport;
    QAction* SMnuExport;

    QMenu* MnuVideo;
    QAction* SMnuFitToSize;
    QAction* SMnuNormalSize;
    QAction* SMnuFullScreen;

    QMenu* MnuHelp;
    QAction* SMnuInfo;
    QAction* SMnuAbout;

    QMenu* TreeViewRight;
    QAction* SPopUpMenuWatch;
    QAction* SPopUpMenuMainSetProgramTime;
    QAction* TreeViewRightSeparatorInfo;
    QAction* SPopUpMenuInfo;
    QAction* TreeViewRightSeparatorFavorite;
    QAction* SPopUpMenuAddToFavorite;

    QMenu* HandleFavorite;
    QAction* SPopUpMenuFWatch;
    QAction* SPopUpMenuFavoriteSetProgramTime;
    QAction* SPopUpMenuFInfo;
    QAction* SPopUpMenuFModify;
    QAction* SPopUpMenuFDelete;

    QMenu* MnuSystem;
    QAction* MnuSystemHelp;
    QAction* MnuSystemAbout;
    QAction* MnuSystemTimer;
    QAction* MnuSystemShow;
    QAction* MnuSystemHide;
    QAction* MnuSystemExit;
};
