#include "base/StoredField.h"
#include "favorites/PlaylistCommands.h"
#include "guide/GuideCommands.h"
#include "guide/GuideNowPanel.h"
#include "guide/GuideWindow.h"
#include "schedule/ScheduleCommands.h"
#include "schedule/ScheduledListWindow.h"
#include "schedule/core/DayNumber.h"

#include "support/AppTestCase.h"
#include "support/GuideFiles.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <ctime>

// The programme guide in the running program: a loopback site serves a gzip guide and a
// playlist whose header names it; the program's clock is the test's.
class GuideTest : public AppTestCase {
    Q_OBJECT

private:
    std::unique_ptr<TestHttpServer> server;
    QString site;
    const QDateTime noon = QDateTime(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());

    GuideCommands& guide() { return app->guide(); }
    QUrl siteUrl(const QString& name) { return server->url(QStringLiteral("/") + name); }

    void serve(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(site).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // "News One" of the lists matches the guide by name; the playlist's channel by its id.
    QByteArray dayGuide(int offsetSeconds = 3600)
    {
        using GuideFiles::Show;
        const QString one = QStringLiteral("news.example"), two = QStringLiteral("playlist.example");
        return GuideFiles::gzip(GuideFiles::guide(
            {{one, {QStringLiteral("News One HD")}}, {two, {QStringLiteral("Quite Another Name")}}},
            {Show {one, noon.addSecs(-3600), 60, QStringLiteral("Morning Show"), QStringLiteral("m"),
                 offsetSeconds},
                Show {one, noon, 30, QStringLiteral("Noon Report"), QStringLiteral("The news at noon."),
                    offsetSeconds},
                Show {one, noon.addSecs(1800), 90, QStringLiteral("Afternoon Film"), QStringLiteral("f"),
                    offsetSeconds},
                Show {two, noon.addSecs(-1200), 40, QStringLiteral("Talk Time"), QStringLiteral("t"),
                    -5 * 3600},
                Show {
                    two, noon.addSecs(1200), 60, QStringLiteral("Late Lunch"), QStringLiteral("l"), 19800}}));
    }

    void startServing()
    {
        site = folder->file(QStringLiteral("site"));
        QDir().mkpath(site);
        server = std::make_unique<TestHttpServer>(site);
        QVERIFY(server->running());
    }

    void startAt(const QDateTime& now)
    {
        platform.realTransfer = true;
        platform.now = now.toLocalTime();
        QVERIFY(startWith());
    }

    // Imports a playlist of the site through the program's own command, closing its summary.
    void importPlaylist(const QString& name)
    {
        QSignalSpy ended(&app->playlists(), &PlaylistCommands::importEnded);
        bool summaryClosed = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, &closer, [&summaryClosed] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* ok = modal && modal->isVisible() ? modal->findChild<QPushButton*>(QStringLiteral("cmdOk")) : nullptr;
            if (ok) {
                ok->click();
                summaryClosed = true;
            }
        });
        closer.start(20);
        app->playlists().importFrom(siteUrl(name).toString());
        QVERIFY(ended.wait(20000) || !ended.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(summaryClosed, 10000);
    }

    void playlistNamingTheGuide()
    {
        serve(QStringLiteral("guide.xml.gz"), dayGuide());
        const QByteArray playlist
            = "#EXTM3U url-tvg=\"guide.xml.gz\"\n"
              "#EXTINF:-1 tvg-id=\"playlist.example\" group-title=\"News\",Playlist Channel\n"
              "http://127.0.0.1:9/live/one.m3u8\n";
        serve(QStringLiteral("list.m3u"), playlist);
    }

    QString toolTipOf(const QString& key) { return node(key).data(Qt::ToolTipRole).toString(); }

    void openGuideOf(const QString& key)
    {
        select(key);
        action("MnuGuide")->trigger();
        QTRY_VERIFY(guide().guideWindow() && guide().guideWindow()->isVisible());
    }

    QVector<ScheduledProgram> scheduled() { return app->schedule().store().programs(); }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void init()
    {
        setUpFolder();
        startServing();
    }
    void cleanup()
    {
        tearDownFolder();
        server.reset();
    }

    void aPlaylistsGuideGivesNowAndNextInThePanelAndTheTooltip()
    {
        playlistNamingTheGuide();
        startAt(noon.addSecs(600));
        QSignalSpy changed(&guide().library(), &GuideLibrary::changed);
        importPlaylist(QStringLiteral("list.m3u"));
        QVERIFY(guide().library().sources().contains(siteUrl(QStringLiteral("guide.xml.gz")).toString()));
        QTRY_VERIFY_WITH_TIMEOUT(guide().library().table()->channels().size() == 2, 20000);

        // The favorite by the id its playlist gave it, though its name differs.
        QCOMPARE(app->catalogueView().currentView(), TreeBuilder::Favorites);
        select(QStringLiteral("F0"));
        GuideNowPanel& panel = guide().panel();
        QTRY_VERIFY(panel.isVisible());
        QCOMPARE(panel.nowLabel->text(), QStringLiteral("Now: 12:40\u201313:20 Talk Time")); // given at -0500
        QCOMPARE(panel.nextLabel->text(), QStringLiteral("Next: 13:20 Late Lunch")); // given at +0530
        QCOMPARE(panel.progress->value(), 750); // 30 of 40 minutes

        // A channel of the lists by its name, compared without case, blanks or "HD".
        app->catalogueView().showView(TreeBuilder::ByCategory);
        select(QStringLiteral("C0"));
        QTRY_COMPARE(panel.nowLabel->text(), QStringLiteral("Now: 13:00\u201313:30 Noon Report"));
        QCOMPARE(toolTipOf(QStringLiteral("C0")), QStringLiteral("On now: 13:00\u201313:30 Noon Report"));
        QCOMPARE(toolTipOf(QStringLiteral("C1")), QString()); // no guide for it
        select(QStringLiteral("C1"));
        QTRY_VERIFY(!panel.isVisible());

        // The clock moves on: the panel follows within its tick.
        platform.now = noon.addSecs(1800 + 60).toLocalTime();
        select(QStringLiteral("C0"));
        QTRY_COMPARE(panel.nowLabel->text(), QStringLiteral("Now: 13:30\u201315:00 Afternoon Film"));
        // The copy is kept, so the next start reads it without the network.
        QVERIFY(
            QFile::exists(guide().library().keptCopyOf(siteUrl(QStringLiteral("guide.xml.gz")).toString())));
    }

    void remindMeWritesTheWholeRecordTheListWindowShows()
    {
        playlistNamingTheGuide();
        startAt(noon.addSecs(600));
        importPlaylist(QStringLiteral("list.m3u"));
        QTRY_VERIFY_WITH_TIMEOUT(guide().library().table()->channels().size() == 2, 20000);
        app->catalogueView().showView(TreeBuilder::ByCategory);
        openGuideOf(QStringLiteral("C0"));
        GuideWindow* window = guide().guideWindow();
        QVERIFY(window->descriptionView->toPlainText().contains(QStringLiteral("The news at noon.")));
        QVERIFY(window->programmesView->currentItem()->text(0).startsWith(QStringLiteral("\u25B6 13:00")));
        const qint64 film = noon.addSecs(1800).toSecsSinceEpoch();
        QVERIFY(window->selectStartingAt(film));
        window->remindButton->click();

        QCOMPARE(scheduled().size(), 1);
        const ScheduledProgram program = scheduled().first();
        QCOMPARE(program.programName, QStringLiteral("Afternoon Film"));
        QCOMPARE(program.channelName, QStringLiteral("News One"));
        QCOMPARE(*DayNumber::toDateTime(program.startTime), QDateTime(QDate(2026, 12, 7), QTime(13, 30)));
        QCOMPARE(StoredField::decodeAddress(program.channelAddress),
            StoredField::decodeAddress(app->catalogue().channel(0)->address));
        QFile file(app->program().folder.file(QStringLiteral("scheduledprograms")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), 340); // one whole record
        QCOMPARE(window->programmesView->currentItem()->data(1, Qt::AccessibleDescriptionRole).toString(),
            QStringLiteral("scheduled")); // the bell

        // Once is enough: the same programme on the same channel is refused, as the editor does.
        whenModalShows([](QWidget* modal) {
            QVERIFY(modal->findChild<QLabel*>() != nullptr);
            modal->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        window->remindButton->click();
        QCOMPARE(scheduled().size(), 1);

        action("SMnuScheduledPrograms")->trigger();
        QTRY_VERIFY(app->schedule().listWindow());
        QTRY_COMPARE(app->schedule().listWindow()->programsView->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = app->schedule().listWindow()->programsView->topLevelItem(0);
        QStringList shownTexts;
        for (int column = 0; column < row->columnCount(); ++column)
            shownTexts << row->text(column);
        QVERIFY2(shownTexts.contains(QStringLiteral("Afternoon Film")), qPrintable(shownTexts.join(u'|')));
    }

    void programmesInOtherOffsetsAndAcrossTheClockChangeRemindAtTheirLocalTime()
    {
        // 29 March 2026: Berlin's clocks go from 02:00 to 03:00 at 01:00 UTC.
        using GuideFiles::Show;
        const QDateTime beforeChange(QDate(2026, 3, 29), QTime(0, 30), QTimeZone::utc());
        const QDateTime afterChange(QDate(2026, 3, 29), QTime(1, 30), QTimeZone::utc());
        const QString id = QStringLiteral("news.example");
        serve(QStringLiteral("guide.xml.gz"),
            GuideFiles::gzip(GuideFiles::guide({{id, {QStringLiteral("News One")}}},
                {Show {id, beforeChange, 30, QStringLiteral("Before"), QStringLiteral("b"), 19800},
                    Show {id, afterChange, 30, QStringLiteral("After"), QStringLiteral("a"), -8 * 3600}})));
        startAt(QDateTime(QDate(2026, 3, 28), QTime(20, 0), QTimeZone::utc()));
        QString why;
        QVERIFY2(guide().library().addSource(siteUrl(QStringLiteral("guide.xml.gz")).toString(), &why),
            qPrintable(why));
        QTRY_VERIFY_WITH_TIMEOUT(guide().library().table()->programmes().size() == 2, 20000);
        app->catalogueView().showView(TreeBuilder::ByCategory);
        openGuideOf(QStringLiteral("C0"));
        for (const QDateTime& start : {beforeChange, afterChange}) {
            QVERIFY(guide().guideWindow()->selectStartingAt(start.toSecsSinceEpoch()));
            guide().guideWindow()->remindButton->click();
        }
        QCOMPARE(scheduled().size(), 2);
        QCOMPARE(*DayNumber::toDateTime(scheduled()[0].startTime),
            QDateTime(QDate(2026, 3, 29), QTime(1, 30))); // CET
        QCOMPARE(*DayNumber::toDateTime(scheduled()[1].startTime),
            QDateTime(QDate(2026, 3, 29), QTime(3, 30))); // CEST
    }

    void aGuideThatIsNotWholeXmltvIsReportedAndNeverKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("said");
        QByteArray cut
            = GuideFiles::gzip(GuideFiles::guide({{QStringLiteral("a"), {QStringLiteral("A")}}}, {}));
        cut.chop(30);
        QTest::newRow("malformed") << "bad.xml" << QByteArray("<tv><channel id=\"a\"></tv>") << "well-formed";
        QTest::newRow("a web page") << "page.xml" << QByteArray("<html><body>Not here</body></html>")
                                    << "not an XMLTV";
        QTest::newRow("cut short") << "cut.xml.gz" << cut << "unpacked";
        QTest::newRow("missing") << "missing.xml" << QByteArray() << "not found";
    }
    void aGuideThatIsNotWholeXmltvIsReportedAndNeverKept()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, body);
        QFETCH(QString, said);
        if (!body.isEmpty())
            serve(name, body);
        startAt(noon);
        QString shown;
        // The address is typed into the dialog the menu opens, then the message is read.
        whenModalShows([this, name](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog);
            dialog->setTextValue(siteUrl(name).toString());
            dialog->accept();
        });
        whenModalShows(
            [&shown](QWidget* modal) {
                if (auto* label = modal->findChild<QLabel*>(QStringLiteral("Label1")))
                    shown = label->text();
                modal->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
            },
            20000, QStringLiteral("the message"));
        action("MnuGuideSource")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 20000);
        QVERIFY2(shown.contains(said, Qt::CaseInsensitive), qPrintable(shown));
        QVERIFY(!QFile::exists(guide().library().keptCopyOf(siteUrl(name).toString())));
        QVERIFY(guide().library().table()->channels().isEmpty());
    }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
