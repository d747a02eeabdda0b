#include "app/Application.h"
#include "catalogue/core/AppState.h"
#include "platform/WebEngineView.h"
#include "playback/Playback.h"
#include "playback/PlayerArea.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ProgramFolderFixture.h"

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

    QVariant run(const QString& script)
    {
        QVariant result;
        bool done = false;
        page()->runScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            return QStringLiteral("no answer");
        return result;
    }

    void showStorePage(const QByteArray& html)
    {
        QSignalSpy loaded(app->playback().area().moviePage() ? page() : nullptr, &WebView::loadFinished);
        app->playback().runVideo({3, 5, html, QStringLiteral("Store")});
        QVERIFY(page());
        QSignalSpy finished(page(), &WebView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0 || loaded.count() > 0, 20000);
    }

private Q_SLOTS:
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
        QCOMPARE(app->state().playback.currentOperator, 5);
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

    void aGuardedViewHandsClickedLinksOnInsteadOfFollowingThem()
    {
        WebEngineView banner;
        banner.setExternalLinks(true);
        QSignalSpy requested(&banner, &WebView::linkRequested);
        QSignalSpy loaded(&banner, &WebView::loadFinished);
        banner.setHtml(
            QStringLiteral("<html><body><a id='l' href='http://127.0.0.1:9/offer'>offer</a></body></html>"),
            QUrl(QStringLiteral("http://127.0.0.1:9/")));
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 20000);
        bool done = false;
        banner.runScript(
            QStringLiteral("document.getElementById('l').click(); 1"), [&](const QVariant&) { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(requested.count() == 1, 10000);
        QCOMPARE(requested.first().first().toUrl(), QUrl(QStringLiteral("http://127.0.0.1:9/offer")));
        QCOMPARE(banner.widget()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void anEmptyEntryGivesAnEmptyPage()
    {
        showStorePage(QByteArray());
        QCOMPARE(folder->read(QStringLiteral("Movies.html")), QByteArray());
    }
};

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    MovieStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "movie_store_test.moc"
