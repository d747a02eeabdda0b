#pragma once

#include "app/Application.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QLabel>
#include <QTest>
#include <QTreeView>

// The common ground of the tests that start the whole program: a program folder of
// their own with the English language and a small catalogue, the platform doubles, and
// the program itself.
class AppTestCase : public QObject {
protected:
    ProgramFolderFixture* folder = nullptr;
    FakePlatform platform;
    std::unique_ptr<Application> app;

    void setUpFolder()
    {
        folder = new ProgramFolderFixture;
        folder->copyShippedLanguage(QStringLiteral("english"));
        folder->writeLists();
        platform = FakePlatform {};
    }
    void tearDownFolder()
    {
        const QString neverShown = ModalAnswers::settle();
        app.reset();
        delete folder;
        folder = nullptr;
        QVERIFY2(neverShown.isEmpty(), qPrintable(QStringLiteral("never shown: ") + neverShown));
    }

    // Writes the settings (the standard ones with these lines changed) and starts the
    // program; false when it ended during start-up.
    bool startWith(
        const QList<QPair<int, QString>>& inf = {}, bool firstCopy = true, bool trayAvailable = true)
    {
        folder->writeInf(inf);
        app = std::make_unique<Application>(
            ProgramFolder(folder->path()), platform.services(firstCopy, trayAvailable));
        return app->start();
    }
    void writeFavorites(const QByteArray& fav) const
    {
        folder->writeLists(ProgramFolderFixture::defaultTv(), ProgramFolderFixture::defaultRadio(),
            "|Films|<p>films</p>\r\n", fav);
    }

    MainWindow& window() { return app->mainWindow(); }
    // A label of the main window, found by its object name as the accessibility tree sees it.
    QLabel* label(const char* objectName)
    {
        return window().findChild<QLabel*>(QString::fromLatin1(objectName));
    }
    CatalogueTreeModel& model() { return app->catalogueView().model(); }
    QModelIndex node(const QString& key) { return model().indexForKey(key); }
    int icon(const QString& key) { return node(key).data(CatalogueTreeModel::IconPositionRole).toInt(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    void select(const QString& key)
    {
        const QModelIndex index = node(key);
        if (index.isValid())
            window().catalogueTree().setCurrentIndex(index);
    }
};
