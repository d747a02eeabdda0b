#include "about/AboutWindow.h"
#include "app/Application.h"
#include "app/ProgramLifecycle.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowChrome.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cmath>

// The main window's layout, window order, right-to-left appearance, tray menu and About window.
class ChromeTest : public AppTestCase {
    Q_OBJECT

private:
    void start(const QList<QPair<int, QString>>& inf = {})
    {
        QVERIFY(startWith(inf));
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    QAction* item(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    int treeX() { return window().catalogueTree().mapTo(&window(), QPoint()).x(); }
    int playerX() { return window().playerArea().mapTo(&window(), QPoint()).x(); }

    void screenshot(const QString& name)
    {
        const QString folderPath = QStringLiteral(VIDORRA_ARTEFACT_DIR);
        QDir().mkpath(folderPath);
        QApplication::processEvents();
        window().grab().save(QDir(folderPath).filePath(name));
    }

    static void moveMouseOver(QWidget* widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->copyShippedLanguage(QStringLiteral("arabic"));
        folder->copyShippedLanguage(QStringLiteral("greek"));
    }
    void cleanup() { tearDownFolder(); }

    void theWindowSnapsBackToItsMinimumSize()
    {
        start();
        window().resize(300, 200);
        QApplication::processEvents();
        QVERIFY(window().width() >= MainWindow::kMinWidth);
        QVERIFY(window().height() >= MainWindow::kMinHeight);
    }

    void theSplitterKeepsTheTreeWithinItsLimits()
    {
        start();
        // 2,500 and 3,900 twips at 15 twips a pixel.
        const int narrowest = static_cast<int>(std::ceil(2500 / 15.0));
        const int widest = 3900 / 15;
        auto* splitter = window().findChild<QSplitter*>(QStringLiteral("Image1"));
        splitter->setSizes({40, 900});
        QCOMPARE(window().catalogueTree().width(), narrowest);
        splitter->setSizes({600, 300});
        QCOMPARE(window().catalogueTree().width(), widest);
    }

    void alwaysOnTopReachesTheWindowTheSettingsAndLaterDialogs()
    {
        start();
        item("SMnuAlwaysOnTop")->trigger();
        QVERIFY(item("SMnuAlwaysOnTop")->isChecked());
        QVERIFY(window().isTopmost());
        QVERIFY(folder->read(QStringLiteral("inf")).contains("\r\naot=1\r\n"));
        item("SMnuAbout")->trigger();
        auto* about = window().findChild<AboutWindow*>();
        QVERIFY(about);
        QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        about->close();

        item("SMnuAlwaysOnTop")->trigger();
        QVERIFY(!item("SMnuAlwaysOnTop")->isChecked());
        QVERIFY(!window().isTopmost());
        QVERIFY(folder->read(QStringLiteral("inf")).contains("\r\naot=0\r\n"));
    }

    void aRestoreMakesTheWindowTopmostAgain()
    {
        start({{8, QStringLiteral("aot=1")}});
        window().showMinimized();
        QTRY_VERIFY(window().isMinimized());
        window().setTopmost(false);
        window().showNormal(); // restored from the task bar
        QTRY_VERIFY(window().isTopmost());
    }

    void theTrayMenuHidesShowsAndExits()
    {
        start();
        window().menus().trayHideAction->trigger();
        QVERIFY(!window().isVisible());
        window().menus().trayShowAction->trigger();
        QVERIFY(window().isVisible());
        window().menus().trayExitAction->trigger();
        QCOMPARE(platform.ends, 1);
        QVERIFY(!platform.tray->shown);
    }

    void showBringsTheWindowBackInTheStateItHad()
    {
        start();
        window().showMaximized();
        QTRY_VERIFY(window().windowState() & Qt::WindowMaximized);
        window().menus().trayShowAction->trigger(); // while visible
        app->lifecycle().trayActivated();
        QVERIFY(window().windowState() & Qt::WindowMaximized);
        window().menus().trayHideAction->trigger();
        window().menus().trayShowAction->trigger();
        QVERIFY(window().isVisible());
        QVERIFY(window().windowState() & Qt::WindowMaximized);
        window().showMinimized();
        app->lifecycle().trayActivated();
        QCOMPARE(window().windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowMaximized);
    }

    void arabicMirrorsTheWindowButNotItsMenus()
    {
        start();
        QVERIFY(treeX() < playerX());
        screenshot(QStringLiteral("main-window-english.png"));

        item("SSMnuLanguageArabic")->trigger();
        QApplication::processEvents();
        QVERIFY(window().isRightToLeft());
        QVERIFY(treeX() > playerX());
        QVERIFY(label("lblCountry")->alignment().testFlag(Qt::AlignRight));
        QVERIFY(label("LblInfBWidth")->alignment().testFlag(Qt::AlignRight));
        QCOMPARE(window().menuBar()->layoutDirection(), Qt::LeftToRight);
        QVERIFY(window().menus().fileMenu->title() != QStringLiteral("&File"));
        screenshot(QStringLiteral("main-window-arabic.png"));

        item("SSMnuLanguageEnglish")->trigger();
        QApplication::processEvents();
        QVERIFY(!window().isRightToLeft());
        QVERIFY(treeX() < playerX());
        QVERIFY(label("lblCountry")->alignment().testFlag(Qt::AlignLeft));
    }

    void arabicToGreekTogglesOnce()
    {
        start({{6, QStringLiteral("language=arabic")}});
        QVERIFY(window().isRightToLeft());
        item("SSMnuLanguageGreek")->trigger();
        QVERIFY(!window().isRightToLeft());
    }

    void aShortLanguageFileWhileInArabicKeepsArabicWhole()
    {
        start({{6, QStringLiteral("language=arabic")}});
        const QString arabicOpen = window().menus().openAction->text();
        folder->writeLanguage(QStringLiteral("greek"), QStringLiteral("G"), 100);
        QVERIFY(!noModalShows([this] { item("SSMnuLanguageGreek")->trigger(); })); // the error box
        QVERIFY(window().isRightToLeft());
        QCOMPARE(window().menus().openAction->text(), arabicOpen);
    }

    void dialogsOpenMirroredInArabic()
    {
        start({{6, QStringLiteral("language=arabic")}});
        item("SMnuAbout")->trigger();
        auto* about = window().findChild<AboutWindow*>();
        QVERIFY(about);
        QCOMPARE(about->layoutDirection(), Qt::RightToLeft);
        about->close();
    }

    void aboutLinksHighlightUnderTheMouseAndOpen()
    {
        start();
        item("MnuSystemAbout")->trigger();
        auto* about = window().findChild<AboutWindow*>();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        moveMouseOver(about->siteLink);
        QVERIFY(about->siteLink->property("highlighted").toBool());
        moveMouseOver(about->infoMailLink);
        QVERIFY(!about->siteLink->property("highlighted").toBool());
        QVERIFY(about->infoMailLink->property("highlighted").toBool());
        moveMouseOver(about);
        QVERIFY(!about->infoMailLink->property("highlighted").toBool());

        QTest::mouseClick(about->infoMailLink, Qt::LeftButton);
        QTest::mouseClick(about->siteLink, Qt::LeftButton);
        QCOMPARE(platform.shell->opened.size(), 2);
        QCOMPARE(platform.shell->opened[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(platform.shell->opened[1].scheme(), QStringLiteral("https"));
        QTest::mouseClick(about->okButton, Qt::LeftButton);
        QTRY_VERIFY(!window().findChild<AboutWindow*>());
    }

    void aboutIsLaidOutWithRoomBetweenItsParts()
    {
        start();
        item("SMnuAbout")->trigger();
        auto* about = window().findChild<AboutWindow*>();
        QTRY_VERIFY(about && about->isVisible());
        const auto box = [about](QWidget* w) { return QRect(w->mapTo(about, QPoint()), w->size()); };
        for (QWidget* above : std::initializer_list<QWidget*> {
                 about->programmerCaption, about->supportMailLink, about->iconLabel})
            QVERIFY(box(about->noticeLabel).top() >= box(above).bottom() + 6);
        QVERIFY(box(about->okButton).top() >= box(about->noticeLabel).bottom() + 6);
        QVERIFY(about->okButton->width() >= about->okButton->sizeHint().width());
        QVERIFY(about->okButton->width() >= 75);
        QVERIFY(about->rect().contains(box(about->okButton)));
        QVERIFY(about->rect().contains(box(about->noticeLabel)));
        about->close();
    }

    void closingAboutLeavesAHiddenWindowHidden()
    {
        start();
        item("SMnuAbout")->trigger();
        window().menus().trayHideAction->trigger();
        window().findChild<AboutWindow*>()->close();
        QApplication::processEvents();
        QVERIFY(!window().isVisible());
    }

    void theWindowOpensWhereItWasLeftButNeverOffScreen()
    {
        start();
        window().move(140, 130);
        window().resize(800, 600);
        QTRY_COMPARE(window().pos(), QPoint(140, 130));
        const QRect left = window().geometry();
        window().menus().exitAction->trigger();
        QVERIFY(QFileInfo::exists(folder->file(QStringLiteral("placement"))));
        app.reset();
        start();
        QTRY_COMPARE(window().geometry(), left); // where it was left

        folder->write(QStringLiteral("placement"), "-9000 -9000 20 20\r\n");
        app.reset();
        start();
        const QRect screen = window().screen()->availableGeometry();
        QVERIFY(screen.intersects(window().frameGeometry()));
        QVERIFY(window().width() >= MainWindow::kMinWidth);
    }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
