#include "app/Application.h"
#include "app/ProgramLifecycle.h"
#include "playback/core/NowPlaying.h"
#include "schedule/ScheduleCommands.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Start-up decisions and the ways the program ends, on the real main window.
class StartupTest : public QObject {
    Q_OBJECT

private:
    ProgramFolderFixture* folder = nullptr;
    FakePlatform platform;

    std::unique_ptr<Application> startWith(
        const QList<QPair<int, QString>>& inf, bool firstCopy = true, bool trayAvailable = true)
    {
        folder->writeInf(inf);
        auto app = std::make_unique<Application>(
            ProgramFolder(folder->path()), platform.services(firstCopy, trayAvailable));
        app->start();
        return app;
    }

    static QAction* action(Application& app, const char* name)
    {
        return app.mainWindow().findChild<QAction*>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init()
    {
        folder = new ProgramFolderFixture;
        folder->writeLists();
        folder->copyShippedLanguage(QStringLiteral("english"));
        platform = FakePlatform {};
    }
    void cleanup()
    {
        delete folder;
        const QString neverShown = ModalAnswers::settle();
        QVERIFY2(neverShown.isEmpty(), qPrintable(QStringLiteral("never shown: ") + neverShown));
    }

    void aStartRemovesWhatACutWriteLeftButNotWhenAnotherCopyRuns()
    {
        const QString leftover = QStringLiteral(".fav.fav.a1B2c3.vidorra-partial");
        folder->write(leftover, "half a write");
        folder->write(QStringLiteral("fav.fav.backup"), "the user's own copy");
        whenModalShows([](QWidget* box) { box->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click(); });
        startWith({}, false);
        QVERIFY(QFileInfo::exists(folder->file(leftover))); // the first copy may be writing
        auto app = startWith({});
        QVERIFY(!QFileInfo::exists(folder->file(leftover)));
        QCOMPARE(folder->read(QStringLiteral("fav.fav.backup")), QByteArray("the user's own copy"));
    }

    void startsWithEnglishMenusAndTheCountryFilter()
    {
        auto app = startWith({});
        MainWindow& w = app->mainWindow();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Vidorra"));
        QCOMPARE(w.menus().fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(w.menus().openAction->text(), QStringLiteral("&Open..."));
        QCOMPARE(w.menus().trayExitAction->text(), QStringLiteral("E&xit"));
        QCOMPARE(w.viewSelector().count(), 4);
        QCOMPARE(w.viewSelector().currentIndex(), 1);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblCountry"))->text(), QStringLiteral("Country :"));
        QVERIFY(action(*app, "SSMnuLanguageEnglish")->isChecked());
        QCOMPARE(app->nowPlaying().currentOperator, 8);
        QVERIFY(platform.tray->shown);
        QCOMPARE(platform.tray->tip, QStringLiteral("Vidorra"));
        QCOMPARE(app->schedule().remindBeforeSeconds(), 300);
    }

    void alwaysOnTop_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("aot=1") << QStringLiteral("aot=1") << true;
        QTest::newRow("aot=0") << QStringLiteral("aot=0") << false;
        QTest::newRow("aot= nothing") << QStringLiteral("aot=") << true;
        QTest::newRow("capitals") << QStringLiteral("  AOT=1 ") << true;
    }
    void alwaysOnTop()
    {
        QFETCH(QString, line);
        QFETCH(bool, topmost);
        auto app = startWith({{8, line}});
        QCOMPARE(app->mainWindow().menus().alwaysOnTopAction->isChecked(), topmost);
        QCOMPARE(app->mainWindow().isTopmost(), topmost);
    }

    void aMissingAotLineIsOff()
    {
        folder->write(QStringLiteral("inf"), "7\r\n0\r\n0\r\n0\r\n0\r\n1\r\nlanguage=english\r\nmru=5");
        Application app(ProgramFolder(folder->path()), platform.services());
        QVERIFY(app.start());
        QVERIFY(!app.mainWindow().isTopmost());
    }

    void reminderServiceRunsOnlyForRemindmeOne()
    {
        auto on = startWith({{11, QStringLiteral("remindme=1")}});
        QVERIFY(on->schedule().remindersRunning());
        auto off = startWith({{11, QStringLiteral("remindme=0")}});
        QVERIFY(!off->schedule().remindersRunning());
    }

    void unknownLanguageChecksNoItemAndHelpDoesNothing()
    {
        folder->writeLanguage(QStringLiteral("klingon"), QStringLiteral("K"));
        auto app = startWith({{6, QStringLiteral("language=klingon")}});
        const auto items = app->mainWindow().menus().languageItems;
        for (QAction* item : items)
            QVERIFY(!item->isChecked());
        QCOMPARE(app->mainWindow().menus().fileMenu->title(), QStringLiteral("K0"));
        app->mainWindow().menus().helpAction->trigger();
        QVERIFY(platform.shell->opened.isEmpty());
    }

    void startsWithoutAnySettingsFile()
    {
        Application app(ProgramFolder(folder->path()), platform.services());
        QVERIFY(app.start());
        QCOMPARE(app.mainWindow().menus().fileMenu->title(), QStringLiteral("&File"));
        QVERIFY(!app.schedule().remindersRunning());
        QVERIFY(!QFileInfo::exists(folder->file(QStringLiteral("inf"))));
    }

    void aSecondCopyShowsTheNoticeAndEnds()
    {
        folder->writeInf();
        const QByteArray before = folder->read(QStringLiteral("inf"));
        QString shownText, buttonText;
        bool buttonVisible = false;
        whenModalShows([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("Waiting"));
            auto* waiting = static_cast<WaitingWindow*>(modal);
            shownText = waiting->messageLabel->text();
            buttonText = waiting->okButton->text();
            buttonVisible = waiting->okButton->isVisible();
            QTest::mouseClick(waiting->okButton, Qt::LeftButton);
        });
        Application app(ProgramFolder(folder->path()), platform.services(false));
        QVERIFY(!app.start());
        QVERIFY(shownText.startsWith(QStringLiteral("Vidorra is already running")));
        QCOMPARE(buttonText, QStringLiteral("&OK"));
        QVERIFY(buttonVisible);
        QCOMPARE(platform.ends, 1);
        QVERIFY(!app.mainWindow().isVisible());
        QVERIFY(!platform.tray->shown);
        QCOMPARE(folder->read(QStringLiteral("inf")), before);
    }

    void closeEndsTheProgramUnlessMinimizeclose()
    {
        auto app = startWith({});
        app->mainWindow().close();
        QCOMPARE(platform.ends, 1);
        QCOMPARE(platform.transfer->cancels, 1);
        QVERIFY(!platform.tray->shown);
    }

    void minimizecloseHidesToTheTrayUntilExit()
    {
        auto app = startWith({{10, QStringLiteral("minimizeclose=1")}});
        MainWindow& w = app->mainWindow();
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(platform.ends, 0);
        QVERIFY(platform.tray->shown);
        w.menus().trayShowAction->trigger();
        QVERIFY(w.isVisible());
        w.menus().trayExitAction->trigger();
        QCOMPARE(platform.ends, 1);
        QCOMPARE(platform.transfer->cancels, 0); // the tray's Exit cancels no transfer
        QVERIFY(!platform.tray->shown);
    }

    void minimizecloseWithoutATrayMinimises()
    {
        auto app = startWith({{10, QStringLiteral("minimizeclose=1")}}, true, false);
        MainWindow& w = app->mainWindow();
        w.close();
        QCOMPARE(platform.ends, 0);
        QTRY_VERIFY(w.isMinimized() || w.windowState().testFlag(Qt::WindowMinimized));
    }

    void fileMenuExitCancelsTransferAndRemovesIcon()
    {
        auto app = startWith({{10, QStringLiteral("minimizeclose=1")}});
        app->mainWindow().menus().exitAction->trigger();
        QCOMPARE(platform.ends, 1);
        QCOMPARE(platform.transfer->cancels, 1);
        QVERIFY(!platform.tray->shown);
    }

    void emergencyEndEndsAtOnceWhateverTheSettings()
    {
        auto app = startWith({{10, QStringLiteral("minimizeclose=1")}});
        QVERIFY(!app->lifecycle().unload(ProgramLifecycle::Unload::EmergencyEnd));
        QCOMPARE(platform.ends, 1);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
