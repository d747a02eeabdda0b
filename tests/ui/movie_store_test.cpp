#include "app/Application.h"
#include "platform/WebEngineView.h"
#include "playback/Playback.h"
#include "playback/PlayerArea.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/PageScript.h"
#include "support/ProgramFolderFixture.h"
#include "support/TestHttpServer.h"
#include "support/WebEngineTestMain.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <clocale>

// The movie-store page in the embedded browser: what it shows and what it may not reach.
class MovieStoreTest : public AppTestCase {
    Q_OBJECT

private:
    WebEngineView* page() { return static_cast<WebEngineView*>(app->playback().area().moviePage()); }

    QVariant run(const QString& script) { return runInPage(*page(), script); }

    void showStorePage(const QByteArray& html)
    {
        QSignalSpy loaded(app->playback().area().moviePage() ? page() : nullptr, &WebView::loadFinished);
        app->playback().runVideo({3, 5, html, QStringLiteral("Store")});
        QVERIFY(page());
        QSignalSpy finished(page(), &WebView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0 || loaded.count() > 0, 20000);
    }

    // A banner-like view over markup whose links fill the whole page, shown on screen so a
    // real click can reach it.
    struct GuardedBanner {
        WebEngineView view;
        QSignalSpy requested {&view, &WebView::linkRequested};
        QSignalSpy loaded {&view, &WebView::loadFinished};

        explicit GuardedBanner(const QString& body)
        {
            view.setExternalLinks(true);
            view.setPageOrigin(QUrl(QStringLiteral("http://127.0.0.1:9/")));
            view.widget()->resize(468, 60);
            view.widget()->show();
            view.setHtml(QStringLiteral("<html><body style='margin:0'>%1</body></html>").arg(body),
                QUrl(QStringLiteral("http://127.0.0.1:9/")));
        }
        bool waitLoaded()
        {
            return QTest::qWaitFor([this] { return loaded.count() > 0; }, 20000);
        }
        QVariant run(const QString& script) { return runInPage(view, script); }
        void clickForReal()
        {
            QWidget* surface = view.widget()->focusProxy() ? view.widget()->focusProxy() : view.widget();
            QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 30));
        }
    };

    static QString fullPageLink(const QString& href)
    {
        return QStringLiteral("<a id='l' href='%1' style='display:block;width:468px;height:60px'>offer</a>")
            .arg(href);
    }

    static QString script(WebEngineView& view, const QString& text)
    {
        return runInPage(view, text).toString();
    }

    // Flags of the user's own for the web engine, set before it starts with the first page.
    static constexpr char kUsersEngineFlags[] = "--disable-pinch";

private Q_SLOTS:
    void initTestCase() { qputenv("QTWEBENGINE_CHROMIUM_FLAGS", kUsersEngineFlags); }

    void init()
    {
        setUpFolder();
        platform.makeWebView = [] { return std::make_unique<WebEngineView>(); };
        QVERIFY(startWith());
    }
    void cleanup() { tearDownFolder(); }

    void theEntrysPageIsWrittenAndShown()
    {
        const QByteArray html = "<html><body><h1 id='t'>Films</h1></body></html>";
        showStorePage(html);
        QCOMPARE(folder->read(QStringLiteral("Movies.html")), html);
        QCOMPARE(app->playback().area().currentWidget()->objectName(), QStringLiteral("Amazon"));
        QCOMPARE(app->nowPlaying().currentOperator, 5);
        QTRY_COMPARE_WITH_TIMEOUT(run(QStringLiteral("document.getElementById('t').textContent")).toString(),
            QStringLiteral("Films"), 10000);
        QVERIFY(!QFileInfo::exists(folder->file(QStringLiteral("mruf")))
            || folder->read(QStringLiteral("mruf")).isEmpty());
    }

    void thePageCannotReadLocalFiles()
    {
        folder->write(QStringLiteral("secret.txt"), "secret");
        showStorePage("<html><body>store</body></html>");
        run(QStringLiteral("window.probe = 'pending'; fetch('file://%1').then(r => r.text())"
                           ".then(t => window.probe = 'read:' + t).catch(e => window.probe = 'blocked');")
                .arg(folder->file(QStringLiteral("secret.txt"))));
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral("window.probe")).toString() != QStringLiteral("pending"), 10000);
        QCOMPARE(run(QStringLiteral("window.probe")).toString(), QStringLiteral("blocked"));
    }

    void aLinkTheUserClicksIsHandedOn()
    {
        GuardedBanner banner(fullPageLink(QStringLiteral("http://127.0.0.1:9/offer")));
        QVERIFY(banner.waitLoaded());
        QVERIFY(QTest::qWaitForWindowExposed(banner.view.widget()));
        QTRY_VERIFY_WITH_TIMEOUT((banner.clickForReal(), banner.requested.count() > 0), 30000);
        QCOMPARE(banner.requested.first().first().toUrl(), QUrl(QStringLiteral("http://127.0.0.1:9/offer")));
        QCOMPARE(banner.view.widget()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void scriptsCannotClickLinksOrLeaveForLocalFiles()
    {
        GuardedBanner banner(fullPageLink(QStringLiteral("http://127.0.0.1:9/real"))
            + QStringLiteral("<a id='f' href='file:///etc/passwd'>f</a><a id='w' "
                             "href='http://127.0.0.1:9/scripted'>w</a>"));
        QVERIFY(banner.waitLoaded());
        QVERIFY(QTest::qWaitForWindowExposed(banner.view.widget()));
        banner.run(
            QStringLiteral("document.getElementById('f').click(); document.getElementById('w').click();"
                           "window.open('http://127.0.0.1:9/popup'); alert('x'); 1"));
        // What the scripts asked for reaches the page before the later real click does.
        QTRY_VERIFY_WITH_TIMEOUT((banner.clickForReal(), banner.requested.count() > 0), 30000);
        QCOMPARE(banner.requested.count(), 1);
        QCOMPARE(banner.requested.first().first().toUrl(), QUrl(QStringLiteral("http://127.0.0.1:9/real")));
    }

    void aUserClickOnALocalLinkOpensNothing()
    {
        GuardedBanner local(fullPageLink(QStringLiteral("file:///etc/passwd")));
        QVERIFY(local.waitLoaded());
        QVERIFY(QTest::qWaitForWindowExposed(local.view.widget()));
        for (int n = 0; n < 3; ++n)
            local.clickForReal();
        // A second view, loaded and clicked after those clicks, is answered after them.
        GuardedBanner web(fullPageLink(QStringLiteral("http://127.0.0.1:9/after")));
        QVERIFY(web.waitLoaded());
        QVERIFY(QTest::qWaitForWindowExposed(web.view.widget()));
        QTRY_VERIFY_WITH_TIMEOUT((web.clickForReal(), web.requested.count() > 0), 30000);
        QCOMPARE(local.requested.count(), 0);
    }

    // A refused navigation keeps the page, so its timer later takes it to the server's own
    // page; an accepted one would have replaced the page and its timer with it.
    void theTopFrameStaysOnTheServersPages()
    {
        TestHttpServer server(folder->path());
        QVERIFY(server.running());
        folder->write(QStringLiteral("own.html"), "<html><body id='own'>own page</body></html>");
        WebEngineView banner;
        banner.setExternalLinks(true);
        banner.setPageOrigin(server.url(QStringLiteral("/")));
        QSignalSpy loaded(&banner, &WebView::loadFinished);
        const QString away[] = {QStringLiteral("file:///etc/passwd"),
            QStringLiteral("http://localhost:%1/own.html").arg(server.port()),
            QStringLiteral("data:text/html,away")};
        for (const QString& target : away) {
            banner.setHtml(
                QStringLiteral("<html><body><script>top.location = '%1';"
                               "setTimeout(() => top.location = '%2', 1500);</script></body></html>")
                    .arg(target, server.url(QStringLiteral("/own.html")).toString()),
                server.url(QStringLiteral("/")));
            QTRY_VERIFY_WITH_TIMEOUT(script(banner, QStringLiteral("location.href + ' ' + document.body.id"))
                    == server.url(QStringLiteral("/own.html")).toString() + QStringLiteral(" own"),
                20000);
        }
    }

    void theUsersOwnEngineFlagsAreLeftAsTheyWere()
    {
        showStorePage("<html><body>Films</body></html>");
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray(kUsersEngineFlags));
    }

    void anEmptyEntryGivesAnEmptyPage()
    {
        showStorePage(QByteArray());
        QCOMPARE(folder->read(QStringLiteral("Movies.html")), QByteArray());
    }
};

VIDORRA_WEBENGINE_TEST_MAIN(MovieStoreTest)

#include "movie_store_test.moc"
