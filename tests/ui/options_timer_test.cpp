#include "app/Application.h"
#include "options/OptionsCommand.h"
#include "options/OptionsDialog.h"
#include "playback/Playback.h"
#include "playback/RecentFilesMenu.h"
#include "playback/core/NowPlaying.h"
#include "schedule/ScheduleCommands.h"
#include "state/ProgramState.h"
#include "timer/TurnOffCommands.h"
#include "timer/TurnOffDialog.h"
#include "ui/MainWindow.h"
#include "ui/NumberField.h"

#include "support/AppTestCase.h"
#include "support/FakeLogind.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

// The Options dialog and the turn-off timer in the running program; the power-off goes to
// a fake logind on the test's private bus, which the program takes for the system bus.
class OptionsTimerTest : public AppTestCase {
    Q_OBJECT

private:
    QByteArray inf() const { return folder->read(QStringLiteral("inf")); }

    // Opens Options, lets `act` work in the dialog; `act` ends it with OK or Cancel.
    void inOptions(const std::function<void(OptionsDialog&)>& act)
    {
        whenModalShows(
            [act](QWidget* modal) {
                auto* dialog = qobject_cast<OptionsDialog*>(modal);
                QVERIFY(dialog);
                act(*dialog);
                if (dialog->isVisible())
                    dialog->cancelButton->click();
            },
            10000, QStringLiteral("the Options dialog"));
        window().menus().advancedOptionsAction->trigger();
    }
    static void typeInto(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        box->del();
        QTest::keyClicks(box, text);
    }
    TurnOffDialog& timerDialog()
    {
        window().menus().turnOffTimeAction->trigger();
        return *app->turnOff().dialog();
    }
    void tickAt(int secondsAfterStart)
    {
        platform.now = start.addSecs(secondsAfterStart);
        app->turnOff().tick(); // the second timer's tick
    }
    const QDateTime start {QDate(2026, 12, 7), QTime(7, 4, 50)};

    // Clicks one part of a spinner, as a user does.
    static void press(QScrollBar* spinner, QStyle::SubControl part)
    {
        QStyleOptionSlider option;
        option.initFrom(spinner);
        option.subControls = QStyle::SC_All;
        option.orientation = spinner->orientation();
        option.minimum = spinner->minimum();
        option.maximum = spinner->maximum();
        option.sliderPosition = spinner->sliderPosition();
        option.sliderValue = spinner->value();
        option.singleStep = spinner->singleStep();
        option.pageStep = spinner->pageStep();
        option.upsideDown = spinner->invertedAppearance();
        const QRect rect = spinner->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, spinner);
        QVERIFY2(rect.isValid(), "the spinner has no such part");
        QTest::mouseClick(spinner, Qt::LeftButton, {}, rect.center());
    }

    // The upper arrow counts up and the lower one down.
    static void checkArrows(QScrollBar* spinner, QLineEdit* box, const QString& start)
    {
        spinner->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(spinner->window()));
        const auto number = [box] { return box->text().toInt(); };
        box->setText(start);
        const int from = number();
        press(spinner, QStyle::SC_ScrollBarSubLine); // the upper arrow
        QCOMPARE(number(), from + 1);
        press(spinner, QStyle::SC_ScrollBarAddLine); // the lower arrow
        press(spinner, QStyle::SC_ScrollBarAddLine);
        QCOMPARE(number(), from - 1);
    }

private Q_SLOTS:
    void everySpinnersUpperArrowCountsUp()
    {
        QVERIFY(startWith({{11, QStringLiteral("remindme=1")}, {12, QStringLiteral("beforestartby=10")},
            {13, QStringLiteral("remindmeevery=2")}}));
        inOptions([](OptionsDialog& d) {
            checkArrows(d.history->spinner(), d.historyLengthEdit, QStringLiteral("7"));
            checkArrows(d.remindBeforeSpinner, d.remindBeforeEdit, QStringLiteral("7"));
            checkArrows(d.remindEverySpinner, d.remindEveryEdit, QStringLiteral("3"));
        });
        TurnOffDialog& timer = timerDialog();
        for (NumberField* field : {timer.hoursAfter, timer.minutesAfter, timer.secondsAfter})
            checkArrows(field->spinner(), field->box(), QStringLiteral("5"));
        timer.atOption->click();
        for (NumberField* field : {timer.hourAt, timer.minuteAt, timer.secondAt})
            checkArrows(field->spinner(), field->box(), QStringLiteral("5"));
        timer.close();
    }

    void initTestCase()
    {
        // The program's system bus is the private bus of this test.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS"));
    }
    void init()
    {
        setUpFolder();
        folder->writeInf();
        platform.now = start;
    }
    void cleanup()
    {
        tearDownFolder();
        platform.logindPower = false;
    }

    void storedValuesOutOfRangeLoadAsOne()
    {
        QVERIFY(startWith({{11, QStringLiteral("remindme=1")}, {12, QStringLiteral("beforestartby=25")},
            {13, QStringLiteral("remindmeevery=9")}}));
        inOptions([](OptionsDialog& d) {
            QCOMPARE(d.remindBeforeEdit->text(), QStringLiteral("1"));
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("1"));
        });
        QVERIFY(startWith({{11, QStringLiteral("remindme=1")}, {12, QStringLiteral("beforestartby=5")},
            {13, QStringLiteral("remindmeevery=9")}}));
        inOptions([](OptionsDialog& d) {
            QCOMPARE(d.remindBeforeEdit->text(), QStringLiteral("5"));
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("1"));
            QVERIFY(d.remindMeCheck->isChecked() && d.remindBeforeEdit->isEnabled());
        });
    }

    void theReminderTimesKeepEachOtherInRange()
    {
        QVERIFY(startWith({{11, QStringLiteral("remindme=1")}, {12, QStringLiteral("beforestartby=5")},
            {13, QStringLiteral("remindmeevery=1")}}));
        inOptions([](OptionsDialog& d) {
            typeInto(d.remindEveryEdit, QStringLiteral("7")); // above 5: 5, the spinner's top, wraps to 1
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("1"));
            QCOMPARE(d.remindEverySpinner->value(), 1);
            typeInto(d.remindBeforeEdit, QStringLiteral("10"));
            d.remindEverySpinner->setValue(6);
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("6"));
            d.remindBeforeSpinner->setValue(4); // lowering the minutes before lowers the interval
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("4"));
            QCOMPARE(d.remindBeforeEdit->text(), QStringLiteral("4"));
            typeInto(d.historyLengthEdit, QStringLiteral("99"));
            QCOMPARE(d.historyLengthEdit->text(), QStringLiteral("15"));
            d.remindBeforeEdit->clear();
            QCOMPARE(d.remindBeforeEdit->text(), QStringLiteral("1"));
            QTest::keyClicks(d.remindEveryEdit, QStringLiteral("a-"));
            QCOMPARE(d.remindEveryEdit->text(), QStringLiteral("1")); // only digits reach the box
        });
    }

    void okWithTheReminderClearWritesItAndStopsTheScheduler()
    {
        QVERIFY(startWith({{11, QStringLiteral("remindme=1")}}));
        QVERIFY(app->schedule().remindersRunning());
        window().menus().runRemindersAction->trigger();
        inOptions([](OptionsDialog& d) {
            d.remindMeCheck->setChecked(false);
            d.minimizeOnCloseCheck->setChecked(true);
            typeInto(d.historyLengthEdit, QStringLiteral("4"));
            d.okButton->click();
        });
        QVERIFY(inf().contains("\r\nremindme=0\r\n"));
        QVERIFY(inf().contains("\r\nminimizeclose=1\r\n"));
        QVERIFY(inf().contains("\r\nmru=4\r\n"));
        QVERIFY(!app->schedule().remindersRunning());
        QVERIFY(!window().menus().runRemindersAction->isChecked());
    }

    void clearHistoryThenCancelKeepsTheListEmpty()
    {
        folder->write(QStringLiteral("mruf"), "1|One|gssor9..e\r\n1|Two|gssor9..s\r\n");
        QVERIFY(startWith());
        QCOMPARE(app->playback().recent().recent().entries().size(), 2);
        const QByteArray before = inf();
        inOptions([](OptionsDialog& d) {
            d.clearHistoryButton->click();
            QVERIFY(!d.clearHistoryButton->isEnabled());
            d.cancelButton->click();
        });
        QCOMPARE(folder->read(QStringLiteral("mruf")), QByteArray());
        QVERIFY(app->playback().recent().recent().entries().isEmpty());
        QCOMPARE(inf(), before);
    }

    void theTimerDialogsFieldsAndItsCountdownCaptions()
    {
        QVERIFY(startWith());
        TurnOffDialog& d = timerDialog();
        QVERIFY(d.afterOption->isChecked() && !d.atBox->isEnabled() && !d.stopButton->isEnabled());
        typeInto(d.secondsAfter->box(), QStringLiteral("0"));
        QCOMPARE(d.secondsAfter->box()->text(), QStringLiteral("1"));
        d.atOption->click();
        typeInto(d.hourAt->box(), QStringLiteral("24"));
        QCOMPARE(d.hourAt->box()->text(), QStringLiteral("23"));
        d.afterOption->click();
        d.secondsAfter->setValue(3);
        d.setButton->click();
        QVERIFY(app->turnOff().running());
        QVERIFY(!d.whenBox->isEnabled() && d.stopButton->isEnabled() && !d.setButton->isEnabled());
        tickAt(1);
        QVERIFY(window().windowTitle().endsWith(QStringLiteral(" 2 ") + app->program().texts.text(65)));
        d.stopButton->click();
        QVERIFY(!app->turnOff().running());
        QCOMPARE(window().windowTitle(), QStringLiteral("Vidorra"));
        QVERIFY(d.whenBox->isEnabled());
        d.close();
    }

    void anEmptiedFieldCountsAsItsMinimum()
    {
        QVERIFY(startWith());
        TurnOffDialog& d = timerDialog();
        d.secondsAfter->box()->clear();
        d.setButton->click();
        QCOMPARE(app->turnOff().clock().remaining(), 1); // never 0 seconds
        d.stopButton->click();
        d.close();
    }

    void thePowerOffIsAskedOnceOfLogind()
    {
        FakeLogind logind(QStringLiteral("yes"));
        QVERIFY2(logind.registered(), "no private bus: run under dbus-run-session");
        platform.logindPower = true;
        QVERIFY(startWith());
        TurnOffDialog& d = timerDialog();
        d.atOption->click();
        d.hourAt->setValue(7);
        d.minuteAt->setValue(5);
        d.secondAt->setValue(0);
        d.setButton->click();
        QCOMPARE(app->turnOff().clock().atText(), QStringLiteral("7:5:0"));
        tickAt(1);
        tickAt(13); // 07:05:03: the second 07:05:00 was skipped
        tickAt(14);
        QTRY_COMPARE(logind.powerOffs(), 1);
        tickAt(15);
        QCoreApplication::processEvents();
        QCOMPARE(logind.powerOffs(), 1);
        QCOMPARE(logind.questions(), 1);
        d.close();
    }

    void whenLogindSaysNoTheCaptionSaysSo()
    {
        FakeLogind logind(QStringLiteral("challenge"));
        QVERIFY(logind.registered());
        platform.logindPower = true;
        QVERIFY(startWith());
        TurnOffDialog& d = timerDialog();
        d.secondsAfter->setValue(1);
        d.setButton->click();
        tickAt(1);
        tickAt(2);
        QTRY_VERIFY(window().windowTitle().contains(QStringLiteral("cannot be turned off from here")));
        QCOMPARE(logind.powerOffs(), 0);
        QVERIFY(!app->turnOff().running());
        QVERIFY(d.setButton->isEnabled());
        d.close();
    }

    void aMinuteBeforeTheCaptionWarns()
    {
        QVERIFY(startWith());
        TurnOffDialog& d = timerDialog();
        d.minutesAfter->setValue(1);
        d.secondsAfter->setValue(1);
        d.setButton->click();
        tickAt(1);
        QVERIFY(window().windowTitle().contains(QStringLiteral("save your work")));
        d.stopButton->click();
        d.close();
    }

    void bothDialogsMirrorInArabic()
    {
        folder->copyShippedLanguage(QStringLiteral("arabic"));
        QVERIFY(startWith({{6, QStringLiteral("language=arabic")}}));
        QCOMPARE(timerDialog().layoutDirection(), Qt::RightToLeft);
        app->turnOff().dialog()->close();
        inOptions([](OptionsDialog& d) { QCOMPARE(d.layoutDirection(), Qt::RightToLeft); });
    }
};

QTEST_MAIN(OptionsTimerTest)
#include "options_timer_test.moc"
