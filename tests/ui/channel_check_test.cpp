#include "base/StoredField.h"
#include "check/ChannelCheck.h"
#include "favorites/core/FavoritesFile.h"

#include "support/AppTestCase.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

#include <QComboBox>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>

// Check Channels in the running program against channels served on loopback: live, live
// behind a redirect, refused, slow, missing, failing, a web page and a redirect loop.
class ChannelCheckTest : public AppTestCase {
    Q_OBJECT

private:
    TempFolder site;
    std::unique_ptr<TestHttpServer> server;
    int refusingPort = 0;

    struct Channel {
        const char* name;
        QString address;
        bool answers;
    };
    QVector<Channel> channels;

    static int closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const int port = probe.serverPort();
        probe.close();
        return port; // nothing listens there now
    }
    void writeChannelsAsFavorites()
    {
        QVector<ChannelRecord> favorites;
        for (const Channel& channel : std::as_const(channels)) {
            ChannelRecord f;
            f.kind = ChannelRecord::Tv;
            f.name = QString::fromLatin1(channel.name);
            f.op = 1;
            f.address = StoredField::encodeAddress(channel.address);
            favorites.append(f);
        }
        writeFavorites(FavoritesFile::toBytes(favorites));
    }
    void showFavorites()
    {
        window().viewSelector().setCurrentIndex(TreeBuilder::Favorites);
        select(QStringLiteral("MainNodeFavorite"));
    }
    bool checkTheFavorites()
    {
        QSignalSpy finished(&app->channelCheck(), &ChannelCheck::finished);
        showFavorites();
        action("PopUpMenuCheckChannels")->trigger();
        return !finished.isEmpty() || finished.wait(30000);
    }
    bool marked(int favorite) { return icon(QStringLiteral("F%1").arg(favorite)) == TreeBuilder::SilentIcon; }
    QString toolTip(int favorite)
    {
        return node(QStringLiteral("F%1").arg(favorite)).data(Qt::ToolTipRole).toString();
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        server = std::make_unique<TestHttpServer>(site.path());
        QVERIFY(server->running());
        const auto at
            = [this](const char* path) { return server->url(QString::fromLatin1(path)).toString(); };
        channels = {{"live", at("/_/endless"), true}, {"moved", at("/_/redirect/_/bytes"), true},
            {"refused", QStringLiteral("http://127.0.0.1:%1/live").arg(closedPort()), false},
            {"slow", at("/_/hang"), false}, {"missing", at("/missing.ts"), false},
            {"failing", at("/_/error"), false}, {"page", at("/_/page"), false},
            {"loop", at("/_/loop"), false}};
        writeChannelsAsFavorites();
        QVERIFY(startWith());
    }
    void cleanup()
    {
        tearDownFolder();
        server.reset();
    }

    void theMarksComeOutRightAndARestartKeepsThem()
    {
        QVERIFY(checkTheFavorites());
        for (int i = 0; i < channels.size(); ++i) {
            QVERIFY2(marked(i) != channels[i].answers, channels[i].name);
            QCOMPARE(toolTip(i).startsWith(QStringLiteral("Not answering since")), !channels[i].answers);
        }
        QVERIFY(toolTip(4).contains(QStringLiteral("error 404")));
        QVERIFY(toolTip(6).contains(QStringLiteral("not media")));
        QCOMPARE(folder->read(QStringLiteral("channelcheck")).count("\r\n"), 6);

        app.reset();
        QVERIFY(startWith());
        showFavorites();
        for (int i = 0; i < channels.size(); ++i)
            QVERIFY2(marked(i) != channels[i].answers, channels[i].name);
    }

    void aChannelThatAnswersAgainLosesItsMarkAndKeepsNoOtherFile()
    {
        const QByteArray favoritesBefore = folder->read(QStringLiteral("fav.fav"));
        QVERIFY(checkTheFavorites());
        const QByteArray firstMarks = folder->read(QStringLiteral("channelcheck"));
        QVERIFY(marked(4));
        site.write(QStringLiteral("missing.ts"), QByteArray(8192, '\x47'));
        QVERIFY(checkTheFavorites());
        QVERIFY(!marked(4));
        QVERIFY(toolTip(4).isEmpty());
        const QByteArray marks = folder->read(QStringLiteral("channelcheck"));
        QCOMPARE(marks.count("\r\n"), 5);
        // The others keep the time they first failed.
        const QByteArray firstRefused = firstMarks.split('\n').value(0).split('|').value(1);
        QVERIFY(marks.contains(firstRefused));
        QCOMPARE(folder->read(QStringLiteral("fav.fav")), favoritesBefore);
    }

    void theUserGoesOnWhileItRunsAndCanCancel()
    {
        QSignalSpy finished(&app->channelCheck(), &ChannelCheck::finished);
        showFavorites();
        action("MnuCheckChannels")->trigger();
        QVERIFY(app->channelCheck().running());
        QCOMPARE(QApplication::activeModalWidget(), nullptr); // the window takes input meanwhile
        window().viewSelector().setCurrentIndex(TreeBuilder::ByCountry);
        QCOMPARE(app->catalogueView().currentView(), TreeBuilder::ByCountry);
        app->channelCheck().progress()->findChild<QPushButton*>()->click();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!app->channelCheck().running());
    }

    void aBranchHasAPopUpMenuThatChecksIt()
    {
        showFavorites();
        QTreeView& tree = window().catalogueTree();
        const QModelIndex branch = node(QStringLiteral("TvFavorite"));
        tree.scrollTo(branch);
        QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, tree.visualRect(branch).center());
        QTRY_VERIFY(window().menus().branchMenu->isVisible());
        window().menus().branchMenu->close();
        QCOMPARE(app->catalogueView().addressesUnderSelection().size(), channels.size());
    }
};

QTEST_MAIN(ChannelCheckTest)
#include "channel_check_test.moc"
