#include "app/Application.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "platform/MpvPlayer.h"
#include "platform/MpvVideoWidget.h"
#include "playback/AudioPanel.h"
#include "playback/Playback.h"
#include "playback/PlayerArea.h"
#include "playback/PlayerWindow.h"
#include "playback/RecentFilesMenu.h"
#include "playback/StartPage.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolderFixture.h"
#include "support/TestHttpServer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QOpenGLWidget>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <clocale>

// Playing with the real media engine (no window, no sound card) on media the tests make.
class PlaybackTest : public AppTestCase {
    Q_OBJECT

private:
    void start(const QList<QPair<int, QString>>& inf = {}) { QVERIFY(startWith(inf)); }
    NowPlaying& playback() { return app->nowPlaying(); }
    PlayerArea& area() { return app->playback().area(); }
    // The File menu's entries between "Open" and "Update lists": recent files and their separator.
    int recentMenuEntries()
    {
        const QList<QAction*> actions = window().menus().fileMenu->actions();
        const qsizetype first = actions.indexOf(window().menus().recentFilesSeparator) + 1;
        return static_cast<int>(actions.indexOf(window().menus().updateListsAction) - first);
    }
    PlayerWindow* shownPlayer() { return qobject_cast<PlayerWindow*>(area().currentWidget()); }
    QString media(const char* name, int ms)
    {
        return MediaFiles::writeWav(folder->file(QString::fromLatin1(name)), ms);
    }
    QList<RecentFiles::Entry> recentEntries()
    {
        return RecentFiles::fromBytes(folder->read(QStringLiteral("mruf"))).entries();
    }

    void openFiles(const QStringList& files, int filter)
    {
        platform.fileDialog->answer = {files, filter};
        window().menus().openAction->trigger();
    }

    void selectAndPlay(const char* key)
    {
        select(QString::fromLatin1(key));
        window().menus().watchAction->trigger();
    }
    int icon(const char* key) { return AppTestCase::icon(QString::fromLatin1(key)); }

private Q_SLOTS:
    void init() { setUpFolder(); }
    void cleanup()
    {
        tearDownFolder();
        platform.audioDevice.clear();
    }

    void theEngineStartsWhateverTheNumberFormat()
    {
        const char* previous = std::setlocale(LC_ALL, "de_DE.UTF-8");
        QVERIFY2(previous, "the German locale is not installed (scripts/install-deps.sh makes it)");
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        MpvPlayer engine(MpvPlayer::Options {true, 5, {}});
        // The engine plays under this locale: it would stay stopped had it failed to start.
        engine.play(media("komma.wav", 600));
        QTRY_VERIFY_WITH_TIMEOUT(
            engine.state() == MediaPlayer::State::Playing || engine.state() == MediaPlayer::State::Ended,
            10000);
        std::setlocale(LC_ALL, "C");
    }

    // The engine starts at its first use, not with the program; what was set before then
    // (volume, mute, pause, size) holds once it runs, the newest value of each.
    void settingsMadeBeforeTheEngineRunsHoldOnceItDoes()
    {
        MpvPlayer engine(MpvPlayer::Options {true, 5, {}});
        QCOMPARE(engine.property("volume"), QString()); // not running yet
        engine.setVolume(80);
        engine.setVolume(37);
        engine.setMuted(true);
        engine.setPaused(true);
        engine.setSizeMode(MediaPlayer::SizeMode::Natural);
        engine.stop(); // nothing to stop: no engine is made for it
        QCOMPARE(engine.property("volume"), QString());
        engine.play(media("tone.wav", 3000));
        QCOMPARE(engine.property("volume"), QStringLiteral("37.000000"));
        QCOMPARE(engine.property("mute"), QStringLiteral("yes"));
        QCOMPARE(engine.property("video-unscaled"), QStringLiteral("yes"));
        // A new item never starts paused, whatever was set before.
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(), MediaPlayer::State::Playing, 10000);
        engine.setVolume(55);
        QCOMPARE(engine.property("volume"), QStringLiteral("55.000000"));
    }

    // Preparing loads the engine's libraries off the window's thread and makes the engine
    // soon after; a play that comes first makes it at once, and only one is made.
    void aPreparedEngineRunsSoonAndAPlayMeanwhileStillPlays()
    {
        MpvPlayer prepared(MpvPlayer::Options {true, 5, {}});
        prepared.setVolume(21);
        prepared.prepare();
        QTRY_COMPARE_WITH_TIMEOUT(prepared.property("volume"), QStringLiteral("21.000000"), 10000);
        MpvPlayer hurried(MpvPlayer::Options {true, 5, {}});
        hurried.prepare();
        hurried.play(media("tone.wav", 3000));
        QTRY_COMPARE_WITH_TIMEOUT(hurried.state(), MediaPlayer::State::Playing, 10000);
    }

    void aLocalFilePlaysAndEntersTheRecentFiles()
    {
        start();
        const QString file = media("tone.wav", 1500);
        openFiles({file}, 1);
        QCOMPARE(window().nowPlaying(), file);
        QCOMPARE(playback().currentOperator, 1);
        QCOMPARE(shownPlayer()->objectName(), QStringLiteral("VideoWm"));
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QTRY_COMPARE(recentEntries().size(), 1);
        const auto recent = recentEntries();
        QCOMPARE(StoredField::decodeAddress(recent[0].address), file);
        QCOMPARE(window().findChild<QAction*>(QStringLiteral("SMnuMRUList1"))->text(),
            QStringLiteral("&1 ") + file);
    }

    void aListOfTwoFilesAlternatesAndWraps()
    {
        start();
        const QString a = media("a.wav", 600);
        const QString b = media("b.wav", 600);
        openFiles({a, b}, 1); // Windows Media
        QCOMPARE(app->catalogueView().currentView(), 3);
        QCOMPARE(app->catalogueView().model().rowCount(app->catalogueView().model().index(0, 0)), 2);
        QVERIFY(playback().localFiles.listMode);
        QTRY_COMPARE_WITH_TIMEOUT(playback().localFiles.playingIndex, 1, 15000);
        QCOMPARE(window().nowPlaying(), QStringLiteral("b.wav"));
        QCOMPARE(icon("Com1"), 28);
        QCOMPARE(icon("Com0"), 26);
        QTRY_COMPARE_WITH_TIMEOUT(playback().localFiles.playingIndex, 0, 15000);
        QCOMPARE(window().nowPlaying(), QStringLiteral("a.wav"));
        QVERIFY(recentEntries().isEmpty()); // items of a list never enter the recent files
    }

    // A TV list of one channel of this player, playing a local file.
    void writeChannelOfOperator(int op, const QString& file)
    {
        folder->writeLists("|USA|News|Channel|" + QByteArray::number(op) + "|||"
                + StoredField::encodeAddress(file) + "|0|info\r\n",
            ProgramFolderFixture::defaultRadio());
    }

    void operatorTwoPlaysInItsOwnWindowAndAdvancesLikeWindowsMedia()
    {
        writeChannelOfOperator(2, media("tone.wav", 2000));
        start();
        selectAndPlay("C0");
        QCOMPARE(shownPlayer()->objectName(), QStringLiteral("VideoWinMap"));
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QCOMPARE(window().nowPlaying(), QStringLiteral("Channel"));
        QCOMPARE(playback().currentOperator, 2);
        QCOMPARE(recentEntries().value(0).op, 2);

        openFiles({media("a.wav", 500), media("b.wav", 500)}, 2); // the list with that player
        QCOMPARE(shownPlayer()->objectName(), QStringLiteral("VideoWinMap"));
        QTRY_COMPARE_WITH_TIMEOUT(playback().localFiles.playingIndex, 1, 15000);
    }

    void operatorFourPlaysNothing()
    {
        writeChannelOfOperator(4, media("tone.wav", 2000));
        start();
        QWidget* before = area().currentWidget();
        selectAndPlay("C0");
        QCOMPARE(area().currentWidget(), before); // the start page stays
        QCOMPARE(platform.media->state(), MediaPlayer::State::Stopped);
        QCOMPARE(window().nowPlaying(), QStringLiteral("Channel"));
        QCOMPARE(playback().currentOperator, 4);
    }

    void aClickAndADoubleClickOnAListFile()
    {
        start();
        const QString a = media("a.wav", 8000);
        const QString b = media("b.wav", 8000);
        const QString c = media("c.wav", 8000);
        openFiles({a, b, c}, 1);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);

        QTest::mouseClick(window().catalogueTree().viewport(), Qt::LeftButton, {},
            window().catalogueTree().visualRect(node(QStringLiteral("Com1"))).center());
        QCOMPARE(label("LblInfCountry")->text(), QStringLiteral("Computer"));
        QCOMPARE(label("LblInfCategory")->text(), QStringLiteral("Unkown"));
        QVERIFY(playback().ignoreNextStop);

        const QPoint third = window().catalogueTree().visualRect(node(QStringLiteral("Com2"))).center();
        QTest::mouseClick(window().catalogueTree().viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(window().catalogueTree().viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(playback().localFiles.playingIndex, 2);
        QCOMPARE(window().nowPlaying(), QStringLiteral("c.wav"));
        QCOMPARE(icon("Com2"), 28);
        QCOMPARE(icon("Com0"), 26);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QCOMPARE(playback().localFiles.playingIndex, 2); // the old file's stop did not move the list
    }

    void windowsMediaGoesFullScreenOnADoubleClickOnlyWhilePlaying()
    {
        start();
        openFiles({media("tone.wav", 600)}, 1);
        PlayerWindow* player = shownPlayer();
        QCOMPARE(player->objectName(), QStringLiteral("VideoWm"));
        player->pictureDoubleClicked(); // still loading
        QVERIFY(!player->isFullScreenShown());
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        player->pictureDoubleClicked();
        QVERIFY(player->isFullScreenShown());
        QTest::keyClick(player, Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Ended, 10000);
        player->pictureDoubleClicked();
        QVERIFY(!player->isFullScreenShown());
    }

    void realAudioIgnoresTheOldFilesStopOnce()
    {
        start();
        const QString single = media("single.wav", 5000);
        openFiles({single}, 0);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        const QString a = media("a.wav", 1500);
        const QString b = media("b.wav", 1500);
        openFiles({a, b}, 0);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 10000);
        QVERIFY(!playback().ignoreNextStop); // the old file's stop was consumed
        QCOMPARE(playback().localFiles.playingIndex, 0); // and did not skip the first file
        QTRY_COMPARE_WITH_TIMEOUT(playback().localFiles.playingIndex, 1, 15000);
    }

    void quickTimeDoesNotAdvanceAList()
    {
        start();
        openFiles({media("a.wav", 400), media("b.wav", 400)}, 3);
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Ended, 10000);
        QCoreApplication::processEvents(); // what the end set in motion
        QVERIFY(!shownPlayer()->advanceTimer->isActive());
        QCOMPARE(platform.media->state(), MediaPlayer::State::Ended);
        QCOMPARE(playback().localFiles.playingIndex, 0);
    }

    void anItemThatNeverFinishesLoadingStillReachesTheRecentList()
    {
        start();
        TestHttpServer server;
        QVERIFY(server.running());
        const QString hanging = server.url(QStringLiteral("/_/hang")).toString();
        app->playback().runVideo(
            {1, 1, *Scrambling::scrambleAddress(hanging.toUtf8()), QStringLiteral("Hanging")});
        QCOMPARE(platform.media->state(), MediaPlayer::State::Loading);
        const QString b = media("b.wav", 3000);
        openFiles({b}, 1); // while the first one still loads
        QCOMPARE(window().findChild<QAction*>(QStringLiteral("SMnuMRUList2"))->text(),
            QStringLiteral("&2 Hanging"));
        QTRY_COMPARE_WITH_TIMEOUT(recentEntries().size(), 2, 5000);
        QCOMPARE(StoredField::decodeAddress(recentEntries()[0].address), b);
        QCOMPARE(StoredField::decodeAddress(recentEntries()[1].address), hanging);
    }

    void aRecentEntryPlaysAndMovesToTheTop()
    {
        start();
        const QString a = media("a.wav", 3000);
        const QString b = media("b.wav", 3000);
        const auto top = [this] {
            const auto recent = recentEntries();
            return recent.isEmpty() ? QString() : StoredField::decodeAddress(recent[0].address);
        };
        openFiles({a}, 1);
        QTRY_COMPARE_WITH_TIMEOUT(top(), a, 10000);
        openFiles({b}, 1);
        QTRY_COMPARE_WITH_TIMEOUT(top(), b, 10000);
        window().findChild<QAction*>(QStringLiteral("SMnuMRUList2"))->trigger();
        QCOMPARE(window().nowPlaying(), a);
        QTRY_COMPARE_WITH_TIMEOUT(top(), a, 10000);
        const auto recent = recentEntries();
        QCOMPARE(recent.size(), 2);
        QCOMPARE(StoredField::decodeAddress(recent[1].address), b);
    }

    void theMenuShowsAsManyEntriesAsTheSettingSays()
    {
        QByteArray lines;
        for (int n = 0; n < 10; ++n)
            lines += "1|Item " + QByteArray::number(n) + "|gssor9..g\r\n";
        folder->write(QStringLiteral("mruf"), lines);
        start({{7, QStringLiteral("mru=3")}});
        QCOMPARE(app->playback().recent().recent().entries().size(), 10);
        QCOMPARE(recentMenuEntries(), 4); // three and the closing separator
        app.reset();
        start({{7, QStringLiteral("mru=0")}});
        QVERIFY(recentMenuEntries() == 0);
    }

    void aBadRecentLineKeepsTheEntriesBeforeIt()
    {
        folder->write(QStringLiteral("mruf"), "1|First|gssor9..e\r\nnonsense\r\n1|Third|gssor9..s\r\n");
        start();
        QCOMPARE(recentMenuEntries(), 1); // no closing separator
    }

    void playingATvChannelAfterARadioStationMovesTheMark()
    {
        start();
        selectAndPlay("C4"); // a radio station
        QCOMPARE(icon("C4"), 28);
        selectAndPlay("C0"); // a TV channel
        QCOMPARE(icon("C4"), 2);
        QCOMPARE(icon("C0"), 28);
        QCOMPARE(playback().currentRoot, QStringLiteral("gssor9..mdvr-dw"));
        QCOMPARE(window().nowPlaying(), QStringLiteral("News One"));
        selectAndPlay("C8"); // the movie store leaves the mark where it was
        QCOMPARE(icon("C0"), 28);
    }

    void anItemThatCannotPlaySaysWhy()
    {
        start();
        openFiles({folder->file(QStringLiteral("missing.mp3"))}, 1);
        QTRY_VERIFY_WITH_TIMEOUT(
            shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"))->isVisibleTo(shownPlayer()),
            10000);
        QVERIFY(shownPlayer()
                    ->findChild<QLabel*>(QStringLiteral("errorLine"))
                    ->text()
                    .contains(QStringLiteral("cannot be played")));
    }

    void badAddressesLeaveTheWindowResponsive()
    {
        start();
        QDir(folder->path()).mkdir(QStringLiteral("folder.mp3"));
        const QStringList bad = {folder->file(QStringLiteral("folder.mp3")), QString(40000, u'x'),
            folder->write(QStringLiteral("text.mp3"), "this is no media at all")};
        for (const QString& address : bad) {
            app->playback().runVideo({5, 1, address.toUtf8(), QStringLiteral("bad")});
            QTRY_VERIFY_WITH_TIMEOUT(platform.media->state() == MediaPlayer::State::Failed
                    || platform.media->state() == MediaPlayer::State::Ended,
                10000);
        }
        app->playback().runVideo({5, 1, QByteArray(), QStringLiteral("empty")});
        QCOMPARE(platform.media->state(), MediaPlayer::State::Failed);
        QVERIFY(shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"))->isVisibleTo(shownPlayer()));
    }

    void streamsFromAServerPlay()
    {
        const QString site = folder->file(QStringLiteral("site"));
        if (!MediaFiles::writeHls(site))
            QFAIL("ffmpeg cannot make the test stream here");
        MediaFiles::writeWav(QDir(site).filePath(QStringLiteral("tone.wav")), 3000);
        TestHttpServer server(site);
        QVERIFY(server.running());
        start();
        for (const char* path : {"/index.m3u8", "/tone.wav"}) {
            const QByteArray url = server.url(QString::fromLatin1(path)).toString().toUtf8();
            app->playback().runVideo({1, 1, *Scrambling::scrambleAddress(url), QStringLiteral("stream")});
            QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Playing, 15000);
        }
        app->playback().runVideo(
            {1, 1, *Scrambling::scrambleAddress(server.url(QStringLiteral("/_/close")).toString().toUtf8()),
                QStringLiteral("broken")});
        QTRY_VERIFY_WITH_TIMEOUT(platform.media->state() == MediaPlayer::State::Failed
                || platform.media->state() == MediaPlayer::State::Ended,
            15000);
    }

    void fullScreenAndEscapeBack()
    {
        start();
        openFiles({media("tone.wav", 5000)}, 1);
        PlayerWindow* player = shownPlayer();
        window().menus().fullScreenAction->trigger();
        QVERIFY(player->isFullScreenShown());
        QVERIFY(player->isWindow());
        QTest::keyClick(player, Qt::Key_Escape);
        QVERIFY(!player->isFullScreenShown());
        QVERIFY(!player->isWindow());
        QCOMPARE(area().currentWidget(), player);
    }

    void realAudioTakesTwoClicksAFewTenthsApartAsADoubleClick()
    {
        start();
        openFiles({media("tone.wav", 5000)}, 0);
        PlayerWindow* player = shownPlayer();
        QCOMPARE(player->objectName(), QStringLiteral("VideoRm"));
        qint64 now = 1000;
        player->setClock([&now] { return now; });
        player->pictureClicked();
        now += 100;
        player->pictureClicked(); // 0.1 s: too fast
        QVERIFY(!player->isFullScreenShown());
        now += 700;
        player->pictureClicked(); // 0.7 s: too slow
        QVERIFY(!player->isFullScreenShown());
        now += 300;
        player->pictureClicked(); // 0.3 s
        QVERIFY(player->isFullScreenShown());
        player->setFullScreen(false);
    }

    void aStreamThatNeverAnswersGivesUp()
    {
        TestHttpServer server;
        QVERIFY(server.running());
        start();
        const QByteArray url = server.url(QStringLiteral("/_/hang")).toString().toUtf8();
        app->playback().runVideo({1, 1, *Scrambling::scrambleAddress(url), QStringLiteral("silent")});
        QCOMPARE(platform.media->state(), MediaPlayer::State::Loading); // the window is not held meanwhile
        QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Failed, 20000);
        QVERIFY(shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"))->isVisibleTo(shownPlayer()));
    }

    void sizeModesActOnlyOnPlayers()
    {
        start();
        window().menus().fullScreenAction->trigger(); // the start page: nothing
        QCOMPARE(area().currentWidget()->objectName(), QStringLiteral("FirstPage"));
        openFiles({media("tone.wav", 3000)}, 1);
        window().menus().normalSizeAction->trigger();
        QTRY_COMPARE(platform.media->property("video-unscaled"), QStringLiteral("yes"));
        window().menus().fitToSizeAction->trigger();
        QTRY_COMPARE(platform.media->property("video-unscaled"), QStringLiteral("no"));
    }

    // Both ways of drawing: OpenGL for a display with a GPU, and libmpv's software renderer,
    // which the program chooses under Xvfb's emulated OpenGL.
    void videoIsDrawnInTheWindow_data()
    {
        QTest::addColumn<MpvVideoWidget::Drawing>("drawing");
        QTest::newRow("opengl") << MpvVideoWidget::Drawing::OpenGl;
        QTest::newRow("software") << MpvVideoWidget::Drawing::Software;
        QTest::newRow("chosen") << MpvVideoWidget::Drawing::Automatic;
    }
    void videoIsDrawnInTheWindow()
    {
        QFETCH(MpvVideoWidget::Drawing, drawing);
        QVERIFY2(
            QGuiApplication::platformName() == QStringLiteral("xcb"), "drawing video needs a display (Xvfb)");
        // Long enough to be still playing when it has moved twice.
        const QString video = MediaFiles::writeVideo(folder->file(QStringLiteral("clip.mp4")), 30);
        QVERIFY2(!video.isEmpty(), "ffmpeg cannot make the test video here");
        MpvPlayer engine(MpvPlayer::Options {false, 5, {}, drawing});
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* surface = qobject_cast<MpvVideoWidget*>(engine.videoSurface());
        layout->addWidget(surface);
        host.resize(320, 240);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        if (drawing == MpvVideoWidget::Drawing::Automatic) // Xvfb's OpenGL is Mesa's llvmpipe
            QCOMPARE(surface->drawing(), MpvVideoWidget::Drawing::Software);
        engine.play(video);
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(), MediaPlayer::State::Playing, 10000);
        QImage frame;
        const auto coloursOf = [&frame, surface] {
            auto* gl = surface->findChild<QOpenGLWidget*>();
            frame = gl ? gl->grabFramebuffer() : surface->grab().toImage();
            QSet<QRgb> colours;
            for (int y = 0; y < frame.height(); y += 8)
                for (int x = 0; x < frame.width(); x += 8)
                    colours.insert(frame.pixel(x, y));
            return colours.size();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(coloursOf() > 5, "the picture stays one flat colour", 10000);
        QCOMPARE(frame.size(), surface->size());
        frame.save(QStringLiteral(VIDORRA_ARTEFACT_DIR "/video-frame-%1.png")
                       .arg(QLatin1String(QTest::currentDataTag())));
        // The picture moves to a window of its own and back, as in full screen.
        QWidget other;
        auto* otherLayout = new QVBoxLayout(&other);
        otherLayout->addWidget(surface);
        other.resize(200, 150);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QTRY_VERIFY2_WITH_TIMEOUT(coloursOf() > 5, "no picture in the other window", 10000);
        layout->addWidget(surface);
        QTRY_VERIFY2_WITH_TIMEOUT(coloursOf() > 5, "no picture back in the first window", 10000);
        QCOMPARE(frame.size(), surface->size());
    }

    // The file a player is shown for is on its way before the picture first paints: libmpv
    // must find the picture's render context when it sets up the file's video, or it fails
    // the video. Nothing is painted here until it has.
    void aVideoPlayedAsThePictureShowsKeepsItsPicture_data() { videoIsDrawnInTheWindow_data(); }
    void aVideoPlayedAsThePictureShowsKeepsItsPicture()
    {
        QFETCH(MpvVideoWidget::Drawing, drawing);
        const QString video = MediaFiles::writeVideo(folder->file(QStringLiteral("clip.mp4")), 10);
        QVERIFY2(!video.isEmpty(), "ffmpeg cannot make the test video here");
        MpvPlayer engine(MpvPlayer::Options {false, 5, {}, drawing});
        QWidget host;
        (new QVBoxLayout(&host))->addWidget(engine.videoSurface());
        host.setUpdatesEnabled(false);
        host.show();
        engine.play(video);
        QTRY_COMPARE_WITH_TIMEOUT(engine.property("vo-configured"), QStringLiteral("yes"), 10000);
        host.setUpdatesEnabled(true);
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(), MediaPlayer::State::Playing, 10000);
    }

    // Whatever draws it, a click and a double click on the picture reach its window.
    void theDrawnPictureTellsOfClicks()
    {
        MpvPlayer engine(MpvPlayer::Options {false, 5, {}, MpvVideoWidget::Drawing::Software});
        auto* surface = qobject_cast<MpvVideoWidget*>(engine.videoSurface());
        QWidget host;
        (new QVBoxLayout(&host))->addWidget(surface);
        host.resize(160, 120);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy clicks(surface, &MpvVideoWidget::clicked);
        QSignalSpy doubleClicks(surface, &MpvVideoWidget::doubleClicked);
        auto* picture = surface->findChild<QWidget*>();
        QVERIFY(picture && picture->isVisible());
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QCOMPARE(doubleClicks.size(), 1);
        QTest::mouseClick(picture, Qt::RightButton);
        QCOMPARE(clicks.size(), 1); // the right button is not a click on the picture
    }

    // Playing is told once it is known whether the item has a picture, so its window shows
    // the picture or the sound panel at once: also from one video to the next, whose track
    // does not change, and from a video to sound alone.
    void playingIsToldKnowingWhetherThereIsAPicture()
    {
        const QString first = MediaFiles::writeVideo(folder->file(QStringLiteral("a.mp4")), 2);
        const QString second = MediaFiles::writeVideo(folder->file(QStringLiteral("b.mp4")), 2);
        const QString sound = MediaFiles::writeWav(folder->file(QStringLiteral("c.wav")), 1500);
        QVERIFY2(
            !first.isEmpty() && !second.isEmpty() && !sound.isEmpty(), "ffmpeg cannot make the files here");
        bool hasVideo = false;
        QList<bool> pictureWhenPlaying;
        MpvPlayer engine(MpvPlayer::Options {true, 5, {}});
        connect(&engine, &MediaPlayer::videoChanged, this, [&hasVideo](bool has) { hasVideo = has; });
        connect(&engine, &MediaPlayer::stateChanged, this, [&](MediaPlayer::State state) {
            if (state == MediaPlayer::State::Playing)
                pictureWhenPlaying << hasVideo;
        });
        for (const QString& file : {first, second, sound}) {
            const qsizetype before = pictureWhenPlaying.size();
            engine.play(file);
            QTRY_COMPARE_WITH_TIMEOUT(pictureWhenPlaying.size(), before + 1, 10000);
        }
        QCOMPARE(pictureWhenPlaying, (QList<bool> {true, true, false}));
    }

    void withoutASoundDeviceVideoPlaysAndSoundAloneSaysSo()
    {
        platform.audioDevice = "alsa/vidorra-no-such-device";
        start();
        const QString video = MediaFiles::writeVideo(folder->file(QStringLiteral("clip.mkv")), 2, true);
        QVERIFY(!video.isEmpty());
        for (int round = 0; round < 2; ++round) { // either may come first
            QSignalSpy states(platform.media, &MediaPlayer::stateChanged);
            openFiles({video}, 1);
            QTRY_VERIFY_WITH_TIMEOUT(
                states.contains(QVariantList {QVariant::fromValue(MediaPlayer::State::Playing)}), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(platform.media->state(), MediaPlayer::State::Ended, 15000);
            QVERIFY(
                !shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"))->isVisibleTo(shownPlayer()));

            openFiles({media("station.wav", 3000)}, 1);
            auto* error = shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"));
            QTRY_VERIFY_WITH_TIMEOUT(error->isVisibleTo(shownPlayer()), 10000);
            QVERIFY2(error->text().contains(QStringLiteral("no sound device")), qPrintable(error->text()));
        }
    }

    void aRadioStationShowsItsNameFlagStreamTitleAndTime()
    {
        const QString site = folder->file(QStringLiteral("site"));
        QDir().mkpath(site);
        QVERIFY(!MediaFiles::writeMp3(site + QStringLiteral("/tone.mp3")).isEmpty());
        TestHttpServer server(site);
        QVERIFY(server.running());
        const QByteArray station
            = StoredField::encodeAddress(server.url(QStringLiteral("/_/icy/tone.mp3")).toString());
        folder->writeLists(
            ProgramFolderFixture::defaultTv(), "|Germany|Radio Eins|1|Talk|" + station + "\r\n");
        start();
        selectAndPlay("C4");
        auto* panel = shownPlayer()->findChild<AudioPanel*>();
        QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 10000);
        QCOMPARE(panel->nameLabel->text(), QStringLiteral("Radio Eins"));
        QVERIFY(!panel->iconLabel->pixmap().isNull()); // the flag of Germany
        QTRY_COMPARE_WITH_TIMEOUT(
            panel->streamTitleLabel->text(), QStringLiteral("Test Artist - Test Song"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(panel->elapsedLabel->text() != QStringLiteral("00:00"), 5000);

        openFiles({MediaFiles::writeVideo(folder->file(QStringLiteral("clip.mkv")), 3)}, 1);
        QTRY_VERIFY_WITH_TIMEOUT(platform.media->state() == MediaPlayer::State::Playing, 10000);
        QTRY_VERIFY(!panel->isVisible()); // a picture takes its place
    }

    void itemsAskedForInQuickTurnEndWithTheLastPlaying()
    {
        start();
        const QStringList files {media("a.wav", 4000), media("b.wav", 4000), media("c.wav", 4000)};
        MpvPlayer& engine = *platform.media;
        for (int round = 0; round < 6; ++round) {
            for (const QString& file : files) {
                engine.play(file);
                // Some rounds let the engine report between the loads, some do not.
                if (round % 2)
                    QCoreApplication::processEvents();
            }
            QTRY_COMPARE_WITH_TIMEOUT(engine.state(), MediaPlayer::State::Playing, 10000);
            QCOMPARE(engine.property("path"), files.last());
        }
    }

    void positionAndTimeStartAfreshForEachItemAndAfterAFailure()
    {
        start();
        openFiles({media("long.wav", 8000)}, 1);
        auto* seek = shownPlayer()->findChild<QSlider*>(QStringLiteral("seek"));
        auto* time = shownPlayer()->findChild<QLabel*>(QStringLiteral("time"));
        QTRY_VERIFY_WITH_TIMEOUT(seek->value() >= 1, 10000);
        openFiles({folder->file(QStringLiteral("missing.wav"))}, 1);
        QCOMPARE(seek->value(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(
            shownPlayer()->findChild<QLabel*>(QStringLiteral("errorLine"))->isVisibleTo(shownPlayer()),
            10000);
        QCOMPARE(seek->value(), 0);
        QVERIFY(!seek->isEnabled());
        QCOMPARE(time->text(), QString());
    }

    void everyControlStandsOutOnItsBarAndSaysWhatItIs_data()
    {
        QTest::addColumn<bool>("darkTheme");
        QTest::newRow("light theme") << false;
        QTest::newRow("dark theme") << true;
    }
    void everyControlStandsOutOnItsBarAndSaysWhatItIs()
    {
        QFETCH(bool, darkTheme);
        const QPalette before = QApplication::palette();
        QPalette theme = before;
        theme.setColor(QPalette::Window, darkTheme ? QColor(0x20, 0x20, 0x20) : QColor(0xef, 0xef, 0xef));
        theme.setColor(QPalette::WindowText, darkTheme ? Qt::white : Qt::black);
        theme.setColor(QPalette::ButtonText, darkTheme ? Qt::white : Qt::black);
        QApplication::setPalette(theme);
        start();
        openFiles({media("a.wav", 3000)}, 1);
        QWidget* bar = shownPlayer()->findChild<QWidget*>(QStringLiteral("controls"));
        QTRY_VERIFY(bar->isVisible());
        for (const char* name : {"playPause", "stop", "mute", "seek", "volume"}) {
            auto* control = bar->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(control && !control->toolTip().isEmpty(), name);
        }
        for (const char* name : {"playPause", "stop", "mute"}) {
            const QImage picture = bar->findChild<QWidget*>(QString::fromLatin1(name))->grab().toImage();
            int brightest = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    brightest = std::max(brightest, qGray(picture.pixel(x, y)));
            const int barGray = qGray(bar->palette().color(QPalette::Window).rgb());
            QVERIFY2(brightest - barGray > 150,
                qPrintable(QStringLiteral("%1: %2 on %3")
                               .arg(QString::fromLatin1(name))
                               .arg(brightest)
                               .arg(barGray)));
        }
        QApplication::setPalette(before);
    }

    void theStartPageNamesWhatPlaysAndOpensItsPages()
    {
        start();
        StartPage* page = window().findChild<StartPage*>();
        QVERIFY(page->noteText->text().contains(folder->path()));
        QVERIFY(!page->noteText->text().contains(QStringLiteral("ADMINISTRATOR")));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), page->engineButton->mapToGlobal(QPointF(2, 2)),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(page->engineButton, &move);
        QVERIFY(page->engineButtonLit->isVisibleTo(page) && !page->engineButton->isVisibleTo(page));
        QVERIFY(page->codecsButton->isVisibleTo(page) && !page->codecsButtonLit->isVisibleTo(page));
        QTest::mouseClick(page->engineButtonLit, Qt::LeftButton);
        QCOMPARE(platform.shell->opened.value(0), QUrl(QString::fromLatin1(StartPage::kEnginePage)));
    }

    void inArabicEachNameStaysAboveItsButton()
    {
        folder->copyShippedLanguage(QStringLiteral("arabic"));
        start({{6, QStringLiteral("language=arabic")}});
        StartPage* page = window().findChild<StartPage*>();
        page->resize(536, 400);
        QTRY_VERIFY(page->engineButton->isVisible());
        const auto centreX = [page](QWidget* w) { return w->mapTo(page, w->rect().center()).x(); };
        QVERIFY(centreX(page->engineButton) > centreX(page->codecsButton)); // mirrored
        QVERIFY(qAbs(centreX(page->engineName) - centreX(page->engineButton)) < 10);
        QVERIFY(qAbs(centreX(page->codecsName) - centreX(page->codecsButton)) < 10);
    }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
