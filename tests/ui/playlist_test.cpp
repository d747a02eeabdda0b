#include "base/StoredField.h"
#include "favorites/PlaylistCommands.h"
#include "favorites/PlaylistSourceDialog.h"

#include "support/AppTestCase.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>

// Import Playlist and Export as Playlist in the running program: from files and from a
// server on loopback, hostile ones too.
class PlaylistTest : public AppTestCase {
    Q_OBJECT

private:
    TempFolder files;

    static QByteArray publicPlaylist(const char* name)
    {
        QFile file(QStringLiteral(VIDORRA_TEST_DATA_DIR "/m3u/") + QString::fromLatin1(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Chooses Import Playlist, types the source and waits for the summary, which it closes.
    QString importThroughTheMenu(const QString& source)
    {
        whenModalShows([source](QWidget* modal) {
            auto* dialog = qobject_cast<PlaylistSourceDialog*>(modal);
            QVERIFY(dialog);
            dialog->sourceEdit->setText(source);
            dialog->okButton->click();
        });
        const SummaryCloser closer;
        QSignalSpy ended(&app->playlists(), &PlaylistCommands::importEnded);
        action("MnuImportPlaylist")->trigger();
        if (ended.isEmpty() && !ended.wait(60000))
            return QStringLiteral("no end");
        const bool closed = QTest::qWaitFor([&closer] { return closer.closed; }, 10000);
        return closed ? app->playlists().lastSummary() : QStringLiteral("no summary shown");
    }
    // Closes the message that ends an import as soon as it shows; other windows it leaves.
    struct SummaryCloser {
        SummaryCloser()
        {
            QObject::connect(&poll, &QTimer::timeout, &poll, [this] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || !modal->isVisible() || modal->objectName() != QStringLiteral("Waiting"))
                    return;
                if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOk"))) {
                    ok->click();
                    closed = true;
                }
            });
            poll.start(20);
        }
        QTimer poll;
        bool closed = false;
    };
    static QByteArray playlistOf(int entries)
    {
        QByteArray text = "#EXTM3U\n";
        for (int i = 0; i < entries; ++i)
            text += "#EXTINF:-1,Channel " + QByteArray::number(i) + "\nhttp://h/" + QByteArray::number(i)
                + "\n";
        return text;
    }
    QByteArray favoritesFile() const { return folder->read(QStringLiteral("fav.fav")); }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        platform.realTransfer = true;
        QVERIFY(startWith());
    }
    void cleanup() { tearDownFolder(); }

    void aPublicPlaylistBecomesFavoritesThatSurviveARestart()
    {
        const QString path = files.write(QStringLiteral("de.m3u"), publicPlaylist("de.m3u"));
        QCOMPARE(importThroughTheMenu(path),
            QStringLiteral("202 favorites added, 0 already among the favorites, 0 entries unreadable."));
        QCOMPARE(app->catalogue().favoriteCount(), 202);
        QCOMPARE(app->catalogueView().currentView(), TreeBuilder::Favorites);
        QVERIFY(node(QStringLiteral("F201")).isValid());
        QCOMPARE(importThroughTheMenu(path),
            QStringLiteral("0 favorites added, 202 already among the favorites, 0 entries unreadable."));

        const QVector<ChannelRecord> before = app->catalogue().favorites;
        app.reset();
        QVERIFY(startWith());
        QCOMPARE(app->catalogue().favorites, before);
    }

    void aPlaylistFromTheWebResolvesItsRelativeAddressesAndNamesNoLocalFile()
    {
        TempFolder site;
        site.write(QStringLiteral("lists/tv.m3u"),
            "#EXTM3U\n#EXTINF:-1 group-title=\"Sports\",Relative\nstreams/a.m3u8\n"
            "#EXTINF:-1,Local\nfile:///etc/passwd\n<html>\n");
        TestHttpServer server(site.path());
        QVERIFY(server.running());
        const QUrl playlist = server.url(QStringLiteral("/lists/tv.m3u"));
        QCOMPARE(importThroughTheMenu(playlist.toString()),
            QStringLiteral("1 favorites added, 0 already among the favorites, 2 entries unreadable."));
        const ChannelRecord& added = app->catalogue().favorites.last();
        QCOMPARE(StoredField::decodeAddress(added.address),
            server.url(QStringLiteral("/lists/streams/a.m3u8")).toString());
        QCOMPARE(added.category, QStringLiteral("Sports"));
    }

    void hostileAnswersLeaveTheFavoritesAsTheyWere()
    {
        TestHttpServer server;
        QVERIFY(server.running());
        const QByteArray before = favoritesFile();
        for (const char* path :
            {"/_/chunked-endless", "/_/gzip-bomb", "/_/announced-huge", "/_/reset", "/_/error"}) {
            const QString summary = importThroughTheMenu(server.url(QString::fromLatin1(path)).toString());
            QVERIFY2(summary.startsWith(QStringLiteral("The playlist could not be downloaded")),
                qPrintable(summary));
        }
        // Markup and bytes download fine and give nothing.
        for (const char* path : {"/_/text", "/_/bytes"})
            QVERIFY(importThroughTheMenu(server.url(QString::fromLatin1(path)).toString())
                        .startsWith(QStringLiteral("0 favorites added")));
        QCOMPARE(favoritesFile(), before);
    }

    void aLongPlaylistCanBeCancelledAndThenNothingIsWritten()
    {
        const QString path = files.write(QStringLiteral("big.m3u"), playlistOf(100000));
        const QByteArray before = favoritesFile();
        QSignalSpy ended(&app->playlists(), &PlaylistCommands::importEnded);
        const SummaryCloser closer; // there is none after a cancel
        app->playlists().importFrom(path);
        QProgressDialog* progress = app->playlists().progress();
        QVERIFY(progress && progress->isVisible());
        // Cancelled a third of the way, from within the bar's own update.
        connect(progress->findChild<QProgressBar*>(), &QProgressBar::valueChanged, progress,
            [progress](int value) {
                if (value > 333)
                    progress->findChild<QPushButton*>()->click();
            });
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(app->playlists().lastSummary(), QStringLiteral("cancelled"));
        QCOMPARE(favoritesFile(), before);
        QCOMPARE(app->catalogue().favoriteCount(), 0);
    }

    void aPlaylistLongerThanTheFavoritesHoldFillsThemAndSaysSo()
    {
        const QString path = files.write(QStringLiteral("big.m3u"), playlistOf(40000));
        // The window's own work goes on between the parts of the playlist.
        int turns = 0;
        QTimer turn;
        connect(&turn, &QTimer::timeout, &turn, [&turns] { ++turns; });
        turn.start(0);
        QCOMPARE(importThroughTheMenu(path),
            QStringLiteral(
                "32767 favorites added, 0 already among the favorites, 0 entries unreadable. 7233 not "
                "added: the favorites hold at most 32767."));
        QCOMPARE(app->catalogue().favoriteCount(), 32767);
        QVERIFY(turns > 10);
    }

    void favoritesExportAsAPlaylistThatImportsBack()
    {
        const QString path = files.write(QStringLiteral("fr.m3u"), publicPlaylist("fr.m3u"));
        importThroughTheMenu(path);
        const QVector<ChannelRecord> imported = app->catalogue().favorites;
        platform.fileDialog->saveAnswer = files.file(QStringLiteral("out.m3u"));
        action("MnuExportPlaylist")->trigger();
        const QByteArray written = files.read(QStringLiteral("out.m3u"));
        QVERIFY(written.startsWith("#EXTM3U\r\n#EXTINF:-1 "));

        writeFavorites({});
        app.reset();
        QVERIFY(startWith());
        QCOMPARE(app->catalogue().favoriteCount(), 0);
        importThroughTheMenu(files.file(QStringLiteral("out.m3u")));
        QCOMPARE(app->catalogue().favorites, imported);
    }
};

QTEST_MAIN(PlaylistTest)
#include "playlist_test.moc"
