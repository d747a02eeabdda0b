#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "playback/core/NowPlaying.h"
#include "schedule/ProgramTimeEditor.h"
#include "schedule/ReminderWindow.h"
#include "schedule/ScheduleCommands.h"
#include "schedule/ScheduledListWindow.h"
#include "schedule/core/DayNumber.h"
#include "schedule/core/ScheduleFile.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"
#include "ui/NumberField.h"

#include "support/AppTestCase.h"
#include "support/FakeNotificationService.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

// Scheduling a program from the tree, the list window and the reminders, with the
// program's clock set by the test and a notification service on a private session bus.
class ScheduleTest : public AppTestCase {
    Q_OBJECT

private:
    const QDate today {2026, 12, 7};

    void start(const QList<QPair<int, QString>>& inf = {}) { QVERIFY(startWith(inf)); }
    ScheduleCommands& schedule() { return app->schedule(); }
    QByteArray file() const { return folder->read(QStringLiteral("scheduledprograms")); }

    // Opens the time editor on the tree node, lets `act` work in it, then closes it.
    void inEditorOf(const QString& key, const std::function<void(ProgramTimeEditor&)>& act)
    {
        select(key);
        whenModalShows(
            [act](QWidget* modal) {
                auto* editor = qobject_cast<ProgramTimeEditor*>(modal);
                QVERIFY(editor);
                act(*editor);
                editor->closeButton->click();
            },
            10000, QStringLiteral("the time editor"));
        window().menus().scheduleProgramAction->trigger();
    }
    // Presses the button and returns the text of the message box it opens.
    static QString messageAfter(QPushButton* button)
    {
        QString said;
        whenModalShows([&said](QWidget* box) {
            said = box->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            box->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        button->click();
        return said;
    }
    void writePrograms(const QVector<ScheduledProgram>& programs)
    {
        folder->write(QStringLiteral("scheduledprograms"), ScheduleFile::toBytes(programs));
    }
    ScheduledProgram oneOff(const char* name, const QTime& at, const QByteArray& address = "gssor9..mdvr-dw")
    {
        return {QString::fromUtf8(name), QStringLiteral("News One"),
            DayNumber::fromDateTime(QDateTime(today, at)), address};
    }
    ScheduledProgram daily(const char* name, const QTime& at, const QByteArray& address = "gssor9..mdvr-dw")
    {
        return {QString::fromUtf8(name), QStringLiteral("News One"), DayNumber::fromTime(at), address};
    }
    void startReminding(const QTime& now)
    {
        platform.now = QDateTime(today, now);
        start({{11, QStringLiteral("remindme=1")}, {12, QStringLiteral("beforestartby=5")},
            {13, QStringLiteral("remindmeevery=1")}});
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->writeInf();
        platform.now = QDateTime(today, QTime(12, 0));
    }
    void cleanup()
    {
        tearDownFolder();
        platform.desktopNotifications = false;
    }

    void theEditorFromTheTreeProposesAnEveryDayProgram()
    {
        start();
        inEditorOf(QStringLiteral("C1"), [this](ProgramTimeEditor& editor) {
            QVERIFY(editor.everyDayCheck->isChecked());
            QVERIFY(!editor.day->box()->isEnabled() && !editor.year->box()->isEnabled());
            QCOMPARE(editor.day->box()->text(), QStringLiteral("7"));
            QCOMPARE(editor.year->box()->text(), QStringLiteral("2026")); // this year can be chosen
            QCOMPARE(editor.hours->box()->text(), QStringLiteral("0"));
            QCOMPARE(editor.channelNameEdit->text(), QStringLiteral("Texas Sports"));
            QVERIFY(!editor.modifyButton->isEnabled());
            editor.everyDayCheck->click();
            QVERIFY(editor.day->box()->isEnabled());
        });
    }

    void theFieldsKeepTheirRanges()
    {
        start();
        inEditorOf(QStringLiteral("C0"), [](ProgramTimeEditor& editor) {
            editor.everyDayCheck->setChecked(false);
            QLineEdit* minutes = editor.minutes->box();
            minutes->clear();
            QTest::keyClicks(minutes, QStringLiteral("7x5"));
            QCOMPARE(minutes->text(), QStringLiteral("59")); // x never reached the box
            QCOMPARE(editor.minutes->spinner()->value(), 59);
            editor.day->box()->selectAll();
            QTest::keyClicks(editor.day->box(), QStringLiteral("0"));
            QCOMPARE(editor.day->box()->text(), QStringLiteral("1"));
            editor.year->box()->selectAll();
            QTest::keyClicks(editor.year->box(), QStringLiteral("2099"));
            QCOMPARE(editor.year->box()->text(), QStringLiteral("2036")); // ten years ahead
            editor.hours->spinner()->setValue(21);
            QCOMPARE(editor.hours->box()->text(), QStringLiteral("21"));
            // The name takes what its field in the file holds, cut where a character begins.
            editor.programNameEdit->clear();
            for (int n = 0; n < 30; ++n)
                QTest::sendKeyEvent(
                    QTest::Click, editor.programNameEdit, Qt::Key_unknown, QString(QChar(0xFC)), {});
            QCOMPARE(editor.programNameEdit->text(), QString(25, QChar(0xFC)));
        });
    }

    void setStoresAndRefusesAnEmptyNameAndADuplicate()
    {
        start();
        inEditorOf(QStringLiteral("C0"), [this](ProgramTimeEditor& editor) {
            QCOMPARE(messageAfter(editor.setButton), app->program().texts.text(123));
            editor.programNameEdit->setText(QStringLiteral("Evening News"));
            editor.hours->setValue(20);
            editor.minutes->setValue(30);
            QCOMPARE(messageAfter(editor.setButton), app->program().texts.text(124));
            QCOMPARE(messageAfter(editor.setButton), app->program().texts.text(125));
        });
        QCOMPARE(file().size(), 340);
        const ScheduledProgram stored = schedule().store().programs().value(0);
        QCOMPARE(stored.programName, QStringLiteral("Evening News"));
        QCOMPARE(stored.channelAddress, QByteArray("gssor9..mdvr-dw"));
        QCOMPARE(*DayNumber::toDateTime(stored.startTime), QDateTime(QDate(1899, 12, 30), QTime(20, 30)));
        inEditorOf(QStringLiteral("C1"), [this](ProgramTimeEditor& editor) {
            editor.programNameEdit->setText(QStringLiteral("Evening News")); // another channel
            editor.everyDayCheck->setChecked(false);
            editor.day->setValue(31);
            editor.month->setValue(4);
            QCOMPARE(messageAfter(editor.setButton), app->program().texts.text(124));
        });
        QCOMPARE(file().size(), 680);
        QCOMPARE(
            DayNumber::toDateTime(schedule().store().programs()[1].startTime)->date(), QDate(2026, 5, 1));
    }

    void theListShowsDeletesAndModifies()
    {
        writePrograms({daily("Morning", QTime(8, 5)), oneOff("Match", QTime(21, 0), "gssor9..roqsr-dw"),
            daily("Late", QTime(23, 0))});
        start();
        window().menus().scheduledProgramsAction->trigger();
        ScheduledListWindow* list = schedule().listWindow();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->programsView->topLevelItemCount(), 3);
        QCOMPARE(list->programsView->topLevelItem(0)->text(2),
            ScheduledListWindow::startText(DayNumber::fromTime(QTime(8, 5))));
        QVERIFY(list->programsView->topLevelItem(0)->text(2).startsWith(QStringLiteral("08")));
        QVERIFY(list->programsView->topLevelItem(1)->text(2).startsWith(QStringLiteral("07")));
        QVERIFY(list->programsView->topLevelItem(1)->text(2).contains(QStringLiteral("2026")));
        QCOMPARE(list->windowTitle(), app->program().texts.text(117).chopped(3));

        list->programsView->setCurrentItem(list->programsView->topLevelItem(1));
        list->deleteButton->click();
        QCOMPARE(file().size(), 680);
        QCOMPARE(list->programsView->topLevelItemCount(), 2);
        QCOMPARE(list->programsView->topLevelItem(1)->data(0, Qt::UserRole).toString(), QStringLiteral("S1"));
        QCOMPARE(list->programsView->topLevelItem(1)->text(1), QStringLiteral("Late"));

        list->programsView->setCurrentItem(list->programsView->topLevelItem(1));
        whenModalShows([this](QWidget* modal) {
            auto* editor = qobject_cast<ProgramTimeEditor*>(modal);
            QVERIFY(editor && editor->modifyButton->isEnabled() && !editor->setButton->isEnabled());
            QCOMPARE(editor->hours->box()->text(), QStringLiteral("23"));
            editor->programNameEdit->setText(QStringLiteral("Later"));
            editor->minutes->setValue(15);
            QCOMPARE(messageAfter(editor->modifyButton), app->program().texts.text(124));
            editor->closeButton->click();
        });
        list->modifyButton->click();
        QCOMPARE(list->programsView->topLevelItem(1)->text(1), QStringLiteral("Later"));
        const ScheduledProgram changed = schedule().store().programs()[1];
        QCOMPARE(changed.channelAddress, QByteArray("gssor9..mdvr-dw"));
        QCOMPARE(DayNumber::toDateTime(changed.startTime)->time(), QTime(23, 15));
        list->close();
    }

    void aReminderShowsInTheCornerAndRunsTheChannel()
    {
        writePrograms({oneOff("Sports Hour", QTime(12, 3), "gssor9..roqsr-dw")});
        startReminding(QTime(12, 0));
        ReminderWindow* reminder = schedule().reminderShown();
        QVERIFY(reminder && reminder->isVisible());
        QVERIFY(reminder->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(reminder->messageLabel->text().contains(QStringLiteral("Sports Hour")));
        QVERIFY(reminder->messageLabel->text().endsWith(QStringLiteral(" ( 12:03:00 ) ")));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_COMPARE(reminder->frameGeometry().bottomRight(), free.bottomRight());

        window().viewSelector().setCurrentIndex(2); // the favorites: the run switches back
        reminder->runProgramButton->click();
        QCOMPARE(app->catalogueView().currentView(), 1);
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("C1"));
        QCOMPARE(window().nowPlaying(), QStringLiteral("Texas Sports"));
        QTRY_VERIFY(!schedule().reminderShown());

        // The channel now plays: no reminder for it.
        schedule().tick(); // the minute timer's tick
        QVERIFY(!schedule().reminderShown());
    }

    void anOpenReminderIsNotStackedAndComesAgainOnceClosed()
    {
        writePrograms({oneOff("Show", QTime(12, 5))});
        startReminding(QTime(12, 0));
        QVERIFY(schedule().reminderShown());
        const int before = window().findChildren<ReminderWindow*>().size();
        platform.now = platform.now.addSecs(60);
        schedule().tick(); // the minute timer's tick
        QCOMPARE(window().findChildren<ReminderWindow*>().size(), before);
        schedule().reminderShown()->closeButton->click();
        QTRY_VERIFY(!schedule().reminderShown());
        platform.now = platform.now.addSecs(60);
        schedule().tick(); // the minute timer's tick
        QVERIFY(schedule().reminderShown());
        schedule().reminderShown()->close();
    }

    void aProgramWhoseChannelIsGoneSaysSo()
    {
        writePrograms({oneOff("Gone", QTime(12, 2), "gssor9..mn-rtbg")});
        startReminding(QTime(12, 0));
        ReminderWindow* reminder = schedule().reminderShown();
        QVERIFY(reminder);
        QCOMPARE(messageAfter(reminder->runProgramButton), app->program().texts.text(130));
        QTRY_VERIFY(!schedule().reminderShown());
    }

    void theMenuSwitchesTheSchedulerOnAndOff()
    {
        start({{11, QStringLiteral("remindme=0")}});
        QVERIFY(!app->schedule().remindersRunning());
        window().menus().runRemindersAction->trigger();
        QVERIFY(app->schedule().remindersRunning());
        QVERIFY(window().menus().runRemindersAction->isChecked());
        window().menus().stopRemindersAction->trigger();
        QVERIFY(!app->schedule().remindersRunning());
        QVERIFY(!window().menus().runRemindersAction->isChecked());
    }

    void eachReminderIsADesktopNotificationWhoseWatchPlays()
    {
        FakeNotificationService service;
        QVERIFY2(service.registered(), "no session bus: run under dbus-run-session");
        platform.desktopNotifications = true;
        writePrograms({oneOff("Sports Hour", QTime(12, 3), "gssor9..roqsr-dw")});
        startReminding(QTime(12, 0));
        QTRY_COMPARE(service.shown().size(), 1);
        QCOMPARE(service.shown()[0].summary, app->program().texts.text(129));
        QVERIFY(service.shown()[0].body.contains(QStringLiteral("Sports Hour")));
        QCOMPARE(service.shown()[0].actions.value(0), QStringLiteral("watch"));
        service.choose(1, QStringLiteral("watch"));
        QTRY_COMPARE(window().nowPlaying(), QStringLiteral("Texas Sports"));
        QTRY_VERIFY(!schedule().reminderShown());
    }
};

QTEST_MAIN(ScheduleTest)
#include "schedule_test.moc"
