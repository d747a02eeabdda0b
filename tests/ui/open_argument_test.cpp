#include "favorites/PlaylistSourceDialog.h"
#include "platform/core/LockFileInstanceGuard.h"

#include "support/AppTestCase.h"
#include "support/MediaFiles.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QPushButton>

// What the program is given to open: on its command line, and from a later copy that
// hands it over to the running one.
class OpenArgumentTest : public AppTestCase {
    Q_OBJECT

private:
    TempFolder media;

    std::unique_ptr<Application> startCopy(const QString& argument, bool& started)
    {
        PlatformServices services = platform.services();
        services.instanceGuard = std::make_unique<LockFileInstanceGuard>(folder->path());
        auto copy = std::make_unique<Application>(ProgramFolder(folder->path()), std::move(services));
        started = copy->start(argument);
        return copy;
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->writeInf({});
    }
    void cleanup() { tearDownFolder(); }

    void theFirstCopyPlaysItsArgumentAndWhatALaterCopyHandsOver()
    {
        const QString first = MediaFiles::writeVideo(media.file(QStringLiteral("first.mp4")), 3);
        const QString second = MediaFiles::writeVideo(media.file(QStringLiteral("second.mp4")), 3);
        bool started = false;
        app = startCopy(first, started);
        QVERIFY(started);
        QCOMPARE(app->nowPlaying().currentRoot, first);
        QVERIFY(window().isVisible());

        // The later copy says the program runs, hands its file over and ends.
        whenModalShows([](QWidget* notice) {
            QCOMPARE(notice->objectName(), QStringLiteral("Waiting"));
            notice->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        bool laterStarted = true;
        const std::unique_ptr<Application> later = startCopy(second, laterStarted);
        QVERIFY(!laterStarted);
        QTRY_COMPARE(app->nowPlaying().currentRoot, second);
        QCOMPARE(window().nowPlaying(), second);
    }

    void aPlaylistIsOfferedForImport()
    {
        const QString list = media.write(QStringLiteral("tv.m3u"), "#EXTM3U\n#EXTINF:-1,A\nhttp://h/a\n");
        QString offered;
        whenModalShows([&offered](QWidget* modal) {
            auto* dialog = qobject_cast<PlaylistSourceDialog*>(modal);
            QVERIFY(dialog);
            offered = dialog->sourceEdit->text();
            dialog->cancelButton->click();
        });
        bool started = false;
        app = startCopy(list, started);
        QVERIFY(started);
        QCOMPARE(offered, list);
        QCOMPARE(app->catalogue().favoriteCount(), 0); // nothing without the user's yes
    }
};

QTEST_MAIN(OpenArgumentTest)
#include "open_argument_test.moc"
