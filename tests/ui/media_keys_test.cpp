#include "base/StoredField.h"
#include "platform/MprisService.h"
#include "playback/Playback.h"
#include "playback/PlayerArea.h"
#include "playback/PlayerWindow.h"

#include "support/AppTestCase.h"
#include "support/MediaFiles.h"
#include "support/TestHttpServer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QSlider>

// The desktop's media-player protocol on a session bus of the test's own, driven the way
// a panel's player widget does: through the bus, to the real engine playing a loopback
// station with a stream title.
class MediaKeysTest : public AppTestCase {
    Q_OBJECT

public Q_SLOTS:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == QStringLiteral("org.mpris.MediaPlayer2.Player"))
            announced.append(changed);
    }

private:
    QList<QVariantMap> announced;
    std::unique_ptr<TestHttpServer> server;

    static QDBusConnection bus() { return QDBusConnection::sessionBus(); }

    // The program answers on this thread, so the client must not block while it waits.
    QDBusMessage ask(const QDBusMessage& call)
    {
        QDBusPendingCall pending = bus().asyncCall(call, 10000);
        if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 12000))
            return QDBusMessage::createError(QStringLiteral("test.NoAnswer"), QStringLiteral("no answer"));
        return pending.reply();
    }
    QVariant property(const QString& interface, const QString& name)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(MprisService::kBaseName, MprisService::kObjectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << interface << name;
        const QDBusMessage reply = ask(call);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().first().value<QDBusVariant>().variant();
    }
    QVariant playerProperty(const char* name)
    {
        return property(QStringLiteral("org.mpris.MediaPlayer2.Player"), QString::fromLatin1(name));
    }
    QVariantMap metadata()
    {
        return qdbus_cast<QVariantMap>(playerProperty("Metadata").value<QDBusArgument>());
    }
    void callPlayer(const char* method)
    {
        ask(QDBusMessage::createMethodCall(MprisService::kBaseName, MprisService::kObjectPath,
            QStringLiteral("org.mpris.MediaPlayer2.Player"), QString::fromLatin1(method)));
    }
    bool wasAnnounced(const char* name, const QVariant& value)
    {
        for (const QVariantMap& changed : announced) {
            if (changed.value(QString::fromLatin1(name)) == value)
                return true;
        }
        return false;
    }

    // Two stations of one country, each a loopback stream with a title in its metadata.
    void startWithTwoStations()
    {
        const QString site = folder->file(QStringLiteral("site"));
        QDir().mkpath(site);
        QVERIFY(!MediaFiles::writeMp3(site + QStringLiteral("/tone.mp3")).isEmpty());
        server = std::make_unique<TestHttpServer>(site);
        QVERIFY(server->running());
        const QByteArray station
            = StoredField::encodeAddress(server->url(QStringLiteral("/_/icy/tone.mp3")).toString());
        folder->writeLists(ProgramFolderFixture::defaultTv(),
            "|Germany|Radio Eins|1|Talk|" + station + "\r\n|Germany|Radio Zwei|1|Pop|" + station + "\r\n");
        platform.mediaControls = true;
        QVERIFY(startWith());
        QTRY_VERIFY_WITH_TIMEOUT(bus().interface()->isServiceRegistered(MprisService::kBaseName), 10000);
        QVERIFY(bus().connect(MprisService::kBaseName, MprisService::kObjectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
    }
    void playFirstStation()
    {
        select(QStringLiteral("C4"));
        window().menus().watchAction->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(
            playerProperty("PlaybackStatus").toString(), QStringLiteral("Playing"), 10000);
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        announced.clear();
    }
    void cleanup()
    {
        bus().disconnect(MprisService::kBaseName, MprisService::kObjectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
        tearDownFolder();
        server.reset();
    }

    void theRootSaysWhoThePlayerIsAndRaisesTheWindow()
    {
        startWithTwoStations();
        const QString root = QStringLiteral("org.mpris.MediaPlayer2");
        QCOMPARE(property(root, QStringLiteral("Identity")).toString(), QStringLiteral("Vidorra"));
        QCOMPARE(property(root, QStringLiteral("DesktopEntry")).toString(),
            QStringLiteral("example.vidorra.Vidorra"));
        QCOMPARE(property(root, QStringLiteral("CanRaise")).toBool(), true);
        QVERIFY(property(root, QStringLiteral("SupportedUriSchemes"))
                    .toStringList()
                    .contains(QStringLiteral("https")));
        QCOMPARE(playerProperty("PlaybackStatus").toString(), QStringLiteral("Stopped"));
        QCOMPARE(playerProperty("CanPlay").toBool(), false); // nothing has played yet

        window().hide();
        ask(QDBusMessage::createMethodCall(
            MprisService::kBaseName, MprisService::kObjectPath, root, QStringLiteral("Raise")));
        QTRY_VERIFY(window().isVisible());
    }

    void aPlayingStationShowsItsNameAndSongAndPausesFromTheBus()
    {
        startWithTwoStations();
        playFirstStation();
        QTRY_COMPARE_WITH_TIMEOUT(metadata().value(QStringLiteral("xesam:title")).toString(),
            QStringLiteral("Test Artist - Test Song"), 10000);
        const QVariantMap data = metadata();
        QCOMPARE(data.value(QStringLiteral("xesam:artist")).toStringList(),
            QStringList {QStringLiteral("Radio Eins")});
        QVERIFY(data.value(QStringLiteral("mpris:trackid"))
                    .value<QDBusObjectPath>()
                    .path()
                    .startsWith(QStringLiteral("/example/vidorra/track/")));
        QCOMPARE(playerProperty("CanPause").toBool(), true);
        QCOMPARE(playerProperty("CanSeek").toBool(), false); // a live stream
        QTRY_VERIFY(wasAnnounced("PlaybackStatus", QStringLiteral("Playing")));

        callPlayer("PlayPause");
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Paused, 5000);
        QTRY_VERIFY(wasAnnounced("PlaybackStatus", QStringLiteral("Paused")));
        QCOMPARE(playerProperty("PlaybackStatus").toString(), QStringLiteral("Paused"));
        callPlayer("PlayPause");
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 5000);

        callPlayer("Stop");
        QTRY_COMPARE_WITH_TIMEOUT(
            playerProperty("PlaybackStatus").toString(), QStringLiteral("Stopped"), 5000);
        QCOMPARE(playerProperty("CanPlay").toBool(), true);
        callPlayer("Play"); // the item stopped starts again
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QCOMPARE(app->nowPlaying().title, QStringLiteral("Radio Eins"));
    }

    void nextAndPreviousWalkTheBranchOfWhatPlays()
    {
        startWithTwoStations();
        playFirstStation();
        select(QStringLiteral("C0")); // the user looks elsewhere; Next follows what plays
        callPlayer("Next");
        QTRY_COMPARE_WITH_TIMEOUT(app->nowPlaying().title, QStringLiteral("Radio Zwei"), 5000);
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("C5"));
        QTRY_VERIFY(std::any_of(announced.cbegin(), announced.cend(),
            [](const QVariantMap& changed) { return changed.contains(QStringLiteral("Metadata")); }));
        callPlayer("Next"); // past the last item of the branch: the first again
        QTRY_COMPARE_WITH_TIMEOUT(app->nowPlaying().title, QStringLiteral("Radio Eins"), 5000);
        callPlayer("Previous");
        QTRY_COMPARE_WITH_TIMEOUT(app->nowPlaying().title, QStringLiteral("Radio Zwei"), 5000);
        // Three items asked for in quick turn: the last one plays, whatever the others report.
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QCOMPARE(playerProperty("PlaybackStatus").toString(), QStringLiteral("Playing"));
    }

    void theVolumeIsTheEnginesWhoeverSetsIt()
    {
        startWithTwoStations();
        playFirstStation();
        QDBusMessage set = QDBusMessage::createMethodCall(MprisService::kBaseName, MprisService::kObjectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set << QStringLiteral("org.mpris.MediaPlayer2.Player") << QStringLiteral("Volume")
            << QVariant::fromValue(QDBusVariant(0.25));
        ask(set);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->property("volume").toDouble(), 25.0, 5000);
        auto* slider = app->playback().area().player(1)->findChild<QSlider*>(QStringLiteral("volume"));
        QTRY_COMPARE(slider->value(), 25);
        QTRY_VERIFY(wasAnnounced("Volume", 0.25));

        slider->setValue(80); // the window's own slider
        QTRY_COMPARE_WITH_TIMEOUT(playerProperty("Volume").toDouble(), 0.8, 5000);
        QCOMPARE(
            app->playback().area().player(0)->findChild<QSlider*>(QStringLiteral("volume"))->value(), 80);
    }
};

QTEST_MAIN(MediaKeysTest)
#include "media_keys_test.moc"
