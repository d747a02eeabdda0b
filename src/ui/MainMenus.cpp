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
    MnuFile = topMenu(window, "MnuFile", "&File");
    SMnuOpen = item(MnuFile, "SMnuOpen", "&Open...");
    SMnuMRUList = MnuFile->addSeparator();
    SMnuMRUList->setObjectName(QStringLiteral("SMnuMRUList"));
    SMnuUpdatelists = item(MnuFile, "SMnuUpdatelists", "Update lists");
    MnuFile->addSeparator();
    SMnuExit = item(MnuFile, "SMnuExit", "E&xit");

    MnuTools = topMenu(window, "MnuTools", "&Options");
    SMnuFind = item(MnuTools, "SMnuFind", "&Find...");
    MnuTools->addSeparator();
    SMnuScheduledPrograms = item(MnuTools, "SMnuScheduledPrograms", "Scheduled Programs...");
    SMnuRunRemindingService = checkable(item(MnuTools, "SMnuRunRemindingService", "Run reminding service"));
    SMnuStopRemindingService
        = checkable(item(MnuTools, "SMnuStopRemindingService", "Stop reminding service"));
    MnuTools->addSeparator();
    SMnuLanguage = MnuTools->addMenu(QStringLiteral("&Language"));
    SMnuLanguage->setObjectName(QStringLiteral("SMnuLanguage"));
    for (const LanguageEntry& entry : Languages::all())
        languageItems.append(checkable(item(SMnuLanguage, entry.menuObjectName, entry.designCaption)));
    SMnuAlwaysOnTop = checkable(item(MnuTools, "SMnuAlwaysOnTop", "Al&ways On Top"));
    SMnuOption = item(MnuTools, "SMnuOption", "&Advanced Options...");
    MnuTools->addSeparator();
    SMnuTurnOfTime = item(MnuTools, "SMnuTurnOfTime", "&Set Turn off Time...");

    MnuFavorite = topMenu(window, "MnuFavorite", "F&avorite");
    SSMnuAddFavorite = item(MnuFavorite, "SSMnuAddFavorite", "A&dd...");
    MnuFavorite->addSeparator();
    SMnuImport = item(MnuFavorite, "SMnuImport", "&Import...");
    SMnuExport = item(MnuFavorite, "SMnuExport", "&Export...");

    MnuVideo = topMenu(window, "MnuVideo", "&Video");
    SMnuFitToSize = item(MnuVideo, "SMnuFitToSize", "Fit To Size");
    SMnuNormalSize = item(MnuVideo, "SMnuNormalSize", "Normal Size");
    SMnuFullScreen = item(MnuVideo, "SMnuFullScreen", "Full Screen");

    MnuHelp = topMenu(window, "MnuHelp", "&Help");
    SMnuInfo = item(MnuHelp, "SMnuInfo", "&Help...");
    MnuHelp->addSeparator();
    SMnuAbout = item(MnuHelp, "SMnuAbout", "&About...");

    TreeViewRight = popUp(window, "TreeViewRight");
    SPopUpMenuWatch = item(TreeViewRight, "SPopUpMenuWatch", "Watch");
    SPopUpMenuMainSetProgramTime = item(TreeViewRight, "SPopUpMenuMainSetProgramTime", "Schedule a program");
    TreeViewRightSeparatorInfo = TreeViewRight->addSeparator();
    SPopUpMenuInfo = item(TreeViewRight, "SPopUpMenuInfo", "Information");
    TreeViewRightSeparatorFavorite = TreeViewRight->addSeparator();
    SPopUpMenuAddToFavorite = item(TreeViewRight, "SPopUpMenuAddToFavorite", "Add To Favorites");

    HandleFavorite = popUp(window, "HandleFavorite");
    SPopUpMenuFWatch = item(HandleFavorite, "SPopUpMenuFWatch", "Watch");
    SPopUpMenuFavoriteSetProgramTime
        = item(HandleFavorite, "SPopUpMenuFavoriteSetProgramTime", "Schedule a program");
    HandleFavorite->addSeparator();
    SPopUpMenuFInfo = item(HandleFavorite, "SPopUpMenuFInfo", "Information");
    HandleFavorite->addSeparator();
    SPopUpMenuFModify = item(HandleFavorite, "SPopUpMenuFModify", "Modify");
    HandleFavorite->addSeparator();
    SPopUpMenuFDelete = item(HandleFavorite, "SPopUpMenuFDelete", "Delete");

    MnuSystem = popUp(window, "MnuSystem");
    MnuSystemHelp = item(MnuSystem, "MnuSystemHelp", "Help");
    MnuSystemAbout = item(MnuSystem, "MnuSystemAbout", "About Vidorra");
    MnuSystem->addSeparator();
    MnuSystemTimer = item(MnuSystem, "MnuSystemTimer", "Timer");
    MnuSystem->addSeparator();
    MnuSystemShow = item(MnuSystem, "MnuSystemShow", "Show");
    MnuSystemHide = item(MnuSystem, "MnuSystemHide", "Hide");
    MnuSystem->addSeparator();
    MnuSystemExit = item(MnuSystem, "MnuSystemExit", "Exit");
}
