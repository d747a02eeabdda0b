#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "net/AnnouncementBanner.h"
#include "net/UpdateCommands.h"
#include "platform/WebView.h"
#include "platform/core/HttpTransfer.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "base/Scrambling.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

// A banner page that records what it was asked to show; the banner's own logic is real.
class RecordingWebView final : public WebView {
public:
    QWidget* widget() override { return &m_widget; }
    void navigate(const QUrl& url) override { shown << url.toString(); }
    void setHtml(const QString& html, const QUrl& base) override
    {
        shown << html;
        bases << base;
    }
    void stop() override { }
    void setExternalLinks(bool external) override { externalLinks = external; }
    void setPageOrigin(const QUrl& origin) override { pageOrigin = origin; }
    void setScrollBarsShown(bool on) override { scrollBars = on; }
    bool scrollBars = true;
    QStringList shown;
    QUrl pageOrigin;
    QList<QUrl> bases;
    bool externalLinks = false;

private:
    QWidget m_widget;
};

// The update check of start-up, the Update lists command and the announcement banner
// against a vendor site served on loopback.
class UpdateTest : public AppTestCase {
    Q_OBJECT

private:
    TempFolder site;
    std::unique_ptr<TestHttpServer> server;

    void serve(const QByteArray& manifest)
    {
        site.write(QStringLiteral("dot.dll"), manifest);
        site.write(QStringLiteral("battc.dll"), *Scrambling::decrypt("OrvesaKt", "1\r\nHello\r\n"));
        site.write(QStringLiteral("avtapit.dll"),
            ProgramFolderFixture::defaultTv() + "|USA|News|Brand New|1|||gssor9..mdv-dw|0|x\r\n");
        site.write(QStringLiteral("atlr.dll"), ProgramFolderFixture::defaultRadio());
        site.write(QStringLiteral("apcupm.dll"), "|Films|<p>films</p>\r\n");
    }

    // How often the banner's probe reached the server so far.
    qsizetype probes()
    {
        HttpTransfer transfer;
        QByteArray log;
        bool done = false;
        transfer.fetch(server->url(QStringLiteral("/_/log")), 1 << 20, [&](const Transfer::Result& r) {
            log = r.bytes;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 5000))
            return -1;
        return log.split('\n').count("/1.txt");
    }

private Q_SLOTS:
    void initTestCase()
    {
        server = std::make_unique<TestHttpServer>(site.path());
        QVERIFY(server->running());
        qputenv("VIDORRA_SERVER", server->url(QStringLiteral("/")).toString().toUtf8());
    }
    void cleanupTestCase() { qunsetenv("VIDORRA_SERVER"); }
    void init()
    {
        setUpFolder();
        platform.realTransfer = true;
        writeFavorites("1|USA|News|Kept|1|gssor9..r|0||\r\n");
    }
    void cleanup() { tearDownFolder(); }

    void startUpReadsTheAnnouncementsWithoutAskingWhenNothingIsNew()
    {
        serve("annou-new\r\ntv-new\r\nra\r\nama\r\n1.0.0\r\n");
        QVERIFY(startWith());
        QCOMPARE(app->updates().lastResult().announcements.value(1), QStringLiteral("Hello"));
        QVERIFY(folder->read(QStringLiteral("inf")).contains("\r\nannou-new\r\n"));
        QCOMPARE(app->catalogue().tvEnd, 4); // lists are off: the TV list is not fetched
    }

    void aNewVersionIsAskedAbout()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n2.0.0\r\n");
        QString asked;
        whenModalShows([&asked](QWidget* question) {
            asked = question->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            question->findChild<QPushButton*>(QStringLiteral("Command2"))->click(); // yes
        });
        QVERIFY(startWith({{14, QStringLiteral("tellnewversion=1")}}));
        QVERIFY(!asked.isEmpty());
        QCOMPARE(platform.shell->opened.value(0), server->url(QStringLiteral("/")));
    }

    void theBannerRotatesGoesOfflineAndRestsWhileHidden()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n1.0.0\r\n");
        site.write(QStringLiteral("battc.dll"),
            *Scrambling::decrypt(
                "OrvesaKt", "3\r\nhttp://127.0.0.1:9/news\r\n<b>Second</b>\r\nHTTP is markup\r\n"));
        site.write(QStringLiteral("1.txt"), "up");
        RecordingWebView* page = nullptr;
        platform.makeWebView = [&page] {
            auto view = std::make_unique<RecordingWebView>();
            page = view.get();
            return view;
        };
        QVERIFY(QFile::copy(
            QStringLiteral(VIDORRA_DATA_DIR "/Ann.gif"), folder->file(QStringLiteral("Ann.gif"))));
        QVERIFY(startWith());
        // The web engine is not loaded before the window has been drawn.
        QVERIFY2(!page, "the banner's page was made before the window was drawn");
        QTRY_VERIFY(page && !page->shown.isEmpty()); // the tick after the update check
        // TmBrowser's tick; what it showed, or nothing when it showed nothing.
        const auto tickAndWait = [this, &page]() -> QString {
            const qsizetype before = page->shown.size();
            app->banner().tick();
            if (!QTest::qWaitFor([&] { return page->shown.size() == before + 1; }, 5000))
                return QStringLiteral("(nothing shown)");
            return page->shown.last();
        };
        QCOMPARE(page->shown.last(), QStringLiteral("http://127.0.0.1:9/news"));
        QCOMPARE(tickAndWait(), QStringLiteral("<b>Second</b>"));
        QCOMPARE(page->bases.last(), server->url(QStringLiteral("/"))); // markup has the server as origin
        QCOMPARE(folder->read(QStringLiteral("a.html")), QByteArray("<b>Second</b>"));
        QCOMPARE(tickAndWait(), QStringLiteral("HTTP is markup"));
        QCOMPARE(tickAndWait(), QStringLiteral("http://127.0.0.1:9/news")); // 1, 2, 3, 1
        QVERIFY(page->externalLinks);

        site.remove(QStringLiteral("1.txt"));
        QVERIFY(tickAndWait().contains(
            QStringLiteral("<a href='") + server->url(QStringLiteral("/")).toString()));
        QVERIFY(page->shown.last().contains(QStringLiteral("data:image/gif;base64,")));
        QVERIFY(page->shown.last().contains(QStringLiteral("max-height:100vh"))); // the whole picture, scaled
        QVERIFY(!page->scrollBars);
        QVERIFY(folder->read(QStringLiteral("a.html")).startsWith("<a href='"));
        QVERIFY(folder->read(QStringLiteral("a.html")).contains("Ann.gif'></a>"));
        QVERIFY(app->banner().rotation().offline());
        // Without its picture the offline banner is the server's name as a link, never a broken image.
        QFile::remove(folder->file(QStringLiteral("Ann.gif")));
        const QString plain = tickAndWait();
        QVERIFY(!plain.contains(QStringLiteral("<img")));
        QVERIFY(plain.contains(QStringLiteral(">127.0.0.1</a>")));

        window().hide();
        const qsizetype probesBefore = probes();
        app->banner().tick(); // offline and hidden: nothing is fetched
        site.write(QStringLiteral("1.txt"), "up");
        window().show();
        QCOMPARE(tickAndWait(), QStringLiteral("<b>Second</b>")); // the rotation resumes
        // The server saw the probe of the tick just now; one of the hidden tick, sent
        // before it, would have reached it first.
        QCOMPARE(probes(), probesBefore + 1);
    }

    // The start-up check gives up after its budget; what it had not stored yet is fetched
    // by the next check, and the lists on disk are shown meanwhile.
    void aTricklingServerHoldsTheWindowNoLongerThanTheBudget()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n1.0.0\r\n");
        qputenv("VIDORRA_SERVER", server->url(QStringLiteral("/_/trickle/")).toString().toUtf8());
        QElapsedTimer clock;
        clock.start();
        const bool started = startWith({{5, QStringLiteral("updatechannel=1")}});
        const qint64 shownAfter = clock.elapsed();
        qputenv("VIDORRA_SERVER", server->url(QStringLiteral("/")).toString().toUtf8());
        QVERIFY(started);
        std::printf(
            "[ start-up ] window shown %.2f s after start with a trickling server\n", shownAfter / 1000.0);
        QVERIFY(window().isVisible());
        QVERIFY(shownAfter < 10000 + 5000); // the budget, and the rest of start-up
        QCOMPARE(app->catalogue().tvEnd, 4); // the lists on disk
        QVERIFY(!folder->read(QStringLiteral("inf")).contains("annou-new"));
    }

    void theNoticesButtonSkipsTheCheck()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n1.0.0\r\n");
        qputenv("VIDORRA_SERVER", server->url(QStringLiteral("/_/trickle/")).toString().toUtf8());
        bool skipped = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&skipped] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* button = top->findChild<QPushButton*>(QStringLiteral("cmdOk"));
                if (top->objectName() == QStringLiteral("Waiting") && top->isVisible() && button
                    && button->isVisible()) {
                    QCOMPARE(button->text(), QStringLiteral("&Cancel"));
                    QTest::mouseClick(button, Qt::LeftButton);
                    skipped = true;
                }
            }
        });
        poll.start(20);
        QElapsedTimer clock;
        clock.start();
        const bool started = startWith();
        const qint64 shownAfter = clock.elapsed();
        qputenv("VIDORRA_SERVER", server->url(QStringLiteral("/")).toString().toUtf8());
        QVERIFY(started);
        QVERIFY(skipped);
        QVERIFY(window().isVisible());
        QVERIFY(shownAfter < 10000); // before the budget ran out
        // The abandoned check no longer runs, so Update lists starts one of its own.
        window().menus().updateListsAction->trigger();
        QVERIFY(!window().isEnabled());
    }

    void updateListsFetchesAllAndKeepsTheFavorites()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n1.0.0\r\n");
        QVERIFY(startWith());
        window().menus().updateListsAction->trigger();
        QVERIFY(!window().isEnabled()); // while it runs
        QTRY_VERIFY(window().isEnabled());
        QCOMPARE(app->catalogue().tvEnd, 5);
        QCOMPARE(app->catalogue().channels[4].name, QStringLiteral("Brand New"));
        QCOMPARE(app->catalogue().favorites.value(0).name, QStringLiteral("Kept"));
        QCOMPARE(app->catalogueView().currentView(), 1);
        QVERIFY(model().indexForKey(QStringLiteral("C4")).isValid());
    }
};

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
