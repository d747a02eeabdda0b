#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "net/UpdateCommands.h"
#include "ui/MainWindow.h"

#include "base/Scrambling.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The update check of start-up and the Update lists command against a vendor site served
// on loopback.
class UpdateTest : public AppTestCase {
    Q_OBJECT

private:
    TempFolder site;
    std::unique_ptr<TestHttpServer> server;

    void serve(const QByteArray& manifest)
    {
        site.write(QStringLiteral("dot.dll"), manifest);
        site.write(QStringLiteral("battc.dll"), *Scrambling::decrypt("OrvesaKt", "1\r\nHello\r\n"));
        site.write(QStringLiteral("avtapit.dll"), ProgramFolderFixture::defaultTv() + "|USA|News|Brand New|1|||gssor9..mdv-dw|0|x\r\n");
        site.write(QStringLiteral("atlr.dll"), ProgramFolderFixture::defaultRadio());
        site.write(QStringLiteral("apcupm.dll"), "|Films|<p>films</p>\r\n");
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
        QCOMPARE(app->state().catalogue.tvEnd, 4); // lists are off: the TV list is not fetched
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

    void updateListsFetchesAllAndKeepsTheFavorites()
    {
        serve("annou-new\r\ntv\r\nra\r\nama\r\n1.0.0\r\n");
        QVERIFY(startWith());
        window().menus().SMnuUpdatelists->trigger();
        QVERIFY(!window().isEnabled()); // while it runs
        QTRY_VERIFY(window().isEnabled());
        QCOMPARE(app->state().catalogue.tvEnd, 5);
        QCOMPARE(app->state().catalogue.channels[4].name, QStringLiteral("Brand New"));
        QCOMPARE(app->state().catalogue.favorites.value(0).name, QStringLiteral("Kept"));
        QCOMPARE(app->state().currentView, 1);
        QVERIFY(model().indexForKey(QStringLiteral("C4")).isValid());
    }
};

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
